#pragma once

#include <cstdint>
#include <string_view>

namespace quendry {

// Small letters that start the text or follow a full stop, question or exclamation mark once
// spaces and line breaks are taken out.
std::int32_t countLowercaseSentenceStarts(std::string_view text);

// A penalty for symbols that one text often uses standing alone and the other never does.
std::int32_t loneSymbolPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordCount, std::int32_t secondWordCount);

// A reward, at most 40, for spacing hyphens used as dashes the same way in both texts.
std::int32_t hyphenSpacingPoints(std::string_view firstText, std::string_view secondText);

} // namespace quendry
