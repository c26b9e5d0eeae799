#pragma once

#include "richtext/FileText.h"

#include <QByteArrayView>
#include <QString>

namespace quendry {

// The panes' view of decodePlainText (richtext/FileText.h), which the command-line tool reads
// sample files with too: UTF-8 (with or without a byte order mark), UTF-16 with a byte order mark
// (either byte order), and Windows-1252, which takes any bytes, tried in that order. Line ends
// are left as they are.
class PlainTextDecoder {
public:
    using Encoding = PlainTextEncoding;

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
