#include "app/rtf/RtfOutput.h"

#include "analysis/profile/Windows1252.h"

#include <cstdint>
#include <utility>

namespace quendry {

void RtfOutput::word(const char* name, std::optional<int> parameter)
{
    m_bytes += '\\';
    m_bytes += name;
    if (parameter)
        m_bytes += QByteArray::number(*parameter);
    m_delimit = true;
}

void RtfOutput::raw(const char* bytes)
{
    m_bytes += bytes;
    m_delimit = false;
}

void RtfOutput::text(const QString& text)
{
    for (const QChar c : text)
        character(c.unicode(), false);
}

void RtfOutput::fontName(const QString& name)
{
    for (const QChar c : name)
        character(c.unicode(), true);
}

QByteArray RtfOutput::take()
{
    m_delimit = false;
    return std::exchange(m_bytes, {});
}

void RtfOutput::character(char16_t c, bool escapeSemicolon)
{
    if (c == u'\\' || c == u'{' || c == u'}') {
        m_bytes += '\\';
        m_bytes += static_cast<char>(c);
        m_delimit = false;
    } else if (c == u'\t') {
        word("tab");
    } else if (c == 0x2028) {
        word("line");
    } else if (c < 0x20 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC) {
        // Not text: control characters, and the marks QTextDocument keeps for its own structure.
    } else if (c < 0x7F && !(escapeSemicolon && c == u';')) {
        if (m_delimit) {
            m_bytes += ' ';
            m_delimit = false;
        }
        m_bytes += static_cast<char>(c);
    } else if (const auto byte = unicodeToWindows1252(c)) {
        static constexpr char hex[] = "0123456789abcdef";
        m_bytes += "\\'";
        m_bytes += hex[*byte >> 4];
        m_bytes += hex[*byte & 0xF];
        m_delimit = false;
    } else {
        // \uN takes a signed 16-bit number; the question mark stands in for older readers.
        word("u", static_cast<int16_t>(c));
        m_bytes += '?';
        m_delimit = false;
    }
}

} // namespace quendry
