#include "richtext/RtfParser.h"

#include "richtext/RtfTokenizer.h"
#include "analysis/profile/Windows1252.h"

#include <algorithm>
#include <array>

namespace quendry {

namespace {

enum class Word {
    Skip, // a destination whose content is not part of the text
    FontTable,
    ColourTable,
    DefaultFont,
    Font,
    FontSize,
    Colour,
    Background,
    Red,
    Green,
    Blue,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    StrikeOut,
    Plain,
    ParagraphDefaults,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    Paragraph,
    Character, // a word that stands for one character
    Unicode,
    FallbackLength,
};

struct WordEntry {
    std::string_view name;
    Word word;
    char16_t character = 0;
};

// Sorted by name, for binary search.
constexpr std::array wordTable = std::to_array<WordEntry>({
    {"aftncn", Word::Skip},
    {"aftnsep", Word::Skip},
    {"aftnsepc", Word::Skip},
    {"annotation", Word::Skip},
    {"atnauthor", Word::Skip},
    {"atndate", Word::Skip},
    {"atnicn", Word::Skip},
    {"atnid", Word::Skip},
    {"atnref", Word::Skip},
    {"atntime", Word::Skip},
    {"atrfend", Word::Skip},
    {"atrfstart", Word::Skip},
    {"author", Word::Skip},
    {"b", Word::Bold},
    {"bkmkend", Word::Skip},
    {"bkmkstart", Word::Skip},
    {"blue", Word::Blue},
    {"bullet", Word::Character, 0x2022},
    {"buptim", Word::Skip},
    {"category", Word::Skip},
    {"cb", Word::Background},
    {"cell", Word::Character, u'\t'},
    {"cf", Word::Colour},
    {"colorschememapping", Word::Skip},
    {"colortbl", Word::ColourTable},
    {"comment", Word::Skip},
    {"company", Word::Skip},
    {"creatim", Word::Skip},
    {"datafield", Word::Skip},
    {"datastore", Word::Skip},
    {"deff", Word::DefaultFont},
    {"do", Word::Skip},
    {"doccomm", Word::Skip},
    {"docvar", Word::Skip},
    {"emdash", Word::Character, 0x2014},
    {"emspace", Word::Character, 0x2003},
    {"endash", Word::Character, 0x2013},
    {"enspace", Word::Character, 0x2002},
    {"f", Word::Font},
    {"falt", Word::Skip},
    {"filetbl", Word::Skip},
    {"fldinst", Word::Skip},
    {"fontemb", Word::Skip},
    {"fontfile", Word::Skip},
    {"fonttbl", Word::FontTable},
    {"footer", Word::Skip},
    {"footerf", Word::Skip},
    {"footerl", Word::Skip},
    {"footerr", Word::Skip},
    {"footnote", Word::Skip},
    {"fs", Word::FontSize},
    {"ftncn", Word::Skip},
    {"ftnsep", Word::Skip},
    {"ftnsepc", Word::Skip},
    {"generator", Word::Skip},
    {"green", Word::Green},
    {"header", Word::Skip},
    {"headerf", Word::Skip},
    {"headerl", Word::Skip},
    {"headerr", Word::Skip},
    {"highlight", Word::Background},
    {"i", Word::Italic},
    {"info", Word::Skip},
    {"keywords", Word::Skip},
    {"latentstyles", Word::Skip},
    {"ldblquote", Word::Character, 0x201C},
    {"line", Word::Character, 0x2028},
    {"listoverridetable", Word::Skip},
    {"listtable", Word::Skip},
    {"lquote", Word::Character, 0x2018},
    {"ltrmark", Word::Character, 0x200E},
    {"manager", Word::Skip},
    {"nestcell", Word::Character, u'\t'},
    {"nestrow", Word::Paragraph},
    {"nonshppict", Word::Skip},
    {"objdata", Word::Skip},
    {"object", Word::Skip},
    {"operator", Word::Skip},
    {"page", Word::Paragraph},
    {"panose", Word::Skip},
    {"par", Word::Paragraph},
    {"pard", Word::ParagraphDefaults},
    {"pgdsctbl", Word::Skip},
    {"pict", Word::Skip},
    {"plain", Word::Plain},
    {"pn", Word::Skip},
    {"printim", Word::Skip},
    {"private", Word::Skip},
    {"qc", Word::AlignCentre},
    {"qj", Word::AlignJustify},
    {"ql", Word::AlignLeft},
    {"qmspace", Word::Character, 0x2005},
    {"qr", Word::AlignRight},
    {"rdblquote", Word::Character, 0x201D},
    {"red", Word::Red},
    {"revtbl", Word::Skip},
    {"revtim", Word::Skip},
    {"row", Word::Paragraph},
    {"rquote", Word::Character, 0x2019},
    {"rsidtbl", Word::Skip},
    {"rtlmark", Word::Character, 0x200F},
    {"sect", Word::Paragraph},
    {"shpinst", Word::Skip},
    {"strike", Word::StrikeOut},
    {"stylesheet", Word::Skip},
    {"subject", Word::Skip},
    {"tab", Word::Character, u'\t'},
    {"tc", Word::Skip},
    {"template", Word::Skip},
    {"themedata", Word::Skip},
    {"title", Word::Skip},
    {"txe", Word::Skip},
    {"u", Word::Unicode},
    {"uc", Word::FallbackLength},
    {"ul", Word::Underline},
    {"uld", Word::Underline},
    {"uldash", Word::Underline},
    {"uldashd", Word::Underline},
    {"uldashdd", Word::Underline},
    {"uldb", Word::Underline},
    {"ulhair", Word::Underline},
    {"ulnone", Word::UnderlineNone},
    {"ulth", Word::Underline},
    {"ulw", Word::Underline},
    {"ulwave", Word::Underline},
    {"userprops", Word::Skip},
    {"xe", Word::Skip},
    {"xmlnstbl", Word::Skip},
    {"zwj", Word::Character, 0x200D},
    {"zwnj", Word::Character, 0x200C},
});

static_assert(std::is_sorted(wordTable.begin(), wordTable.end(),
                             [](const WordEntry& a, const WordEntry& b) { return a.name < b.name; }));

const WordEntry* findWord(std::string_view name)
{
    const auto found = std::lower_bound(wordTable.begin(), wordTable.end(), name,
                                        [](const WordEntry& entry, std::string_view key) { return entry.name < key; });
    if (found == wordTable.end() || found->name != name)
        return nullptr;
    return &*found;
}

char16_t windows1252Character(char byte)
{
    return static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte)));
}

