#include "tests/app/rtf/DocumentDescription.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace quendry::test {

namespace {

std::string utf8(const QString& text)
{
    QString shown = text;
    shown.replace(QChar(0x2028), QStringLiteral("<line>"));
    return shown.toStdString();
}

std::string points(double size)
{
    return QString::number(size).toStdString();
}

std::string colourName(const QColor& colour)
{
    return colour.name().toStdString();
}

std::string explicitProperties(const QTextCharFormat& format)
{
    std::string properties;
    auto add = [&](const std::string& property) {
        if (!properties.empty())
            properties += ' ';
        properties += property;
    };
    if (format.hasProperty(QTextFormat::FontFamilies))
        add(format.fontFamilies().toStringList().join(',').toStdString());
    if (format.hasProperty(QTextFormat::FontPointSize))
        add(points(format.fontPointSize()));
    if (format.fontWeight() >= QFont::DemiBold)
        add("b");
    if (format.fontItalic())
        add("i");
    if (format.fontUnderline())
        add("u");
    if (format.fontStrikeOut())
        add("s");
    if (format.foreground().style() != Qt::NoBrush)
        add(colourName(format.foreground().color()));
    if (format.background().style() != Qt::NoBrush)
        add("bg" + colourName(format.background().color()));
    return properties;
}

std::string resolvedProperties(const QTextCharFormat& format, const QFont& defaultFont)
{
    const QFont font = format.font().resolve(defaultFont);
    std::string properties = font.family().toStdString() + ' '
        + (font.pointSizeF() > 0 ? points(font.pointSizeF()) : std::to_string(font.pixelSize()) + "px");
    if (font.weight() >= QFont::DemiBold)
        properties += " b";
    if (font.italic())
        properties += " i";
    if (font.underline())
        properties += " u";
    if (font.strikeOut())
        properties += " s";
    properties += ' ';
    properties += format.foreground().style() != Qt::NoBrush ? colourName(format.foreground().color()) : "auto";
    if (format.background().style() != Qt::NoBrush)
        properties += " bg" + colourName(format.background().color());
    return properties;
}

std::string alignmentMark(Qt::Alignment alignment)
{
    switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        return "<centre>";
    case Qt::AlignRight:
        return "<right>";
    case Qt::AlignJustify:
        return "<justify>";
    default:
        return "";
    }
}

template <typename Properties>
std::string describeWith(const QTextDocument& document, Properties properties)
{
    std::string description;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            description += " | ";
        description += alignmentMark(block.blockFormat().alignment());
        std::string last;
        bool first = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const std::string current = properties(fragment.charFormat());
            if (first || current != last)
                description += '[' + current + ']';
            description += utf8(fragment.text());
            last = current;
            first = false;
        }
    }
    return description;
}

} // namespace

std::string paragraphText(const QTextDocument& document)
{
    std::string text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += '\n';
        text += utf8(block.text());
    }
    return text;
}

std::string describe(const QTextDocument& document)
{
    return describeWith(document, explicitProperties);
}

std::string describeResolved(const QTextDocument& document)
{
    const QFont defaultFont = document.defaultFont();
    return describeWith(document, [&](const QTextCharFormat& format) { return resolvedProperties(format, defaultFont); });
}

} // namespace quendry::test
