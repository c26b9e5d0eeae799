#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quendry {

// Turns text as users hand it over into the engine's Windows-1252 text with CR LF line breaks.
// Valid UTF-8 (with or without a byte-order mark) is converted, a character that Windows-1252
// cannot hold becoming '?'; anything else is taken as Windows-1252 bytes as it stands. A line feed
// without a carriage return in front becomes CR LF.
std::string toEngineText(std::string_view input);

// UTF-8 to Windows-1252; nullopt when the input is not valid UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// One strict UTF-8 character at `at`: its code point and its length in bytes; nullopt when the
// sequence there is broken, cut short, overlong, a surrogate or beyond U+10FFFF.
struct Utf8Character {
    char32_t codePoint;
    std::size_t length;
};
std::optional<Utf8Character> readUtf8Character(std::string_view in, std::size_t at);

// Windows-1252 to UTF-8. Every byte has a character, so this never fails.
std::string windows1252ToUtf8(std::string_view text);

// The Unicode code point of a Windows-1252 byte, and back (nullopt when it has none).
char32_t windows1252ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToWindows1252(char32_t codePoint);

// Line feeds without a carriage return before them become CR LF.
std::string withCrLfLineBreaks(std::string_view text);

} // namespace quendry
