#pragma once

#include "richtext/RtfParser.h"

#include <QByteArrayView>

class QTextDocument;

namespace quendry {

// Reads rich text into a QTextDocument: RtfParser finds the text and its formatting, this class
// builds the document from them. See RtfParser for what is read and what is skipped; no input
// makes it crash, recurse without bound or hang.
class RtfReader {
public:
    static constexpr int maxGroupDepth = RtfParser::maxGroupDepth;
    static constexpr int minHalfPoints = RtfParser::minHalfPoints;
    static constexpr int maxHalfPoints = RtfParser::maxHalfPoints;

    using Outcome = RtfParser::Outcome;

    // True when the bytes begin the way a rich text file begins: "{\rtf".
    static bool isRtf(QByteArrayView data);

    // Replaces the document's content with what the bytes hold. Bytes before the first group and
    // after the end of the group it opens are ignored; groups left open at the end are closed.
    // Says what kept the document from being read in full.
    Outcome read(QByteArrayView data, QTextDocument& document);
};

} // namespace quendry
