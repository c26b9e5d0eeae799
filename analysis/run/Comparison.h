#pragma once

#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Dictionary.h"
#include "analysis/run/ComparisonResult.h"
#include "analysis/run/TextProfile.h"

#include <string_view>
#include <variant>

namespace quendry {

// The dictionary of the name list: the names joined with CR LF and trimmed, each framed by '#'.
Dictionary nameDictionary(const StringList& names);

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

} // namespace quendry
