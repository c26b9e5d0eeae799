#include "richtext/RtfTokenizer.h"

#include <algorithm>

namespace quendry {

namespace {

constexpr bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isLineBreak(char c) { return c == '\r' || c == '\n'; }
constexpr bool endsText(char c) { return c == '{' || c == '}' || c == '\\' || isLineBreak(c); }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::RtfTokenizer(std::string_view input)
    : m_input(input)
{
}

void RtfTokenizer::skipLineBreaks()
{
    while (m_position < m_input.size() && isLineBreak(m_input[m_position]))
        ++m_position;
}

RtfToken RtfTokenizer::next()
{
    // Loops only past escapes cut short, which yield no token.
    for (;;) {
        skipLineBreaks();
        if (m_position >= m_input.size())
            return {};
        const char c = m_input[m_position];
        if (c == '{') {
            ++m_position;
            return {.kind = RtfToken::Kind::GroupStart};
        }
        if (c == '}') {
            ++m_position;
            return {.kind = RtfToken::Kind::GroupEnd};
        }
        if (c == '\\') {
            RtfToken token = readControl();
            if (token.kind != RtfToken::Kind::End)
                return token;
            continue;
        }
        const std::size_t start = m_position;
        while (m_position < m_input.size() && !endsText(m_input[m_position]))
            ++m_position;
        return {.kind = RtfToken::Kind::Text, .text = m_input.substr(start, m_position - start)};
    }
}

// Reads what follows a backslash. Returns an End token for an escape that yields nothing.
RtfToken RtfTokenizer::readControl()
{
    ++m_position; // the backslash
    if (m_position >= m_input.size())
        return {};
    const char c = m_input[m_position];
    if (isLetter(c))
        return readControlWord();
    ++m_position;
    if (c == '\'') {
        if (m_position + 2 > m_input.size())
            return {};
        const int high = hexValue(m_input[m_position]);
        const int low = hexValue(m_input[m_position + 1]);
        if (high < 0 || low < 0)
            return {};
        m_position += 2;
        return {.kind = RtfToken::Kind::HexByte, .byte = static_cast<unsigned char>(high * 16 + low)};
    }
    // A backslash before a line break is a paragraph mark.
    if (isLineBreak(c)) {
        if (c == '\r' && m_position < m_input.size() && m_input[m_position] == '\n')
            ++m_position;
        return {.kind = RtfToken::Kind::ControlWord, .name = "par"};
    }
    return {.kind = RtfToken::Kind::ControlSymbol, .symbol = c};
}

RtfToken RtfTokenizer::readControlWord()
{
    const std::size_t start = m_position;
    while (m_position < m_input.size() && isLetter(m_input[m_position]))
        ++m_position;
    RtfToken token{.kind = RtfToken::Kind::ControlWord, .name = m_input.substr(start, m_position - start)};

    bool negative = false;
    if (m_position + 1 < m_input.size() && m_input[m_position] == '-' && isDigit(m_input[m_position + 1])) {
        negative = true;
        ++m_position;
    }
    if (m_position < m_input.size() && isDigit(m_input[m_position])) {
        long long value = 0;
        while (m_position < m_input.size() && isDigit(m_input[m_position])) {
            value = std::min<long long>(value * 10 + (m_input[m_position] - '0'), maxParameter);
            ++m_position;
        }
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    // One space ends a control word and belongs to it.
    if (m_position < m_input.size() && m_input[m_position] == ' ')
        ++m_position;

    if (token.name == "bin" && token.parameter > 0) {
        const std::size_t left = m_input.size() - m_position;
        m_position += std::min<std::size_t>(static_cast<std::size_t>(token.parameter), left);
    }
    return token;
}

} // namespace quendry
