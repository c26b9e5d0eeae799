#include "analysis/profile/Sentences.h"

#include "analysis/profile/Characters.h"

#include <algorithm>

namespace quendry {
namespace {

constexpr bool isSentenceMark(char c) { return c == '.' || c == '?' || c == '!'; }
constexpr bool isLowercaseLetter(char c) { return c >= 'a' && c <= 'z'; }

// The text the sentences are cut from, built in one pass:
// - lines are joined with nothing between them, and a full stop ends the last sentence even when
//   the writer left it open;
// - an ellipsis that trails off into a lowercase word ("wait... and then") ends no sentence: it
//   is blanked out up to that word's first letter, which goes too;
// - "..." and "!!!" end a sentence once: runs of the same mark shrink to one (replacing pairs
//   until none is left gives the same, since a shrunk run never joins another run of the same
//   mark);
// - letters are lowered.
// Whether an ellipsis is blanked shows only at the next letter, so what was written since it
// began is then overwritten.
class SentenceText {
public:
    explicit SentenceText(std::size_t capacity)
        : m_text(capacity, '\0')
    {
    }

    void add(char c)
    {
        if (isLetter(c) && m_ellipsisOpen) {
            m_ellipsisOpen = false;
            if (isLowercaseLetter(c)) {
                m_length = m_ellipsisWrittenAt;
                for (std::size_t k = m_ellipsisStart; k <= m_added; ++k)
                    m_text[m_length++] = '_';
                m_previous = '_';
                m_previousAdded = c;
                ++m_added;
                return;
            }
        }
        if (!m_ellipsisOpen && c == '.' && m_previousAdded == '.') {
            m_ellipsisOpen = true;
            m_ellipsisStart = m_added - 1;
            m_ellipsisWrittenAt = m_previousWrittenAt;
        }
        m_previousWrittenAt = m_length;
        if (!(isSentenceMark(c) && c == m_previous))
            m_text[m_length++] = toLowerAscii(c);
        m_previous = c;
        m_previousAdded = c;
        ++m_added;
    }

    std::string_view text() const { return std::string_view(m_text).substr(0, m_length); }

private:
    std::string m_text;
    std::size_t m_length = 0;
    std::size_t m_added = 0;             // characters added so far
    char m_previous = '\0';              // the last character added, as blanked
    char m_previousAdded = '\0';         // the last character added, as it came
    std::size_t m_previousWrittenAt = 0; // where the last character added was (or would have been) written
    bool m_ellipsisOpen = false;         // a ".." came since the last letter
    std::size_t m_ellipsisStart = 0;     // the count of characters added before it
    std::size_t m_ellipsisWrittenAt = 0; // where its first full stop was written
};

} // namespace

std::int32_t countSentences(std::string_view input)
{
    const std::string_view lines = trimmed(input);
    SentenceText sentenceText(lines.size() + 1);
    for (const char c : lines)
        if (c != '\r' && c != '\n')
            sentenceText.add(c);
    sentenceText.add('.');
    const std::string_view text = trimmed(sentenceText.text());

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
