#pragma once

#include "analysis/run/Comparison.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace quendry::cli {

// One line of the explanation: a non-zero term, its points and what they mean.
struct ExplanationLine {
    std::string_view term;
    double points;
    std::string_view reason;
};

// The non-zero terms, largest first by absolute value; equal sizes keep the verdict's order.
std::vector<ExplanationLine> explain(const ComparisonResult& terms);

// Points as a person writes them: "-25", "-37.5", "+15".
std::string formatPoints(double points);

// The comparison as one JSON object; with the explanation when asked for.
std::string comparisonJson(const Comparison& comparison, bool withExplanation);
std::string refusalJson(const Refusal& refusal);

} // namespace quendry::cli
