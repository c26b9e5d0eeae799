#pragma once

#include "richtext/RtfToken.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

enum class RtfAlignment { Unset, Left, Centre, Right, Justify };

struct RtfColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The character formatting of a run of body text, with the font and colour tables resolved.
struct RtfRunStyle {
    std::u16string_view fontFamily; // empty when the font table does not name the font
    int halfPoints = 0;              // 0: no size given
    std::optional<RtfColour> colour; // nothing: the automatic colour
    std::optional<RtfColour> background; // nothing: no background colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// What the parser finds in the body of a document, in order. Text never holds a paragraph end,
// a CR or an LF; a line break inside a paragraph comes as U+2028.
class RtfSink {
public:
    virtual ~RtfSink() = default;
    // A run of text in one style.
    virtual void text(std::u16string_view text, const RtfRunStyle& style) = 0;
    // The paragraph ends with the alignment given for it; the next one starts in the style `next`.
    virtual void paragraphEnd(RtfAlignment alignment, const RtfRunStyle& next) = 0;
    // The document ends; the last paragraph has the alignment given. Comes at most once.
    virtual void documentEnd(RtfAlignment alignment) = 0;
};

// Parses rich text without any library besides the standard one, so that the desktop program
// (which builds a text document from it) and the command-line tool (which only wants the text)
// read sample files the same way. Reads text, paragraphs, line breaks, tabs, the font table and
// the colour table, font family, size and colour, bold, italic, underline, strike-out and
// paragraph alignment. Text comes as Windows-1252 bytes, \'hh escapes and \uN escapes (with \ucN
// fallback skipping). Pictures, objects, style sheets, headers, footers, footnotes, document
// information, field instructions, \* destinations and unknown control words are skipped.
//
// The parser is iterative, keeps at most maxGroupDepth group states and does work in proportion to
// its input, so no input makes it crash, recurse without bound or hang. Font sizes are kept between
// 1 and 400 points, so that no file can make its text invisibly small or larger than the pane.
class RtfParser {
public:
    // Groups nested deeper than this keep their text, but their formatting is not read: the text
    // takes the formatting of the deepest group kept. Destinations that hold no text (font tables,
    // pictures, \* groups) are skipped at any depth.
    static constexpr int maxGroupDepth = 200;
    static constexpr int minHalfPoints = 2;
    static constexpr int maxHalfPoints = 800;

    // What kept the parser from reading a document in full. A document read in full has neither.
    struct Outcome {
        bool nestedTooDeep = false; // groups beyond maxGroupDepth: their formatting is lost
        bool truncated = false;     // the document ends inside a group: it was cut short
        bool complete() const { return !nestedTooDeep && !truncated; }
    };

    // True when the bytes begin the way a rich text file begins: "{\rtf".
    static bool isRtf(std::string_view data);

    // Hands the document's body to the sink. Bytes before the first group and after the end of the
    // group it opens are ignored; groups left open at the end are closed.
    Outcome parse(std::string_view data, RtfSink& sink);

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
        RtfAlignment alignment = RtfAlignment::Unset;
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
    std::optional<RtfColour> colour(int index) const;
    RtfRunStyle runStyle(const CharacterState& state) const;
    GroupState& state() { return m_groups.back(); }

    RtfSink* m_sink = nullptr;
    std::vector<GroupState> m_groups;
    int m_overflowDepth = 0;   // groups open beyond maxGroupDepth
    int m_overflowSkipFrom = 0; // the overflow depth of a destination being skipped there, or 0
    Outcome m_outcome;
    int m_fallbackToSkip = 0;  // characters still to skip after a \uN
    bool m_started = false;    // the outermost group has opened
    bool m_finished = false;   // the outermost group has closed

    int m_defaultFont = 0;
    std::map<int, std::u16string> m_fonts;
    std::optional<int> m_fontNumber; // the font table entry being read
    std::u16string m_fontName;

    std::vector<std::optional<RtfColour>> m_colours; // nothing: the automatic colour
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourGiven = false;

    std::u16string m_text; // body text not yet handed to the sink, all in m_textState
    CharacterState m_textState;
};

} // namespace quendry
