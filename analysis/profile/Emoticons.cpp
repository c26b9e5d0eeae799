#include "analysis/profile/Emoticons.h"

#include "analysis/profile/Characters.h"
#include "analysis/profile/PatternMatcher.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace quendry {
namespace {

using CharacterUses = std::array<std::size_t, 256>;

// The marks an emoticon word may follow, with no, one or two spaces between, in the order they
// are tried.
constexpr std::array<std::string_view, 9> markPrefixes{".", ". ", ".  ", "!", "! ", "!  ", "?", "? ", "?  "};

// A pattern searched for by the character of it that the text holds least often: every place
// that character stands is a candidate, checked whole. Every pattern that occurs is searched for
// through the text, so the search must not cost more than that character's uses, whatever the text.
struct Needle {
    std::string_view pattern;
    std::size_t rarest = 0; // the offset of the character searched for

    Needle(std::string_view searched, const CharacterUses& uses)
        : pattern(searched)
    {
        for (std::size_t k = 1; k < pattern.size(); ++k)
            if (uses[code(pattern[k])] < uses[code(pattern[rarest])])
                rarest = k;
    }

    // The first occurrence at or after `from`, or npos.
    std::size_t findIn(std::string_view text, std::size_t from) const
    {
        const char c = pattern[rarest];
        for (std::size_t at = text.find(c, from + rarest); at != std::string_view::npos; at = text.find(c, at + 1)) {
            const std::size_t start = at - rarest;
            if (start + pattern.size() <= text.size() && text.compare(start, pattern.size(), pattern) == 0)
                return start;
        }
        return std::string_view::npos;
    }
};

// How often each character occurs. Four tables side by side, so that runs of one character do not
// wait on the same counter.
CharacterUses characterUses(std::string_view text)
{
    std::array<CharacterUses, 4> partial{};
    std::size_t i = 0;
    for (; i + 4 <= text.size(); i += 4)
        for (std::size_t lane = 0; lane < 4; ++lane)
            ++partial[lane][code(text[i + lane])];
    for (; i < text.size(); ++i)
        ++partial[0][code(text[i])];
    CharacterUses uses{};
    for (std::size_t c = 0; c < uses.size(); ++c)
        uses[c] = partial[0][c] + partial[1][c] + partial[2][c] + partial[3][c];
    return uses;
}

// The character uses of a text that the emoticon pass deletes from, counted when a pattern first
// occurs and kept up to date with every deletion.
class TextUses {
public:
    explicit TextUses(const std::string& text)
        : m_text(text)
    {
    }

    const CharacterUses& get()
    {
        if (!m_uses)
            m_uses = characterUses(m_text);
        return *m_uses;
    }

