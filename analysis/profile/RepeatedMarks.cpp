#include "analysis/profile/RepeatedMarks.h"

#include <algorithm>
#include <array>
#include <limits>

namespace quendry {
namespace {

// Per character, how often a text uses runs made only of that character ("!!!", "--", "...").
// Mixed runs such as "?!" take no part.
struct MarkTotals {
    std::array<std::int64_t, 256> totals{};
    std::array<bool, 256> present{};
};

MarkTotals repeatedMarkTotals(const StringList& runs, const std::vector<std::int32_t>& counts)
{
    MarkTotals result;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::string& run = runs[i];
        if (run.empty() || std::any_of(run.begin(), run.end(), [&](char c) { return c != run.front(); }))
            continue;
        const unsigned char mark = code(run.front());
        result.totals[mark] += i < counts.size() ? counts[i] : 0;
        result.present[mark] = true;
    }
    return result;
}

} // namespace

std::int32_t compareRepeatedMarks(const StringList& firstRuns, const std::vector<std::int32_t>& firstCounts,
    const StringList& secondRuns, const std::vector<std::int32_t>& secondCounts)
{
    const MarkTotals first = repeatedMarkTotals(firstRuns, firstCounts);
    const MarkTotals second = repeatedMarkTotals(secondRuns, secondCounts);
    std::int64_t shared = 0;
    for (std::size_t mark = 0; mark < first.totals.size(); ++mark) {
        if (first.present[mark] && second.present[mark])
            shared += std::min(first.totals[mark], second.totals[mark]);
    }
    const std::int64_t points = 15 * shared;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(points, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

} // namespace quendry
