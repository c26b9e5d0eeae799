#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quendry {

// The text of a pane or sample file without any library besides the standard one, so that the
// command-line tool reads sample files exactly as the desktop program shows them. Text is UTF-16
// with '\n' between paragraphs, the way a text document holds it.

// How the bytes of a plain text file were read.
enum class PlainTextEncoding { Utf8, Utf16, Windows1252 };

struct DecodedPlainText {
    std::u16string text;
    PlainTextEncoding encoding = PlainTextEncoding::Utf8;
};

// Plain text in strict UTF-8 (with or without a byte-order mark), else UTF-16 with a byte-order
// mark (either byte order), else Windows-1252, which takes any bytes. Line ends are left as they
// are. The window's panes and the command-line tool both read plain files through this.
DecodedPlainText decodePlainText(std::string_view bytes);

// The same text with every CR LF, LF or lone CR turned into the '\n' that ends a paragraph.
std::u16string plainFileText(std::string_view bytes);

// True for text that no one would call text: it holds a NUL character, or more than one character
// in twenty is a control character other than tab, line feed, carriage return and form feed.
bool looksBinary(std::u16string_view text);

// Rich text when the bytes begin "{\rtf" (read by RtfParser), plain text otherwise.
std::u16string richOrPlainFileText(std::string_view bytes);

// Text as the analysis reads it from a pane: every paragraph end, line break, CR LF, lone CR or LF
// becomes CR LF; other characters become Windows-1252, '?' standing for a character the code page
// cannot hold (a surrogate pair is one character); a byte-order mark at the very start is dropped.
std::string engineTextOf(std::u16string_view text);

// The text of a sample file as the analysis reads it once the file is put into a pane.
inline std::string fileEngineText(std::string_view bytes)
{
    return engineTextOf(richOrPlainFileText(bytes));
}

// Files larger than this are not put into a pane.
inline constexpr std::size_t maxPaneFileBytes = 10 * 1024 * 1024;

// The text of a sample file as the analysis reads it once the file is put into a pane, or why the
// window would not put it there: too large, or binary data. `problem` gets the reason.
std::optional<std::string> sampleEngineText(std::string_view bytes, std::string& problem);

} // namespace quendry
