#pragma once

#include <QByteArrayView>
#include <QString>

namespace quendry {

// Turns the bytes of a plain text file into text, trying in this order: UTF-8 (with or without a
// byte order mark), UTF-16 with a byte order mark (either byte order), and Windows-1252, which
// takes any bytes. Line ends are left as they are.
class PlainTextDecoder {
public:
    enum class Encoding { Utf8, Utf16, Windows1252 };

    struct Decoded {
        QString text;
        Encoding encoding = Encoding::Utf8;
    };

    static Decoded decode(QByteArrayView bytes);

    // True for text that no one would call text: it holds a NUL character, or more than one
    // character in twenty is a control character other than tab, line feed, carriage return and
    // form feed. Binary files read as Windows-1252 or as UTF-16 look like this.
    static bool looksBinary(const QString& text);
};

} // namespace quendry
