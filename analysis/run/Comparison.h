#pragma once

#include "analysis/features/Contractions.h"
#include "analysis/features/Phrases.h"
#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Dictionary.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/ComparisonResult.h"
#include "analysis/run/TextProfile.h"

#include <string_view>
#include <variant>

namespace quendry {

class ProgressListener;

// The dictionary of the name list: the names joined with CR LF and trimmed, each framed by '#'.
Dictionary nameDictionary(const StringList& names);

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

// Why a comparison was refused, in the order the checks run.
enum class RefusalReason {
    FirstTextTooSmall,
    FirstTextNotEnglish,
    SecondTextTooSmall,
    SecondTextNotEnglish,
};

struct Refusal {
    RefusalReason reason;
    std::string_view message() const;
    bool operator==(const Refusal&) const = default;
};

struct Comparison {
    double score = 0.0;   // 0 to 100
    int percent = 0;      // what the user sees: the score rounded up
    ComparisonResult terms;
    TextProfile first;
    TextProfile second;
    StringList sharedUnknownWords; // "WORD-WORD" for every unknown word both texts use

    bool operator==(const Comparison&) const = default;
};

using ComparisonOutcome = std::variant<Refusal, Comparison>;

// Compares two texts: Windows-1252 bytes with CR LF line breaks, as the panes deliver them.
// The dictionary is read by the caller for each comparison (Dictionary::fromFile gives the empty
// dictionary when Dct.txt cannot be read). Never prints, never shows anything, never throws for
// any input.
ComparisonOutcome compareTexts(std::string_view firstText, std::string_view secondText,
    const ReferenceData& reference, const Dictionary& dictionary, ProgressListener* progress = nullptr);

} // namespace quendry
