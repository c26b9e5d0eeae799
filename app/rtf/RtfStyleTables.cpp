#include "app/rtf/RtfStyleTables.h"

#include <QBrush>
#include <QColor>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace quendry {

namespace {

// 1638 points is the largest size word processors offer.
constexpr int minHalfPoints = 1;
constexpr int maxHalfPoints = 3276;

} // namespace

RtfStyleTables::RtfStyleTables(const QFont& defaultFont)
    : m_defaultFont(defaultFont)
{
    fontIndex(m_defaultFont.family());
}

RtfRunFormat RtfStyleTables::runFormat(const QTextCharFormat& format)
{
    const QFont font = format.font().resolve(m_defaultFont);
    RtfRunFormat run;
    run.font = fontIndex(font.family());
    // Fonts sized in pixels have no point size; they get the rich text default.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : RtfRunFormat::defaultHalfPoints / 2.0;
    run.halfPoints = static_cast<int>(std::lround(std::clamp(points * 2, double{minHalfPoints}, double{maxHalfPoints})));
    if (format.foreground().style() != Qt::NoBrush)
        run.colour = colourIndex(format.foreground().color().rgb() & RGB_MASK);
    run.bold = font.weight() >= QFont::DemiBold;
    run.italic = font.italic();
    run.underline = font.underline();
    run.strikeOut = font.strikeOut();
    return run;
}

int RtfStyleTables::fontIndex(const QString& family)
{
    const auto found = m_fontIndex.constFind(family);
    if (found != m_fontIndex.constEnd())
        return *found;
    m_fonts.append(family);
    const int index = static_cast<int>(m_fonts.size() - 1);
    m_fontIndex.insert(family, index);
    return index;
}

int RtfStyleTables::colourIndex(QRgb rgb)
{
    const auto found = m_colourIndex.constFind(rgb);
    if (found != m_colourIndex.constEnd())
        return *found;
    m_colours.push_back(rgb);
    const int index = static_cast<int>(m_colours.size());
    m_colourIndex.insert(rgb, index);
    return index;
}

} // namespace quendry
