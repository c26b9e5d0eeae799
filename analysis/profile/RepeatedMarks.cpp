#include "analysis/profile/RepeatedMarks.h"

#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quendry {
std::vector<MarkTotal> repeatedMarkTotals(const CountedTexts& runs)
{
    std::array<std::int64_t, 256> totals{};
    std::array<bool, 256> present{};
    for (const CountedText& run : runs) {
        const std::string& text = run.text;
        if (text.empty() || std::any_of(text.begin(), text.end(), [&](char c) { return c != text.front(); }))
            continue;
        const unsigned char mark = code(text.front());
        totals[mark] += run.count;
        present[mark] = true;
    }
    std::vector<MarkTotal> result;
    for (std::size_t mark = 0; mark < totals.size(); ++mark)
        if (present[mark])
            result.push_back({static_cast<unsigned char>(mark), totals[mark]});
    return result;
}

std::int32_t compareRepeatedMarks(const std::vector<MarkTotal>& first, const std::vector<MarkTotal>& second)
{
    // Both lists are in the order of their marks: one walk meets every mark they share.
    std::int64_t shared = 0;
    auto other = second.begin();
    for (const MarkTotal& own : first) {
        while (other != second.end() && other->mark < own.mark)
            ++other;
        if (other != second.end() && other->mark == own.mark)
            shared += std::min(own.total, other->total);
    }
    const std::int64_t points = terms::named("repeatedSymbolPoints").reward * shared;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(points, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

std::int32_t compareRepeatedMarks(const CountedTexts& firstRuns, const CountedTexts& secondRuns)
{
    return compareRepeatedMarks(repeatedMarkTotals(firstRuns), repeatedMarkTotals(secondRuns));
}

} // namespace quendry