// \b and \b1 switch a property on, \b0 switches it off.
bool switchedOn(bool hasParameter, int parameter) { return !hasParameter || parameter != 0; }

// White space as a text document sees it, for trimming font names.
bool isSpace(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string trimmed(std::u16string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return std::u16string(text);
}

} // namespace

bool RtfParser::isRtf(std::string_view data)
{
    return data.starts_with("{\\rtf");
}

RtfParser::Outcome RtfParser::parse(std::string_view data, RtfSink& sink)
{
    reset();
    m_sink = &sink;
    RtfTokenizer tokenizer(data);
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::Kind::End && !m_finished; token = tokenizer.next())
        handle(token);
    if (m_started && !m_finished) {
        m_outcome.truncated = true;
        finish();
    }
    const Outcome outcome = m_outcome;
    reset();
    m_sink = nullptr;
    return outcome;
}

void RtfParser::reset()
{
    m_groups.clear();
    m_overflowDepth = 0;
    m_overflowSkipFrom = 0;
    m_outcome = {};
    m_fallbackToSkip = 0;
    m_started = false;
    m_finished = false;
    m_defaultFont = 0;
    m_fonts.clear();
    m_fontNumber.reset();
    m_fontName.clear();
    m_colours.clear();
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
    m_text.clear();
    m_textState = {};
}

void RtfParser::handle(const RtfToken& token)
{
    using Kind = RtfToken::Kind;
    if (!m_started) {
        if (token.kind == Kind::GroupStart)
            openGroup();
        return;
    }
    if (token.kind == Kind::GroupStart) {
        openGroup();
        return;
    }
    if (token.kind == Kind::GroupEnd) {
        closeGroup();
        return;
    }
    if (m_overflowSkipFrom > 0)
        return;

    // After \uN, the next characters are the fallback for readers without Unicode: a control word,
    // a control symbol, an escape or one text byte each.
    std::string_view text = token.text;
    if (m_fallbackToSkip > 0) {
        if (token.kind != Kind::Text) {
            --m_fallbackToSkip;
            return;
        }
        const std::size_t skipped = std::min(text.size(), static_cast<std::size_t>(m_fallbackToSkip));
        text.remove_prefix(skipped);
        m_fallbackToSkip -= static_cast<int>(skipped);
    }

    switch (token.kind) {
    case Kind::ControlWord:
        if (m_overflowDepth > 0)
            handleOverflowControlWord(token.name, token.hasParameter, token.parameter);
        else
            handleControlWord(token.name, token.hasParameter, token.parameter);
        break;
    case Kind::ControlSymbol:
        if (m_overflowDepth > 0 && token.symbol == '*')
            m_overflowSkipFrom = m_overflowDepth;
        else
            handleControlSymbol(token.symbol);
        break;
    case Kind::HexByte:
        handleCharacter(windows1252Character(static_cast<char>(token.byte)));
        break;
    case Kind::Text:
        handleText(text);
        break;
    case Kind::End:
    case Kind::GroupStart:
    case Kind::GroupEnd:
        break;
    }
}

