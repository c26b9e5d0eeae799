#pragma once

#include <cstdint>
#include <string_view>

namespace quendry {

// Compares how the two texts use 44 contracted forms against their full forms ("don't" against
// "do not"). The word-token counts are those after the comparison step raised 0 to 1.
double contractionPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount);

} // namespace quendry
