#include "analysis/run/TextProfile.h"

#include "analysis/run/Rules.h"

#include <algorithm>
#include <numeric>

namespace quendry {
namespace {

template <typename List>
std::vector<std::uint32_t> orderOf(const List& list)
{
    std::vector<std::uint32_t> order(list.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
        [&list](std::uint32_t a, std::uint32_t b) { return textOf(list[a]) < textOf(list[b]); });
    return order;
}

bool isPlainCharacter(char c)
{
    return isLetter(c) || isDigit(c) || c == ' ' || c == '\r' || c == '\n' || c == '-' || c == '.' || c == ','
        || c == '?';
}

} // namespace

void indexProfile(TextProfile& profile, std::string_view text)
{
    const CountedTexts& symbolRuns = profile.characters.symbolRuns;
    profile.unknownWordOrder = orderOf(profile.unknownWords);
    profile.capsWordOrder = orderOf(profile.capsWords);
    profile.symbolRunOrder = orderOf(symbolRuns);
    profile.symbolRunPenaltyTotal = 0;
    for (const CountedText& run : symbolRuns)
        profile.symbolRunPenaltyTotal += unsharedRunPenalty(profile.characters.wordCount, run.count);
    profile.repeatedMarks = repeatedMarkTotals(symbolRuns);
    profile.loneSymbols = collectLoneSymbols(text);
    profile.hyphenSpacing = measureHyphenSpacing(text);
    profile.usesAmpersand = text.find('&') != std::string_view::npos;
    profile.plainCharset = std::all_of(text.begin(), text.end(), isPlainCharacter);
}

} // namespace quendry
