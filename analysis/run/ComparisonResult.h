#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace quendry {

// The 26 score terms of one comparison. A positive term is evidence for one writer (a reward),
// a negative term evidence against (a penalty).
struct ComparisonResult {
    std::int32_t sharedSymbolRunPoints = 0;
    std::int32_t sharedCapsWordPoints = 0;
    std::int32_t sharedUnknownWordPoints = 0;
    double wordLengthPoints = 0.0;
    std::int32_t spaceBeforeMarkPoints = 0;
    std::int32_t spaceAfterMarkPoints = 0;
    double commaRatePoints = 0.0;
    double contractionPoints = 0.0;
    std::int32_t ampersandPoints = 0;
    std::int32_t sentenceLengthPoints = 0;
    std::int32_t unknownWordRatePoints = 0;
    std::int32_t repeatedSymbolPoints = 0;
    std::int32_t exclamationPoints = 0;
    std::int32_t colonPoints = 0;
    std::int32_t semicolonPoints = 0;
    std::int32_t unsharedSymbolRunPoints = 0;
    std::int32_t loneSymbolPoints = 0;
    std::int32_t lowercaseStartPoints = 0;
    std::int32_t otherSymbolRatePoints = 0;
    std::int32_t lowercaseIPoints = 0;
    std::int32_t emoticonRatePoints = 0;
    std::int32_t capsWordRatePoints = 0;
    std::int32_t plainCharsetPoints = 0;
    std::int32_t hyphenSpacingPoints = 0;
    std::int32_t specialCharPoints = 0;
    std::int32_t phraseRatePoints = 0;

    bool operator==(const ComparisonResult&) const = default;
};

// One term of the table below: its name, where it lives, and what it means to a user.
struct TermInfo {
    std::string_view name;
    std::variant<std::int32_t ComparisonResult::*, double ComparisonResult::*> member;
    std::string_view rewardReason;  // shown when the term is positive
    std::string_view penaltyReason; // shown when the term is negative

    double valueIn(const ComparisonResult& result) const
    {
        return std::visit([&](auto pointer) { return static_cast<double>(result.*pointer); }, member);
    }
    bool isInteger() const { return std::holds_alternative<std::int32_t ComparisonResult::*>(member); }
};

inline constexpr std::size_t termCount = 26;

// Every term in the order the verdict reads them.
const std::array<TermInfo, termCount>& termTable();

// One line of an explanation: a term that moved the result, its points and what they mean.
struct ExplanationLine {
    std::string_view term;
    double points;
    std::string_view reason; // the reward or penalty wording; empty for a term without one
};

// The non-zero terms, largest first by absolute value; equal sizes keep the verdict's order. Every
// explanation the program shows (the command line's, the window's, the report's) is this list.
std::vector<ExplanationLine> explain(const ComparisonResult& terms);

} // namespace quendry
