#include "analysis/profile/Sentences.h"

#include "analysis/profile/Characters.h"

#include <algorithm>

namespace quendry {
namespace {

constexpr bool isSentenceMark(char c) { return c == '.' || c == '?' || c == '!'; }
constexpr bool isLowercaseLetter(char c) { return c >= 'a' && c <= 'z'; }

// Lines are joined with nothing between them, and a full stop ends the last sentence even when the
// writer left it open.
std::string joinedLines(std::string_view text)
{
    text = trimmed(text);
    std::string joined(text.size() + 1, '\0');
    std::size_t length = 0;
    for (const char c : text) {
        joined[length] = c;
        length += c != '\r' && c != '\n' ? 1 : 0;
    }
    joined[length++] = '.';
    joined.resize(length);
    return joined;
}

// An ellipsis that trails off into a lowercase word ("wait... and then") ends no sentence: it is
// blanked out up to that word's first letter, which goes too.
void blankContinuingEllipses(std::string& text)
{
    std::size_t j = text.find("..");
    while (j != std::string::npos) {
        const auto letter = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(j), text.end(), isLetter);
        if (letter == text.end())
            return;
        if (isLowercaseLetter(*letter))
            std::fill(text.begin() + static_cast<std::ptrdiff_t>(j), letter + 1, '_');
        j = text.find("..", static_cast<std::size_t>(letter - text.begin()) + 1);
    }
}

// "..." and "!!!" end a sentence once. Runs of the same mark shrink to one; replacing pairs until
// none is left gives the same, since a shrunk run never joins another run of the same mark. The
// result is in lower case.
std::string loweredWithRepeatedMarksSingled(std::string_view text)
{
    std::string result(text.size(), '\0');
    std::size_t length = 0;
    char previous = '\0';
    for (const char c : text) {
        result[length] = toLowerAscii(c);
        length += isSentenceMark(c) && c == previous ? 0 : 1;
        previous = c;
    }
    result.resize(length);
    return result;
}

} // namespace

std::int32_t countSentences(std::string_view input)
{
    std::string joined = joinedLines(input);
    blankContinuingEllipses(joined);
    const std::string lowered = loweredWithRepeatedMarksSingled(joined);
    const std::string_view text = trimmed(lowered);

    // A mark ends a sentence when a word or a space follows it, but not a digit (3.50) and not
    // a letter that another full stop follows (e.g.). Each cut piece starts where the last ended.
    std::int32_t count = 0;
    std::size_t start = 0;
    for (std::size_t j = 0; j < text.size(); ++j) {
        if (!isSentenceMark(text[j]))
            continue;
        bool cut = j + 1 == text.size();
        if (!cut) {
            const char next = text[j + 1];
            cut = (isLowercaseLetter(next) || next == ' ') && (j + 2 >= text.size() || text[j + 2] != '.');
        }
        if (!cut)
            continue;
        // A piece without a space is one word: an abbreviation, an initial or a one-word reply.
        const std::string_view sentence = trimmed(text.substr(start, j + 1 - start));
        if (sentence.find(' ') != std::string_view::npos)
            ++count;
        start = j + 1;
    }
    return count;
}

} // namespace quendry
