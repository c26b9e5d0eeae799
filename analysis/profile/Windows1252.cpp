#include "analysis/profile/Windows1252.h"

#include <array>

namespace quendry {
namespace {

// Codes 128-159. The five codes Windows-1252 leaves unassigned map to the C1 controls of the same
// number, so every byte survives a round trip.
constexpr std::array<char32_t, 32> highControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return highControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicodeToWindows1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::optional<Utf8Character> readUtf8Character(std::string_view in, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(in[at]);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > in.size())
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(in[at + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{cp, length};
}

std::optional<std::string> utf8ToWindows1252(std::string_view in)
{
    if (in.substr(0, 3) == "\xEF\xBB\xBF")
        in.remove_prefix(3);
    std::string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto lead = static_cast<unsigned char>(in[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const auto character = readUtf8Character(in, i);
        if (!character)
            return std::nullopt;
        const auto byte = unicodeToWindows1252(character->codePoint);
        out += byte ? static_cast<char>(*byte) : '?';
        i += character->length;
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string withCrLfLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

std::string toEngineText(std::string_view input)
{
    if (auto converted = utf8ToWindows1252(input))
        return withCrLfLineBreaks(*converted);
    return withCrLfLineBreaks(input);
}

} // namespace quendry