void RtfParser::openGroup()
{
    m_fallbackToSkip = 0;
    if (!m_started) {
        m_started = true;
        m_groups.emplace_back();
        return;
    }
    if (m_overflowDepth > 0 || m_groups.size() >= static_cast<std::size_t>(maxGroupDepth)) {
        ++m_overflowDepth;
        m_outcome.nestedTooDeep = true;
        return;
    }
    m_groups.push_back(m_groups.back());
}

void RtfParser::closeGroup()
{
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        if (m_overflowSkipFrom == m_overflowDepth)
            m_overflowSkipFrom = 0;
        --m_overflowDepth;
        return;
    }
    const Destination closing = state().destination;
    if (closing == Destination::FontTable)
        finishFontEntry();
    if (closing == Destination::ColourTable && m_colourGiven)
        finishColourEntry();
    if (m_groups.size() == 1) {
        finish();
        return;
    }
    m_groups.pop_back();
}

void RtfParser::handleControlWord(std::string_view name, bool hasParameter, int parameter)
{
    GroupState& group = state();
    if (group.destination == Destination::Skipped)
        return;
    const WordEntry* entry = findWord(name);
    if (!entry)
        return;
    CharacterState& character = group.character;
    switch (entry->word) {
    case Word::Skip:
        group.destination = Destination::Skipped;
        break;
    case Word::FontTable:
        group.destination = Destination::FontTable;
        m_fontNumber.reset();
        m_fontName.clear();
        break;
    case Word::ColourTable:
        group.destination = Destination::ColourTable;
        m_colours.clear();
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        break;
    case Word::DefaultFont:
        m_defaultFont = parameter;
        break;
    case Word::Font:
        if (group.destination == Destination::FontTable) {
            finishFontEntry();
            m_fontNumber = parameter;
        } else {
            character.font = parameter;
        }
        break;
    case Word::FontSize:
        character.halfPoints = parameter > 0 ? std::clamp(parameter, minHalfPoints, maxHalfPoints) : 0;
        break;
    case Word::Colour:
        character.colour = hasParameter ? parameter : -1;
        break;
    case Word::Background:
        // Colour 0 is the automatic colour, which for a background means none.
        character.background = hasParameter && parameter > 0 ? parameter : -1;
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue: {
        const int value = std::clamp(parameter, 0, 255);
        (entry->word == Word::Red ? m_red : entry->word == Word::Green ? m_green : m_blue) = value;
        m_colourGiven = true;
        break;
    }
    case Word::Bold:
        character.bold = switchedOn(hasParameter, parameter);
        break;
    case Word::Italic:
        character.italic = switchedOn(hasParameter, parameter);
        break;
    case Word::Underline:
        character.underline = switchedOn(hasParameter, parameter);
        break;
    case Word::UnderlineNone:
        character.underline = false;
        break;
    case Word::StrikeOut:
        character.strikeOut = switchedOn(hasParameter, parameter);
        break;
    case Word::Plain:
        character = {};
        break;
    case Word::ParagraphDefaults:
        group.alignment = RtfAlignment::Unset;
        break;
    case Word::AlignLeft:
        group.alignment = RtfAlignment::Left;
        break;
    case Word::AlignCentre:
        group.alignment = RtfAlignment::Centre;
        break;
    case Word::AlignRight:
        group.alignment = RtfAlignment::Right;
        break;
    case Word::AlignJustify:
        group.alignment = RtfAlignment::Justify;
        break;
    case Word::Paragraph:
        if (group.destination == Destination::Body)
            endParagraph();
        break;
    case Word::Character:
        handleCharacter(entry->character);
        break;
    case Word::Unicode:
        if (!hasParameter)
            break;
        if (parameter < 0)
            parameter += 0x10000;
        handleCharacter(parameter >= 0 && parameter <= 0xFFFF ? static_cast<char16_t>(parameter) : u'\uFFFD');
        m_fallbackToSkip = state().fallbackLength;
        break;
    case Word::FallbackLength:
        group.fallbackLength = std::max(parameter, 0);
        break;
    }
}

