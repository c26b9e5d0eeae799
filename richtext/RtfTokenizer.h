#pragma once

#include "richtext/RtfToken.h"

#include <cstddef>
#include <string_view>

namespace quendry {

// Cuts rich text into tokens, one at a time. It never reads past the end of its input: a backslash
// or a \' escape cut short at the end is dropped, numeric parameters saturate, and the binary data
// that follows \binN is skipped here, so the parser never sees it.
class RtfTokenizer {
public:
    // The largest magnitude a parameter takes; longer digit runs are read whole and saturate.
    static constexpr int maxParameter = 1'000'000'000;

    explicit RtfTokenizer(std::string_view input);

    RtfToken next();

private:
    RtfToken readControl();
    RtfToken readControlWord();
    void skipLineBreaks();

    std::string_view m_input;
    std::size_t m_position = 0;
};

} // namespace quendry
