#include "analysis/profile/Emoticons.h"

namespace quendry {

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords)
{
    (void)text;
    (void)emoticons;
    (void)emoticonWords;
    return okCount;
}

} // namespace quendry
