#pragma once

#include "analysis/run/TextProfile.h"

namespace quendry {

// Comparisons of word length, spacing around commas, full stops and question marks, and the
// comma rate. Word-token counts are at least 1 when these run.
double wordLengthPoints(const TextProfile& first, const TextProfile& second);
std::int32_t spaceBeforeMarkPoints(const TextProfile& first, const TextProfile& second);
std::int32_t spaceAfterMarkPoints(const TextProfile& first, const TextProfile& second);
double commaRatePoints(const TextProfile& first, const TextProfile& second);

} // namespace quendry
