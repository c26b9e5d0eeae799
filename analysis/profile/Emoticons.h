#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>

namespace quendry {

// Counts the emoticons of a text and removes them from it: the symbol groups of the emoticon list
// (all but "ok"), then the emoticon words written straight after a sentence mark. The count starts
// at the number of "ok" words the normaliser removed.
std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords);

} // namespace quendry
