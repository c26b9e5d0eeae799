#pragma once

#include "analysis/run/Comparison.h"

namespace quendry::reference {

// The whole comparison with the plain steps: what the engine must give, field by field, and what
// it would cost without its fast steps. The dictionary is the text of Dct.txt.
ComparisonOutcome compareTexts(std::string_view firstText, std::string_view secondText, const ReferenceLists& lists,
    std::string_view dictionaryText);

} // namespace quendry::reference
