#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <cmath>

namespace quendry {

std::vector<ExplanationLine> explain(const ComparisonResult& terms)
{
    std::vector<ExplanationLine> lines;
    for (const TermInfo& term : termTable()) {
        const double value = term.valueIn(terms);
        if (value == 0.0)
            continue;
        lines.push_back({term.name, value, value > 0 ? term.rewardReason : term.penaltyReason});
    }
    std::stable_sort(lines.begin(), lines.end(),
        [](const ExplanationLine& a, const ExplanationLine& b) { return std::fabs(a.points) > std::fabs(b.points); });
    return lines;
}

} // namespace quendry
