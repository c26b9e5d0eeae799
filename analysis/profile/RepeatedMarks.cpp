#include "analysis/profile/RepeatedMarks.h"

namespace quendry {

std::int32_t compareRepeatedMarks(const StringList& firstRuns, const std::vector<std::int32_t>& firstCounts,
    const StringList& secondRuns, const std::vector<std::int32_t>& secondCounts)
{
    (void)firstRuns;
    (void)firstCounts;
    (void)secondRuns;
    (void)secondCounts;
    return 0;
}

} // namespace quendry
