#pragma once

#include "analysis/profile/Dictionary.h"
#include "analysis/profile/PatternMatcher.h"

#include <span>
#include <string_view>

namespace quendry {

// The reference lists built into the program, prepared when the program is built. The build runs
// quendry_prepare_tables (PrepareTables.cpp), which prepares builtInReferenceLists() with the
// engine's own code and writes every table that preparation builds as constant data into a
// generated source. An Analyzer of the built-in lists then only points at these tables: nothing to
// compute, allocate or initialise, and they are read-only, so threads share them freely. The
// contraction forms, which depend on no list, are ContractionFormTable::builtIn().
struct BuiltInTables {
    std::span<const std::string_view> emoticons; // the emoticon list, prepared
    PatternSetTables emoticonGroups;             // as EmoticonPatterns prepares them
    PatternSetTables emoticonWordsAfterMarks;
    PatternSetTables phrases;                    // as PhrasePatterns prepares them
    bool phrasesHaveSpacePairs = false;
    DictionaryTables names;                      // the name list's dictionary
};

// Defined in the generated source.
const BuiltInTables& builtInTables();

} // namespace quendry
