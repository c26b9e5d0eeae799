#pragma once

#include <string_view>

namespace quendry {

// One piece of a rich text stream, as RtfTokenizer cuts it. Views point into the tokenizer's input.
struct RtfToken {
    enum class Kind {
        End,           // no more input
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \word or \wordN; name holds the word, without the backslash
        ControlSymbol, // \ and one character that is not a letter, for example \~ or \{
        HexByte,       // \'hh; byte holds the value
        Text,          // plain bytes; line breaks in the stream are not part of the text
    };

    Kind kind = Kind::End;
    std::string_view name = {};
    bool hasParameter = false;
    int parameter = 0;
    char symbol = 0;
    unsigned char byte = 0;
    std::string_view text = {};
};

} // namespace quendry
