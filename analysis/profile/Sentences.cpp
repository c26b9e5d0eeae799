#include "analysis/profile/Sentences.h"

#include "analysis/profile/Characters.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quendry {
namespace {

constexpr bool isLowercaseLetter(char c) { return c >= 'a' && c <= 'z'; }

// Neither a sentence mark nor a line break.
constexpr bool isPlain(char c) { return !isSentenceMark(c) && c != '\r' && c != '\n'; }

// Where the stretch of plain characters that starts at `from` ends. Marks and line breaks are rare
// in prose, so eight characters are tested at once.
const char* plainStretchEnd(const char* from, const char* end)
{
    // A false hit only ends the fast steps early.
    for (; end - from >= 8; from += 8) {
        const std::uint64_t word = eight::load(from);
        if (eight::mayHold(word, '.') | eight::mayHold(word, '!') | eight::mayHold(word, '?')
            | eight::mayHold(word, '\r') | eight::mayHold(word, '\n'))
            break;
    }
    while (from < end && isPlain(*from))
        ++from;
    return from;
}

// The text the sentences are cut from, built in one pass:
// - lines are joined with nothing between them, and a full stop ends the last sentence even when
//   the writer left it open;
// - an ellipsis that trails off into a lowercase word ("wait... and then") ends no sentence: it
//   is blanked out up to that word's first letter, which goes too;
// - "..." and "!!!" end a sentence once: runs of the same mark shrink to one (replacing pairs
//   until none is left gives the same, since a shrunk run never joins another run of the same
//   mark).
// The rules lower the text's letters first; the cutting below asks only whether a character is a
// letter, which lowering does not change, so the letters are copied as they are.
// Whether an ellipsis is blanked shows only at the next letter, so what was written since it
// began is then overwritten.
std::string sentenceText(std::string_view lines)
{
    std::string result(lines.size() + 1, '\0');
    char* const out = result.data();
    std::size_t length = 0;
    std::size_t added = 0;             // characters added so far
    char previous = '\0';              // the last character added, as blanked
    char previousAdded = '\0';         // the last character added, as it came
    std::size_t previousWrittenAt = 0; // where the last character added was (or would have been) written
    bool ellipsisOpen = false;         // a ".." came since the last letter
    std::size_t ellipsisStart = 0;     // the count of characters added before it
    std::size_t ellipsisWrittenAt = 0; // where its first full stop was written
    const auto add = [&](char c) {
        if (ellipsisOpen && isLetter(c)) {
            ellipsisOpen = false;
            if (isLowercaseLetter(c)) {
                std::fill(out + ellipsisWrittenAt, out + ellipsisWrittenAt + (added - ellipsisStart + 1), '_');
                length = ellipsisWrittenAt + (added - ellipsisStart + 1);
                previous = '_';
                previousAdded = c;
                ++added;
                return;
            }
        }
        if (c == '.' && previousAdded == '.' && !ellipsisOpen) {
            ellipsisOpen = true;
            ellipsisStart = added - 1;
            ellipsisWrittenAt = previousWrittenAt;
        }
        previousWrittenAt = length;
        out[length] = c;
        length += isSentenceMark(c) && c == previous ? 0 : 1;
        previous = c;
        previousAdded = c;
        ++added;
    };
    // Outside an open ellipsis, a character that is neither a mark nor a line break is simply
    // written: such stretches, nearly all of a text, are copied whole.
    const char* in = lines.data();
    const char* const end = in + lines.size();
    while (in < end) {
        if (!ellipsisOpen && isPlain(*in)) {
            const char* const stop = plainStretchEnd(in, end);
            const auto stretch = static_cast<std::size_t>(stop - in);
            std::memcpy(out + length, in, stretch);
            length += stretch;
            added += stretch;
            previous = previousAdded = stop[-1];
            previousWrittenAt = length - 1;
            in = stop;
            continue;
        }
        const char c = *in++;
        if (c != '\r' && c != '\n')
            add(c);
    }
    add('.');
    result.resize(length);
    return result;
}

} // namespace

std::int32_t countSentences(std::string_view input)
{
    const std::string cut = sentenceText(trimmed(input));
    const std::string_view text = trimmed(cut);

    // A mark ends a sentence when a word or a space follows it, but not a digit (3.50) and not
    // a letter that another full stop follows (e.g.). Each cut piece starts where the last ended.
    // (Any letter is a lowercase one once the text is lowered.)
    std::int32_t count = 0;
    std::size_t start = 0;
    for (std::size_t j = findSentenceMark(text, 0); j < text.size(); j = findSentenceMark(text, j + 1)) {
        bool ends = j + 1 == text.size();
        if (!ends) {
            const char next = text[j + 1];
            ends = (isLetter(next) || next == ' ') && (j + 2 >= text.size() || text[j + 2] != '.');
        }
        if (!ends)
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
