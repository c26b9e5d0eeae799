#pragma once

// The comparison of two texts in one call, each analysed from scratch: the path the engine took
// before it profiled texts once. The tests keep it as the reference that Analyzer must match
// field by field.

#include "analysis/features/Contractions.h"
#include "analysis/features/Phrases.h"
#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Dictionary.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/Comparison.h"

#include <string_view>

namespace quendry {

class ProgressListener;

// The reference data a comparison consults besides the dictionary, with what is prepared from it
// once.
struct ReferenceData {
    ReferenceLists lists;
    Dictionary names; // the name list, looked up as '#' + NAME + '#'
    EmoticonKeywords emoticonKeywords;
    EmoticonPatterns emoticons;
    PhrasePatterns phrases;
    ContractionFormTable contractionForms; // prepared here from its rows, not taken from the build

    explicit ReferenceData(ReferenceLists referenceLists);
};

// Compares two texts: Windows-1252 bytes with CR LF line breaks, as the panes deliver them.
// The dictionary is read by the caller for each comparison (Dictionary::fromFile gives the empty
// dictionary when Dct.txt cannot be read). Never prints, never shows anything, never throws for
// any input.
ComparisonOutcome compareTexts(std::string_view firstText, std::string_view secondText,
    const ReferenceData& reference, const Dictionary& dictionary, ProgressListener* progress = nullptr);

} // namespace quendry
