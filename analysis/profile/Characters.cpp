#include "analysis/profile/Characters.h"

#include <algorithm>

namespace quendry {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isTrimmable(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmable(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string toUpperAscii(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return toUpperAscii(c); });
    return result;
}

std::string toLowerAscii(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) { return toLowerAscii(c); });
    return result;
}

} // namespace quendry
