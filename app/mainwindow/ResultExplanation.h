#pragma once

#include <QString>

namespace quendry {

struct ComparisonResult;

// The gauge's tooltip: in plain words, which habits the two texts share and which set them
// apart, strongest first.
QString resultExplanation(const ComparisonResult& terms);

} // namespace quendry
