#include "app/rtf/RtfWriter.h"

#include "app/rtf/RtfOutput.h"
#include "app/rtf/RtfStyleTables.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <optional>
#include <vector>

namespace quendry {

namespace {

void writeRunFormat(RtfOutput& out, const RtfRunFormat& run)
{
    out.word("plain");
    out.word("f", run.font);
    if (run.halfPoints > 0)
        out.word("fs", run.halfPoints);
    if (run.colour > 0)
        out.word("cf", run.colour);
    if (run.background > 0)
        out.word("highlight", run.background);
    if (run.bold)
        out.word("b");
    if (run.italic)
        out.word("i");
    if (run.underline)
        out.word("ul");
    if (run.strikeOut)
        out.word("strike");
}

void writeAlignment(RtfOutput& out, Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal == Qt::AlignHCenter)
        out.word("qc");
    else if (horizontal == Qt::AlignRight)
        out.word("qr");
    else if (horizontal == Qt::AlignJustify)
        out.word("qj");
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument& document) const
{
    // The tables come before the text, so the text is gathered first.
    struct Piece {
        RtfRunFormat format;
        QString text;
    };
    struct Paragraph {
        Qt::Alignment alignment;
        std::vector<Piece> pieces;
    };
    RtfStyleTables tables(document.defaultFont());
    std::vector<Paragraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph& paragraph = paragraphs.emplace_back(Paragraph{block.blockFormat().alignment(), {}});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                paragraph.pieces.push_back({tables.runFormat(fragment.charFormat()), fragment.text()});
        }
    }

    RtfOutput out;
    out.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl");
    for (qsizetype i = 0; i < tables.fonts().size(); ++i) {
        out.raw("{");
        out.word("f", static_cast<int>(i));
        out.word("fnil");
        out.word("fcharset", 0);
        out.fontName(tables.fonts()[i]);
        out.raw(";}");
    }
    out.raw("}\n{\\colortbl ;");
    for (const QRgb rgb : tables.colours()) {
        out.word("red", qRed(rgb));
        out.word("green", qGreen(rgb));
        out.word("blue", qBlue(rgb));
        out.raw(";");
    }
    out.raw("}\n");

    std::optional<RtfRunFormat> current;
    bool first = true;
    for (const Paragraph& paragraph : paragraphs) {
        if (!first)
            out.raw("\\par\n");
        first = false;
        out.word("pard");
        writeAlignment(out, paragraph.alignment);
        for (const Piece& piece : paragraph.pieces) {
            if (piece.format != current) {
                writeRunFormat(out, piece.format);
                current = piece.format;
            }
            out.text(piece.text);
        }
    }
    out.raw("}\n");
    return out.take();
}

} // namespace quendry
