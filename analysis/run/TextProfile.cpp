#include "analysis/run/TextProfile.h"

#include "analysis/run/Rules.h"

#include <algorithm>
#include <numeric>

namespace quendry {
namespace {

std::vector<std::uint32_t> orderOf(const StringList& list)
{
    std::vector<std::uint32_t> order(list.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&list](std::uint32_t a, std::uint32_t b) { return list[a] < list[b]; });
    return order;
}

bool isPlainCharacter(char c)
{
    return isLetter(c) || isDigit(c) || c == ' ' || c == '\r' || c == '\n' || c == '-' || c == '.' || c == ','
        || c == '?';
}

} // namespace

void indexProfile(TextProfile& profile)
{
    profile.unknownWordOrder = orderOf(profile.unknownWords);
    profile.capsWordOrder = orderOf(profile.capsWords);
    profile.symbolRunOrder = orderOf(profile.symbolRuns);
    profile.symbolRunPenalties.clear();
    profile.symbolRunPenaltyTotal = 0;
    for (std::size_t i = 0; i < profile.symbolRuns.size(); ++i) {
        const std::int32_t uses = i < profile.symbolRunCounts.size() ? profile.symbolRunCounts[i] : 0;
        profile.symbolRunPenalties.push_back(unsharedRunPenalty(profile.wordCount, uses));
        profile.symbolRunPenaltyTotal += profile.symbolRunPenalties.back();
    }
    profile.repeatedMarks = repeatedMarkTotals(profile.symbolRuns, profile.symbolRunCounts);
    profile.loneSymbols = collectLoneSymbols(profile.text);
    profile.hyphenSpacing = measureHyphenSpacing(profile.text);
    profile.usesAmpersand = profile.text.find('&') != std::string::npos;
    profile.plainCharset = std::all_of(profile.text.begin(), profile.text.end(), isPlainCharacter);
}

std::optional<std::size_t> findInOrder(const StringList& list, const std::vector<std::uint32_t>& order,
    std::string_view key)
{
    const auto found = std::lower_bound(order.begin(), order.end(), key,
        [&list](std::uint32_t position, std::string_view wanted) { return std::string_view(list[position]) < wanted; });
    if (found == order.end() || list[*found] != key)
        return std::nullopt;
    return *found;
}

} // namespace quendry
