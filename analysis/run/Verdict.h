#pragma once

#include "analysis/run/ComparisonResult.h"

#include <cstdint>

namespace quendry {

// The inputs of the verdict besides the terms.
struct VerdictInputs {
    std::int32_t firstLetterCount = 0;
    std::int32_t secondLetterCount = 0;
    std::int32_t firstWordTokenCount = 1; // already raised from 0 to 1
    std::int32_t secondWordTokenCount = 1;
};

// The adjustment of 0 to 4 points taken from the last digit of the larger letter count.
int verdictAdjustment(std::int32_t firstLetterCount, std::int32_t secondLetterCount);

// The score from 0 to 100: a base and cap picked by which signs the terms carry and how many
// carry them, the adjustment, the bounds, and a floor for short texts.
double verdictScore(const ComparisonResult& terms, const VerdictInputs& inputs);

// The integer the user sees: the smallest integer not less than the score.
int shownPercent(double score);

} // namespace quendry
