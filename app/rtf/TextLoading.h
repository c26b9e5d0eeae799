#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QTextDocument;

namespace quendry {

// Replaces the document's content with plain text: Windows-1252 bytes in which CR LF, LF or a lone
// CR ends a paragraph.
void loadPlainText(QTextDocument& document, QByteArrayView bytes);

// Replaces the document's content with the bytes of a file: rich text when they begin "{\rtf",
// plain text otherwise.
void loadRichOrPlainText(QTextDocument& document, const QByteArray& bytes);

} // namespace quendry
