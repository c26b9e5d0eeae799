#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>

namespace quendry {

// 15 points for every use of a run of one repeated mark (such as "!!!" or "...") that both texts
// make: per character, the smaller of the two texts' totals.
std::int32_t compareRepeatedMarks(const StringList& firstRuns, const std::vector<std::int32_t>& firstCounts,
    const StringList& secondRuns, const std::vector<std::int32_t>& secondCounts);

} // namespace quendry
