#include "analysis/features/Habits.h"

#include "analysis/profile/Characters.h"
#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace quendry {
namespace {

bool isSmallLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

// Everything but letters, the space and the everyday marks "!", "?", "," and "." is special:
// digits, line breaks, tabs, apostrophes, other punctuation and every byte from 128 on.
constexpr bool isSpecial(char c)
{
    return !isLetter(c) && c != ' ' && c != '!' && c != '?' && c != ',' && c != '.';
}

// The symbols of a text's list that stand alone, one bit each.
std::array<bool, 256> presence(const std::vector<LoneSymbol>& symbols)
{
    std::array<bool, 256> present{};
    for (const LoneSymbol& lone : symbols)
        present[code(lone.symbol)] = true;
    return present;
}

// Most characters of a text are letters and spaces; a table tells the few that may stand alone
// at a glance.
constexpr std::array<bool, 256> mayStandAlone = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = isSpecial(static_cast<char>(c)) && !isDigit(static_cast<char>(c));
    return table;
}();

// A symbol stands alone when it is special, not a digit, and neither neighbour is special
// (digits count as special neighbours). An apostrophe inside a word is part of the word.
std::vector<LoneSymbol> collectLoneSymbolsIn(std::string_view text)
{
    std::vector<LoneSymbol> lone;
    std::array<std::int32_t, 256> indexOf; // position in lone, -1 when absent
    indexOf.fill(-1);
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        // Eight characters of which none may stand alone are passed over at once.
        while (i + 8 <= n) {
            bool any = false;
            for (std::size_t k = 0; k < 8; ++k)
                any |= mayStandAlone[code(text[i + k])];
            if (any)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        const char x = text[i];
        if (!mayStandAlone[code(x)])
            continue;
        const bool first = i == 0;
        const bool last = i + 1 == n;
        if (first && n > 1 && isSpecial(text[i + 1]))
            continue;
        if (!first && !last && (isSpecial(text[i + 1]) || isSpecial(text[i - 1])))
            continue;
        if (last && n > 1 && isSpecial(text[i - 1]))
            continue;
        if (x == '\'' && !first && !last && !isSeparator(text[i + 1]) && !isSeparator(text[i - 1]))
            continue;
        // The look-up trims its key, so a control character is never found and each of its uses
        // would get an entry of its own with the count 1: such characters are never scored, nor
        // found by the other text's look-ups, so they are left out.
        if (isTrimmable(x))
            continue;
        std::int32_t& index = indexOf[code(x)];
        if (index >= 0) {
            ++lone[static_cast<std::size_t>(index)].count;
        } else {
            index = static_cast<std::int32_t>(lone.size());
            lone.push_back({x, 1});
        }
    }
    return lone;
}

// The penalties for symbols used alone at least the term's minimum times in one text and never
// alone in the other: the more words a use, the smaller.
std::int32_t unmatchedLoneSymbolTotal(const std::vector<LoneSymbol>& own, const std::array<bool, 256>& other,
    std::int32_t wordCount)
{
    constexpr const TermInfo& term = terms::named("loneSymbolPoints");
    std::int32_t total = 0;
    for (const LoneSymbol& lone : own) {
        if (other[code(lone.symbol)] || lone.count < term.minimum)
            continue;
        total += term.bands.pointsFor(static_cast<double>(wordCount) / lone.count);
    }
    return total;
}

} // namespace

std::vector<LoneSymbol> collectLoneSymbols(std::string_view text)
{
    return collectLoneSymbolsIn(text);
}

HyphenSpacing measureHyphenSpacing(std::string_view text)
{
    // Every pattern holds a hyphen, which is rare: the text is searched for hyphens only.
    HyphenSpacing spacing;
    const std::size_t n = text.size();
    for (std::size_t i = text.find('-'); i != std::string_view::npos; i = text.find('-', i + 1)) {
        const bool spaceBefore = i > 0 && text[i - 1] == ' ';
        const bool spaceAfter = i + 1 < n && text[i + 1] == ' ';
        spacing.spaceBefore += spaceBefore ? 1 : 0;
        spacing.spaceAfter += spaceAfter ? 1 : 0;
        spacing.spaceAround += spaceBefore && spaceAfter ? 1 : 0;
    }
    spacing.spaceBefore -= spacing.spaceAround;
    spacing.spaceAfter -= spacing.spaceAround;
    return spacing;
}

std::int32_t countLowercaseSentenceStarts(std::string_view text)
{
    // A small letter counts when it is the text's first character other than a space or a line
    // break, or the first such character after a sentence mark.
    const auto skipped = [](char x) { return x == '\n' || x == '\r' || x == ' '; };
    const auto firstAfter = [&](std::size_t from) {
        while (from < text.size() && skipped(text[from]))
            ++from;
        return from;
    };
    std::int32_t count = 0;
    if (const std::size_t first = firstAfter(0); first < text.size() && isSmallLetter(text[first]))
        ++count;
    for (std::size_t i = findSentenceMark(text, 0); i < text.size(); i = findSentenceMark(text, i + 1)) {
        if (const std::size_t next = firstAfter(i + 1); next < text.size() && isSmallLetter(text[next]))
            ++count;
    }
    return count;
}

std::int32_t loneSymbolPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordCount, std::int32_t secondWordCount)
{
    return loneSymbolPoints(collectLoneSymbols(firstText), collectLoneSymbols(secondText), firstWordCount, secondWordCount);
}

std::int32_t loneSymbolPoints(const std::vector<LoneSymbol>& first, const std::vector<LoneSymbol>& second,
    std::int32_t firstWordCount, std::int32_t secondWordCount)
{
    return unmatchedLoneSymbolTotal(first, presence(second), firstWordCount)
        + unmatchedLoneSymbolTotal(second, presence(first), secondWordCount);
}

std::int32_t hyphenSpacingPoints(std::string_view firstText, std::string_view secondText)
{
    return hyphenSpacingPoints(measureHyphenSpacing(firstText), measureHyphenSpacing(secondText));
}

std::int32_t hyphenSpacingPoints(const HyphenSpacing& first, const HyphenSpacing& second)
{
    constexpr const TermInfo& term = terms::named("hyphenSpacingPoints");
    // Summed wide: the counts of a huge text could overflow before the cap applies.
    const std::int64_t points = term.reward * std::int64_t{std::min(first.spaceBefore, second.spaceBefore)}
        + term.reward * std::int64_t{std::min(first.spaceAfter, second.spaceAfter)}
        + term.lesserReward * std::int64_t{std::min(first.spaceAround, second.spaceAround)};
    return static_cast<std::int32_t>(std::min<std::int64_t>(points, term.cap));
}

} // namespace quendry
