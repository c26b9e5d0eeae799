#include "analysis/features/Contractions.h"

namespace quendry {

double contractionPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount)
{
    (void)firstText;
    (void)secondText;
    (void)firstWordTokenCount;
    (void)secondWordTokenCount;
    return 0.0;
}

} // namespace quendry
