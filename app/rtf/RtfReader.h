#pragma once

#include "app/rtf/RtfToken.h"

#include <QByteArrayView>
#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

class QTextDocument;

namespace quendry {

// Reads rich text into a QTextDocument: text, paragraphs, line breaks, tabs, the font table and the
// colour table, font family, size and colour, bold, italic, underline, strike-out and paragraph
// alignment. Text comes as Windows-1252 bytes, \'hh escapes and \uN escapes (with \ucN fallback
// skipping). Pictures, objects, style sheets, headers, footers, footnotes, document information,
// field instructions, \* destinations and unknown control words are skipped.
//
// The reader is iterative, keeps at most maxGroupDepth group states and does work in proportion to
// its input, so no input makes it crash, recurse without bound or hang. Font sizes are kept between
// 1 and 400 points, so that no file can make its text invisibly small or larger than the pane.
class RtfReader {
public:
    // Groups nested deeper than this keep their text, but their formatting is not read: the text
    // takes the formatting of the deepest group kept. Destinations that hold no text (font tables,
    // pictures, \* groups) are skipped at any depth.
    static constexpr int maxGroupDepth = 200;
    static constexpr int minHalfPoints = 2;
    static constexpr int maxHalfPoints = 800;

    // What kept the reader from reading a document in full. A document read in full has neither.
    struct Outcome {
        bool nestedTooDeep = false; // groups beyond maxGroupDepth: their formatting is lost
        bool truncated = false;     // the document ends inside a group: it was cut short
        bool complete() const { return !nestedTooDeep && !truncated; }
    };

    // True when the bytes begin the way a rich text file begins: "{\rtf".
    static bool isRtf(QByteArrayView data);

    // Replaces the document's content with what the bytes hold. Bytes before the first group and
    // after the end of the group it opens are ignored; groups left open at the end are closed.
    Outcome read(QByteArrayView data, QTextDocument& document);

private:
    enum class Destination { Body, FontTable, ColourTable, Skipped };

    struct CharacterState {
        int font = -1; // -1: the default font named by \deffN
        int halfPoints = 0; // 0: no size given, the text takes the pane's own size
        int colour = -1; // -1: the automatic colour
        int background = -1; // -1: no background colour
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        bool operator==(const CharacterState&) const = default;
    };

    struct GroupState {
        Destination destination = Destination::Body;
        CharacterState character;
        Qt::Alignment alignment;
        int fallbackLength = 1; // \ucN: characters that stand in for each \uN
    };

    void reset();
    void handle(const RtfToken& token);
    void openGroup();
    void closeGroup();
    void handleControlWord(std::string_view name, bool hasParameter, int parameter);
    void handleOverflowControlWord(std::string_view name, bool hasParameter, int parameter);
    void handleControlSymbol(char symbol);
    void handleText(std::string_view text);
    void handleCharacter(char16_t character);
    void addBodyCharacter(char16_t character);
    void endParagraph();
    void finish();
    void flushText();
    void finishFontEntry();
    void finishColourEntry();
    QTextCharFormat charFormat(const CharacterState& state) const;
    GroupState& state() { return m_groups.back(); }

    QTextCursor m_cursor;
    std::vector<GroupState> m_groups;
    int m_overflowDepth = 0;   // groups open beyond maxGroupDepth
    int m_overflowSkipFrom = 0; // the overflow depth of a destination being skipped there, or 0
    Outcome m_outcome;
    int m_fallbackToSkip = 0;  // characters still to skip after a \uN
    bool m_started = false;    // the outermost group has opened
    bool m_finished = false;   // the outermost group has closed

    int m_defaultFont = 0;
    std::map<int, QString> m_fonts;
    std::optional<int> m_fontNumber; // the font table entry being read
    QString m_fontName;

    std::vector<std::optional<QColor>> m_colours; // nothing: the automatic colour
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourGiven = false;

    QString m_text; // body text not yet in the document, all in m_textState
    CharacterState m_textState;
};

} // namespace quendry
