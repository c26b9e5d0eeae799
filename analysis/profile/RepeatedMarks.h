#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>

namespace quendry {

// For one mark, how often a text uses runs made only of that mark ("!!!", "--", "...").
struct MarkTotal {
    unsigned char mark = 0;
    std::int64_t total = 0;
    bool operator==(const MarkTotal&) const = default;
};

// The marks a text repeats, in the order of their codes. Mixed runs such as "?!" take no part.
std::vector<MarkTotal> repeatedMarkTotals(const CountedTexts& runs);

std::int32_t compareRepeatedMarks(const std::vector<MarkTotal>& first, const std::vector<MarkTotal>& second);

// 15 points for every use of a run of one repeated mark (such as "!!!" or "...") that both texts
// make: per character, the smaller of the two texts' totals.
std::int32_t compareRepeatedMarks(const CountedTexts& firstRuns, const CountedTexts& secondRuns);

} // namespace quendry
