#pragma once

#include "analysis/run/Comparison.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace quendry::cli {

// The explanation is the engine's: its lines, sorted and worded there.
using quendry::ExplanationLine;
using quendry::explain;

// Points as a person writes them: "-25", "-37.5", "+15".
std::string formatPoints(double points);

// The comparison as one JSON object; with the explanation when asked for.
std::string comparisonJson(const Comparison& comparison, bool withExplanation);
std::string refusalJson(const Refusal& refusal);

} // namespace quendry::cli