// Past the nesting limit there is no group state to change, so only what stands for text counts;
// a destination starts a stretch that is skipped until its group closes.
void RtfParser::handleOverflowControlWord(std::string_view name, bool hasParameter, int parameter)
{
    if (state().destination == Destination::Skipped)
        return;
    const WordEntry* entry = findWord(name);
    if (!entry)
        return;
    switch (entry->word) {
    case Word::Skip:
    case Word::FontTable:
    case Word::ColourTable:
        m_overflowSkipFrom = m_overflowDepth;
        break;
    case Word::Paragraph:
    case Word::Character:
    case Word::Unicode:
        handleControlWord(name, hasParameter, parameter);
        break;
    default:
        break;
    }
}

void RtfParser::handleControlSymbol(char symbol)
{
    switch (symbol) {
    case '*': // an optional destination: none is read here
        state().destination = Destination::Skipped;
        break;
    case '\\':
    case '{':
    case '}':
        handleCharacter(static_cast<char16_t>(symbol));
        break;
    case '~':
        handleCharacter(0x00A0);
        break;
    case '_':
        handleCharacter(0x2011);
        break;
    default: // \- (optional hyphen), \: and \| (index and formula marks) and unknown symbols
        break;
    }
}

void RtfParser::handleText(std::string_view text)
{
    switch (state().destination) {
    case Destination::Skipped:
        return;
    case Destination::ColourTable:
        for (const char byte : text) {
            if (byte == ';')
                finishColourEntry();
        }
        return;
    case Destination::FontTable:
        for (const char byte : text) {
            if (byte == ';')
                finishFontEntry();
            else
                handleCharacter(windows1252Character(byte));
        }
        return;
    case Destination::Body:
        for (const char byte : text)
            handleCharacter(windows1252Character(byte));
        return;
    }
}

void RtfParser::handleCharacter(char16_t character)
{
    if (character < 0x20 && character != u'\t')
        return;
    // Characters QTextDocument keeps for its own structure.
    if (character == 0xFDD0 || character == 0xFDD1 || character == 0xFFFC)
        return;
    if (character == 0x2029) {
        if (state().destination == Destination::Body)
            endParagraph();
        return;
    }
    switch (state().destination) {
    case Destination::Body:
        addBodyCharacter(character);
        break;
    case Destination::FontTable:
        if (m_fontNumber)
            m_fontName.push_back(character);
        break;
    case Destination::ColourTable:
    case Destination::Skipped:
        break;
    }
}

void RtfParser::addBodyCharacter(char16_t character)
{
    if (!m_text.empty() && m_textState != state().character)
        flushText();
    m_textState = state().character;
    m_text.push_back(character);
}

void RtfParser::endParagraph()
{
    flushText();
    m_sink->paragraphEnd(state().alignment, runStyle(state().character));
}

void RtfParser::finish()
{
    flushText();
    m_sink->documentEnd(state().alignment);
    m_finished = true;
}

void RtfParser::flushText()
{
    if (m_text.empty())
        return;
    m_sink->text(m_text, runStyle(m_textState));
    m_text.clear();
}

void RtfParser::finishFontEntry()
{
    if (m_fontNumber) {
        const std::u16string name = trimmed(m_fontName);
        if (!name.empty())
            m_fonts[*m_fontNumber] = name;
    }
    m_fontNumber.reset();
    m_fontName.clear();
}

void RtfParser::finishColourEntry()
{
    if (m_colourGiven)
        m_colours.emplace_back(RtfColour{static_cast<std::uint8_t>(m_red), static_cast<std::uint8_t>(m_green),
            static_cast<std::uint8_t>(m_blue)});
    else
        m_colours.emplace_back(std::nullopt);
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
}

std::optional<RtfColour> RtfParser::colour(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_colours.size())
        return std::nullopt;
    return m_colours[static_cast<std::size_t>(index)];
}

RtfRunStyle RtfParser::runStyle(const CharacterState& state) const
{
    RtfRunStyle style;
    const auto font = m_fonts.find(state.font < 0 ? m_defaultFont : state.font);
    if (font != m_fonts.end())
        style.fontFamily = font->second;
    style.halfPoints = state.halfPoints;
    style.colour = colour(state.colour);
    style.background = colour(state.background);
    style.bold = state.bold;
    style.italic = state.italic;
    style.underline = state.underline;
    style.strikeOut = state.strikeOut;
    return style;
}

} // namespace quendry
