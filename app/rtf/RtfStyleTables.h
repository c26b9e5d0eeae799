#pragma once

#include "app/rtf/RtfRunFormat.h"

#include <QFont>
#include <QHash>
#include <QRgb>
#include <QStringList>

#include <vector>

class QTextCharFormat;

namespace quendry {

// The font table and colour table of a document being written: each font family and colour gets a
// number in order of first use. Font 0 is the document's default font; colour 0 is the automatic
// colour, so the colours proper are numbered from 1.
class RtfStyleTables {
public:
    explicit RtfStyleTables(const QFont& defaultFont);

    // The run format for a character format, its unset properties taken from the default font.
    RtfRunFormat runFormat(const QTextCharFormat& format);

    const QStringList& fonts() const { return m_fonts; }
    // Entries 1 on of the colour table.
    const std::vector<QRgb>& colours() const { return m_colours; }

private:
    int fontIndex(const QString& family);
    int colourIndex(QRgb rgb);

    QFont m_defaultFont;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QRgb> m_colours;
    QHash<QRgb, int> m_colourIndex;
};

} // namespace quendry
