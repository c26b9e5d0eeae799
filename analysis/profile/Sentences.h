#pragma once

#include <cstdint>
#include <string_view>

namespace quendry {

// The number of sentences of two or more words in a text (quotes folded, line breaks kept).
std::int32_t countSentences(std::string_view text);

} // namespace quendry
