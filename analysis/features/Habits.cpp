#include "analysis/features/Habits.h"

namespace quendry {

std::int32_t countLowercaseSentenceStarts(std::string_view) { return 0; }
std::int32_t loneSymbolPoints(std::string_view, std::string_view, std::int32_t, std::int32_t) { return 0; }
std::int32_t hyphenSpacingPoints(std::string_view, std::string_view) { return 0; }

} // namespace quendry
