#include "app/rtf/RtfReader.h"

#include <QColor>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace quendry {
namespace {

std::string_view bytesOf(QByteArrayView data)
{
    return std::string_view(data.data(), static_cast<std::size_t>(data.size()));
}

QString qString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

Qt::Alignment qtAlignment(RtfAlignment alignment)
{
    switch (alignment) {
    case RtfAlignment::Left:
        return Qt::AlignLeft;
    case RtfAlignment::Centre:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    case RtfAlignment::Unset:
        break;
    }
    return {};
}

QTextCharFormat charFormat(const RtfRunStyle& style)
{
    QTextCharFormat format;
    if (!style.fontFamily.empty())
        format.setFontFamilies(QStringList{qString(style.fontFamily)});
    if (style.halfPoints > 0)
        format.setFontPointSize(style.halfPoints / 2.0);
    if (style.colour)
        format.setForeground(QColor(style.colour->red, style.colour->green, style.colour->blue));
    if (style.background)
        format.setBackground(QColor(style.background->red, style.background->green, style.background->blue));
    if (style.bold)
        format.setFontWeight(QFont::Bold);
    if (style.italic)
        format.setFontItalic(true);
    if (style.underline)
        format.setFontUnderline(true);
    if (style.strikeOut)
        format.setFontStrikeOut(true);
    return format;
}

// Builds the document through one cursor at its end.
class DocumentBuilder final : public RtfSink {
public:
    explicit DocumentBuilder(QTextDocument& document)
        : m_cursor(&document)
    {
    }

    void text(std::u16string_view text, const RtfRunStyle& style) override
    {
        m_cursor.insertText(qString(text), charFormat(style));
    }

    void paragraphEnd(RtfAlignment alignment, const RtfRunStyle& next) override
    {
        align(alignment);
        m_cursor.insertBlock(QTextBlockFormat(), charFormat(next));
    }

    void documentEnd(RtfAlignment alignment) override { align(alignment); }

    QTextCursor& cursor() { return m_cursor; }

private:
    void align(RtfAlignment alignment)
    {
        if (const Qt::Alignment qt = qtAlignment(alignment)) {
            QTextBlockFormat format = m_cursor.blockFormat();
            format.setAlignment(qt);
            m_cursor.setBlockFormat(format);
        }
    }

    QTextCursor m_cursor;
};

} // namespace

bool RtfReader::isRtf(QByteArrayView data)
{
    return RtfParser::isRtf(bytesOf(data));
}

RtfReader::Outcome RtfReader::read(QByteArrayView data, QTextDocument& document)
{
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Outcome outcome;
    {
        DocumentBuilder builder(document);
        builder.cursor().beginEditBlock();
        outcome = RtfParser().parse(bytesOf(data), builder);
        builder.cursor().endEditBlock();
    }
    document.setUndoRedoEnabled(undoRedo);
    return outcome;
}

} // namespace quendry