    void deleted(std::string_view characters, std::int32_t times)
    {
        if (!m_uses)
            return;
        for (const char c : characters)
            (*m_uses)[code(c)] -= static_cast<std::size_t>(times);
    }

private:
    const std::string& m_text;
    std::optional<CharacterUses> m_uses;
};

// Deletes the first occurrence of the pattern, all but its first `kept` characters, again and
// again until the text holds none; returns the number of deletions.
//
// A deletion can join the text around it into a new occurrence (":)" deleted from "::))" leaves
// ":)"), which the next search finds. Deleting at the first occurrence and searching again from
// the start would be quadratic on a long text, so the text is copied once instead and an
// occurrence is deleted as soon as the copy ends with it. The first occurrence is the one that
// ends first, the copy up to there holds none, and what a deletion leaves of it held none before,
// so this deletes the same occurrences in the same order. An occurrence that a deletion joins
// ends within the pattern's length after it, so only there is the copy checked character by
// character; beyond, the copy is the text unchanged, and the next occurrence is searched for in
// the text.
//
// Every occurrence in the text as it is given starts at `from` or later and ends at `until` or
// earlier; the search looks nowhere else.
std::int32_t deleteRepeatedly(std::string& text, const Needle& needle, std::size_t kept, std::vector<std::size_t>& joins,
    std::size_t from, std::size_t until)
{
    const std::string_view pattern = needle.pattern;
    // An empty pattern (an empty list item) would match everywhere and delete nothing.
    if (pattern.size() <= kept)
        return 0;
    const std::string_view searched = std::string_view(text).substr(0, std::min(until, text.size()));
    std::size_t found = needle.findIn(searched, from);
    if (found == std::string::npos)
        return 0;
    std::string result;
    result.reserve(text.size());
    std::int32_t count = 0;
    std::size_t read = 0;
    const auto deleteAtEnd = [&] {
        result.resize(result.size() - pattern.size() + kept);
        joins.push_back(result.size());
        ++count;
    };
    while (found != std::string::npos) {
        result.append(text, read, found + pattern.size() - read);
        read = found + pattern.size();
        deleteAtEnd();
        std::size_t checkUntil = std::min(text.size(), read + pattern.size() - 1);
        while (read < checkUntil) {
            result.push_back(text[read++]);
            if (result.back() == pattern.back() && result.ends_with(pattern)) {
                deleteAtEnd();
                checkUntil = std::min(text.size(), read + pattern.size() - 1);
            }
        }
        // The stretch just checked is the text unchanged since the last deletion, and any
        // occurrence starting in it ends after it.
        found = needle.findIn(searched, read - std::min(read, pattern.size() - 1));
    }
    result.append(text, read);
    text = std::move(result);
    return count;
}

// Where a pattern's occurrences may lie: none starts before firstStart less the characters deleted
// since, and none ends after lastEnd. Deleting only moves text to the left.
struct Extent {
    static constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t firstStart = none;
    std::size_t lastEnd = 0;

    bool occurs() const { return firstStart != none; }
    void add(std::size_t start, std::size_t end)
    {
        firstStart = std::min(firstStart, start);
        lastEnd = std::max(lastEnd, end);
    }
};

// Where each pattern occurs in the text. When no pattern starts with a letter or a digit, the
// places where one can start are rare, and a walk down the patterns' trie from each of them is
// cheaper than a pass of the automaton over the whole text.
std::vector<Extent> occurrences(const PatternMatcher& matcher, std::span<const std::string_view> patterns, std::string_view text)
{
    std::vector<Extent> extents(matcher.patternCount());
    std::array<bool, 256> startsAPattern{};
    bool rareStarts = true;
    for (const std::string_view pattern : patterns) {
        startsAPattern[code(pattern.front())] = true;
        rareStarts = rareStarts && !isLetter(pattern.front()) && !isDigit(pattern.front());
    }
    if (!rareStarts) {
        matcher.scan(text, [&](std::uint32_t id, std::size_t start) { extents[id].add(start, start + matcher.patternLength(id)); });
        return extents;
    }
    // With few such characters (the sentence marks before emoticon words), eight characters of
    // the text are tested for them at once.
    std::array<std::uint64_t, 4> starts{};
    std::size_t startCount = 0;
    for (std::size_t c = 0; c < startsAPattern.size(); ++c)
        if (startsAPattern[c] && startCount++ < starts.size())
            starts[startCount - 1] = eight::ones * c;
    for (std::size_t k = startCount; k < starts.size(); ++k)
        starts[k] = starts[0];
    const auto mayHoldAStart = [&starts](const char* at) {
        const std::uint64_t word = eight::load(at);
        return (eight::hasZeroByte(word ^ starts[0]) | eight::hasZeroByte(word ^ starts[1])
                   | eight::hasZeroByte(word ^ starts[2]) | eight::hasZeroByte(word ^ starts[3]))
            != 0;
    };
    const bool fewStarts = startCount <= starts.size();
    for (std::size_t i = 0; i < text.size();) {
        if (fewStarts && i + 8 <= text.size() && !mayHoldAStart(text.data() + i)) {
            i += 8;
            continue;
        }
        if (startsAPattern[code(text[i])])
            matcher.scanAt(text, i, [&](std::uint32_t id) { extents[id].add(i, i + matcher.patternLength(id)); });
        ++i;
    }
    return extents;
}

// Deletes every pattern in turn, as deleteRepeatedly does, keeping the first `kept` characters of
// each occurrence. Most patterns never occur: one pass tells which do, and where. A deletion may
// join the text into new occurrences, but only across the place where it joined, so only the
// stretches around those places are searched again.
std::int32_t deleteEach(std::string& text, const EmoticonPatterns::Set& set, std::size_t kept, TextUses& uses)
{
    if (!set.matcher)
        return 0;
    const std::span<const std::string_view> patterns = set.patterns;
    const PatternMatcher* matcher = &*set.matcher;
    std::vector<Extent> extents = occurrences(*matcher, patterns, text);
    std::size_t longest = 0;
    for (const std::string_view pattern : patterns)
        longest = std::max(longest, pattern.size());
    std::int32_t count = 0;
    std::size_t deleted = 0; // characters deleted so far
    std::vector<std::size_t> joins;
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        const Extent& extent = extents[matcher->idOf()[index]];
        if (!extent.occurs())
            continue;
        joins.clear();
        const std::size_t before = text.size();
        const std::int32_t deletions = deleteRepeatedly(text, Needle(patterns[index], uses.get()), kept, joins,
            extent.firstStart > deleted ? extent.firstStart - deleted : 0, extent.lastEnd);
        uses.deleted(std::string_view(patterns[index]).substr(std::min(kept, patterns[index].size())), deletions);
        count += deletions;
        deleted += before - text.size();
        for (const std::size_t join : joins) {
            // A later deletion of the same pass may have cut back past an earlier join; the text
            // there is covered by that later join.
            const std::size_t from = join >= longest ? join - longest + 1 : 0;
            if (from >= text.size())
                continue;
            const std::string_view around = std::string_view(text).substr(from, 2 * longest);
            matcher->scan(around, [&](std::uint32_t id, std::size_t start) {
                // Recorded as if no character had been deleted yet, like the first pass's places.
                extents[id].add(from + start + deleted, from + start + matcher->patternLength(id));
            });
        }
    }
    return count;
}

} // namespace

