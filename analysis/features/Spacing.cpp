#include "analysis/features/Spacing.h"

namespace quendry {

double wordLengthPoints(const TextProfile&, const TextProfile&) { return 0.0; }
std::int32_t spaceBeforeMarkPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t spaceAfterMarkPoints(const TextProfile&, const TextProfile&) { return 0; }
double commaRatePoints(const TextProfile&, const TextProfile&) { return 0.0; }

} // namespace quendry
