#include "app/rtf/RtfStyleTables.h"

#include <QBrush>
#include <QColor>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace quendry {

namespace {

// From 1 to 400 points: the sizes text in a pane can sensibly have.
constexpr double minHalfPoints = 2;
constexpr double maxHalfPoints = 800;
// Pixel sizes are taken at the 96 dots per inch the panes are designed for.
constexpr double halfPointsPerPixel = 1.5;

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
    // Text without a size of its own is written without one, so that it comes back in the size of
    // the pane it is read into, as it was shown.
    double halfPoints = 0;
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        halfPoints = format.fontPointSize() * 2;
    else if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
        halfPoints = format.intProperty(QTextFormat::FontPixelSize) * halfPointsPerPixel;
    if (halfPoints > 0)
        run.halfPoints = static_cast<int>(std::lround(std::clamp(halfPoints, minHalfPoints, maxHalfPoints)));
    if (format.foreground().style() != Qt::NoBrush)
        run.colour = colourIndex(format.foreground().color().rgb() & RGB_MASK);
    if (format.background().style() != Qt::NoBrush)
        run.background = colourIndex(format.background().color().rgb() & RGB_MASK);
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
