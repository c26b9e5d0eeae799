#include "analysis/profile/Emoticons.h"

#include <array>
#include <vector>

namespace quendry {
namespace {

// The marks an emoticon word may follow, with no, one or two spaces between, in the order they
// are tried.
constexpr std::array<std::string_view, 9> markPrefixes{".", ". ", ".  ", "!", "! ", "!  ", "?", "? ", "?  "};

// Deletes the first occurrence of the pattern, all but its first `kept` characters, again and
// again until the text holds none; returns the number of deletions.
//
// A deletion can join the text around it into a new occurrence (":)" deleted from "::))" leaves
// ":)"), which the next search finds. Deleting at the first occurrence and searching again from the
// start would be quadratic on a long text, so the text is copied once instead and an occurrence
// is deleted as soon as the copy ends with it. The first occurrence is the one that ends first,
// the copy up to there holds none, and what a deletion leaves of it held none before, so this
// deletes the same occurrences in the same order.
std::int32_t deleteRepeatedly(std::string& text, std::string_view pattern, std::size_t kept)
{
    // An empty pattern (an empty list item) would match everywhere and delete nothing.
    if (pattern.size() <= kept || text.find(pattern) == std::string::npos)
        return 0;
    std::string result;
    result.reserve(text.size());
    std::int32_t count = 0;
    for (const char c : text) {
        result += c;
        if (c == pattern.back() && result.ends_with(pattern)) {
            result.resize(result.size() - pattern.size() + kept);
            ++count;
        }
    }
    text = std::move(result);
    return count;
}

constexpr bool isSentenceMark(char c) { return c == '.' || c == '!' || c == '?'; }

std::vector<std::size_t> markPositions(std::string_view text)
{
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isSentenceMark(text[i]))
            positions.push_back(i);
    }
    return positions;
}

// Whether one of the mark prefixes followed by the word occurs in the text: a mark, no, one or two
// spaces, then the word. Checking the marks alone is far cheaper than nine searches of the text.
bool followsAMark(std::string_view text, const std::vector<std::size_t>& marks, std::string_view word)
{
    for (const std::size_t mark : marks) {
        std::size_t at = mark + 1;
        for (int spaces = 0; spaces <= 2; ++spaces) {
            if (text.substr(at).starts_with(word))
                return true;
            if (at == text.size() || text[at] != ' ')
                break;
            ++at;
        }
    }
    return false;
}

} // namespace

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords)
{
    std::int32_t count = okCount;

    // The normaliser has already taken out and counted every "ok" that stands as a word; here it
    // would also be found inside words such as "book".
    for (const std::string& emoticon : emoticons) {
        if (emoticon != "ok")
            count += deleteRepeatedly(text, emoticon, 0);
    }

    // An emoticon word counts only straight after a sentence mark; the mark stays, so that the
    // sentence still ends there.
    std::vector<std::size_t> marks = markPositions(text);
    for (const std::string& word : emoticonWords) {
        // An empty word would match after every mark and delete nothing, for ever.
        if (word.empty() || !followsAMark(text, marks, word))
            continue;
        const std::int32_t before = count;
        for (const std::string_view prefix : markPrefixes) {
            std::string pattern(prefix);
            pattern += word;
            count += deleteRepeatedly(text, pattern, 1);
        }
        if (count != before)
            marks = markPositions(text);
    }
    return count;
}

} // namespace quendry
