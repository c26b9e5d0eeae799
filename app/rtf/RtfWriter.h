#pragma once

#include <QByteArray>

class QTextDocument;

namespace quendry {

// Writes a QTextDocument as ANSI rich text (code page 1252): a font table and a colour table for the
// fonts and colours the text uses, then one \par between paragraphs. Each run of text carries its
// font family, colour, background colour, bold, italic, underline and strike-out, and its size (to
// the half point, pixel sizes taken at 96 dots per inch) when it has a size of its own; text
// without one is written without \fs, so that it takes the size of the pane it is read into.
// Paragraphs carry their alignment. Characters of Windows-1252 beyond ASCII are written as \'hh,
// all others as \uN with a question mark for readers without Unicode. Reading the result with
// RtfReader gives back the same text and formatting.
class RtfWriter {
public:
    QByteArray write(const QTextDocument& document) const;
};

} // namespace quendry
