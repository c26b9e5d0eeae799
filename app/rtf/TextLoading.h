#pragma once

#include "app/rtf/RtfReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace quendry {

// Replaces the document's content with plain text in which CR LF, LF or a lone CR ends a paragraph.
void loadPlainText(QTextDocument& document, QString text);

// Replaces the document's content with the bytes of a file: rich text when they begin "{\rtf",
// otherwise plain text in UTF-8, UTF-16 with a byte order mark, or Windows-1252 (PlainTextDecoder).
// Says what kept rich text from being read in full; plain text is always read in full.
RtfReader::Outcome loadRichOrPlainText(QTextDocument& document, const QByteArray& bytes);

} // namespace quendry
