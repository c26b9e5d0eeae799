#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quendry {

// Builds rich text bytes: control words, and text escaped for rich text in code page 1252. It puts
// the space that ends a control word in only where text would otherwise run into the word.
class RtfOutput {
public:
    void word(const char* name, std::optional<int> parameter = std::nullopt);
    // Bytes written as they are: braces, separators, line breaks.
    void raw(const char* bytes);
    // Text with \ { } escaped, tabs as \tab, line separators as \line, characters beyond ASCII as
    // \'hh or \uN?. Control characters and QTextDocument's structure marks are dropped. A font
    // name is text in which a semicolon, the end of a font table entry, is escaped too.
    void text(const QString& text);
    void fontName(const QString& name);

    QByteArray take();

private:
    void character(char16_t c, bool escapeSemicolon);

    QByteArray m_bytes;
    bool m_delimit = false; // the last thing written is a control word
};

} // namespace quendry
