#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quendry {

// A symbol that stands alone between words, and how often it does.
struct LoneSymbol {
    char symbol = 0;
    std::int32_t count = 0;
    bool operator==(const LoneSymbol&) const = default;
};

// The symbols a text uses standing alone, in order of first use.
std::vector<LoneSymbol> collectLoneSymbols(std::string_view text);

// How a text spaces its hyphens.
struct HyphenSpacing {
    std::int32_t spaceBefore = 0; // " -" with no space after
    std::int32_t spaceAfter = 0;  // "- " with no space before
    std::int32_t spaceAround = 0; // " - "
    bool operator==(const HyphenSpacing&) const = default;
};

HyphenSpacing measureHyphenSpacing(std::string_view text);

// Small letters that start the text or follow a full stop, question or exclamation mark once
// spaces and line breaks are taken out.
std::int32_t countLowercaseSentenceStarts(std::string_view text);

// A penalty for symbols that one text often uses standing alone and the other never does.
std::int32_t loneSymbolPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordCount, std::int32_t secondWordCount);
std::int32_t loneSymbolPoints(const std::vector<LoneSymbol>& first, const std::vector<LoneSymbol>& second,
    std::int32_t firstWordCount, std::int32_t secondWordCount);

// A reward, at most 40, for spacing hyphens used as dashes the same way in both texts.
std::int32_t hyphenSpacingPoints(std::string_view firstText, std::string_view secondText);
std::int32_t hyphenSpacingPoints(const HyphenSpacing& first, const HyphenSpacing& second);

} // namespace quendry