EmoticonPatterns::EmoticonPatterns(const StringList& emoticons, const StringList& emoticonWords)
{
    // The normaliser has already taken out and counted every "ok" that stands as a word; here it
    // would also be found inside words such as "book". An empty item would match everywhere.
    for (const std::string& emoticon : emoticons)
        if (emoticon != "ok" && !emoticon.empty())
            m_texts.push_back(emoticon);
    const std::size_t groupCount = m_texts.size();
    // An emoticon word counts only straight after a sentence mark; the mark stays, so that the
    // sentence still ends there.
    for (const std::string& word : emoticonWords) {
        if (word.empty())
            continue;
        for (const std::string_view prefix : markPrefixes)
            m_texts.push_back(std::string(prefix) + word);
    }
    m_views.assign(m_texts.begin(), m_texts.end());
    m_groups.patterns = std::span<const std::string_view>(m_views).first(groupCount);
    m_wordsAfterMarks.patterns = std::span<const std::string_view>(m_views).subspan(groupCount);
    for (Set* set : {&m_groups, &m_wordsAfterMarks})
        if (!set->patterns.empty())
            set->matcher.emplace(set->patterns);
}

EmoticonPatterns::EmoticonPatterns(const PatternSetTables& groups, const PatternSetTables& wordsAfterMarks)
{
    for (const auto& [set, tables] : {std::pair{&m_groups, &groups}, std::pair{&m_wordsAfterMarks, &wordsAfterMarks}}) {
        set->patterns = tables->patterns;
        if (!set->patterns.empty())
            set->matcher.emplace(tables->automaton);
    }
}

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const EmoticonPatterns& patterns)
{
    std::int32_t count = okCount;
    TextUses uses(text);
    count += deleteEach(text, patterns.groups(), 0, uses);
    count += deleteEach(text, patterns.wordsAfterMarks(), 1, uses);
    return count;
}

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords)
{
    return countEmoticons(text, okCount, EmoticonPatterns(emoticons, emoticonWords));
}

} // namespace quendry
