#include "richtext/FileText.h"

#include "richtext/RtfParser.h"
#include "analysis/profile/Windows1252.h"

namespace quendry {
namespace {

// Collects the body text, one '\n' between paragraphs.
class TextCollector final : public RtfSink {
public:
    void text(std::u16string_view text, const RtfRunStyle&) override { m_text.append(text); }
    void paragraphEnd(RtfAlignment, const RtfRunStyle&) override { m_text.push_back(u'\n'); }
    void documentEnd(RtfAlignment) override {}
    std::u16string take() { return std::move(m_text); }

private:
    std::u16string m_text;
};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void appendCodePoint(std::u16string& text, char32_t cp)
{
    if (cp < 0x10000) {
        text.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Strict UTF-8: nothing when a sequence is broken, overlong, a surrogate or beyond U+10FFFF.
std::optional<std::u16string> decodeUtf8(std::string_view in)
{
    std::u16string text;
    text.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto character = readUtf8Character(in, i);
        if (!character)
            return std::nullopt;
        appendCodePoint(text, character->codePoint);
        i += character->length;
    }
    return text;
}

// UTF-16 in the given byte order. A surrogate standing alone stays as it is, as text decoders
// keep it, and the analysis reads it as a character it cannot hold.
std::u16string decodeUtf16(std::string_view in, bool littleEndian)
{
    std::u16string text;
    text.reserve(in.size() / 2);
    for (std::size_t i = 0; i + 1 < in.size(); i += 2) {
        const auto first = static_cast<unsigned char>(in[i]);
        const auto second = static_cast<unsigned char>(in[i + 1]);
        text.push_back(static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second));
    }
    return text;
}

// A byte-order mark that follows the one taken off is dropped as well, as text decoders do.
std::u16string withoutLeadingMark(std::u16string text)
{
    if (!text.empty() && text.front() == 0xFEFF)
        text.erase(0, 1);
    return text;
}

} // namespace

DecodedPlainText decodePlainText(std::string_view bytes)
{
    // Pure ASCII is valid UTF-8 and reads the same either way.
    std::string_view utf8 = bytes;
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    if (auto text = decodeUtf8(utf8))
        return {withoutLeadingMark(std::move(*text)), PlainTextEncoding::Utf8};
    const bool littleEndian = bytes.starts_with("\xFF\xFE");
    if ((littleEndian || bytes.starts_with("\xFE\xFF")) && bytes.size() % 2 == 0)
        return {withoutLeadingMark(decodeUtf16(bytes.substr(2), littleEndian)), PlainTextEncoding::Utf16};
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.push_back(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    return {std::move(text), PlainTextEncoding::Windows1252};
}

std::u16string plainFileText(std::string_view bytes)
{
    const std::u16string decoded = decodePlainText(bytes).text;
    std::u16string text;
    text.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == u'\r') {
            text.push_back(u'\n');
            if (i + 1 < decoded.size() && decoded[i + 1] == u'\n')
                ++i;
        } else {
            text.push_back(decoded[i]);
        }
    }
    return text;
}

bool looksBinary(std::u16string_view text)
{
    std::size_t controls = 0;
    for (const char16_t c : text) {
        if (c == 0)
            return true;
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            ++controls;
    }
    return controls > 0 && controls * 20 > text.size();
}

std::optional<std::string> sampleEngineText(std::string_view bytes, std::string& problem)
{
    if (bytes.size() > maxPaneFileBytes) {
        problem = "it is too large to put into a pane (the limit is 10 MB)";
        return std::nullopt;
    }
    if (RtfParser::isRtf(bytes))
        return fileEngineText(bytes);
    // Line ends count as the window counts them before it decides: as read.
    const std::u16string text = decodePlainText(bytes).text;
    if (looksBinary(text)) {
        problem = "it is not a text file: it holds binary data";
        return std::nullopt;
    }
    return engineTextOf(text);
}

std::u16string richOrPlainFileText(std::string_view bytes)
{
    if (!RtfParser::isRtf(bytes))
        return plainFileText(bytes);
    TextCollector collector;
    RtfParser().parse(bytes, collector);
    return collector.take();
}

std::string engineTextOf(std::u16string_view text)
{
    if (!text.empty() && text.front() == 0xFEFF)
        text.remove_prefix(1);
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n' || c == 0x2028 || c == 0x2029) {
            out += "\r\n";
        } else if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out += '?';
            ++i;
        } else if (const auto byte = unicodeToWindows1252(c)) {
            out += static_cast<char>(*byte);
        } else {
            out += '?';
        }
    }
    return out;
}

} // namespace quendry
