#include "analysis/features/Phrases.h"

#include "analysis/profile/PatternMatcher.h"
#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace quendry {
namespace {

// One left-to-right pass that turns each pair of adjacent spaces into one space, pairs not
// overlapping: a run of n spaces becomes ceil(n / 2) spaces. Returns whether anything changed.
bool halveSpaceRuns(std::string& text)
{
    std::size_t read = 0;
    while (read + 1 < text.size() && !(text[read] == ' ' && text[read + 1] == ' '))
        ++read;
    if (read + 1 >= text.size())
        return false;
    std::size_t write = read;
    while (read < text.size()) {
        text[write++] = text[read];
        read += text[read] == ' ' && read + 1 < text.size() && text[read + 1] == ' ' ? 2 : 1;
    }
    text.resize(write);
    return true;
}

void lineBreaksToSpaces(std::string& text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
}

std::string preparedPhraseText(std::string_view text)
{
    std::string prepared(text);
    lineBreaksToSpaces(prepared);
    halveSpaceRuns(prepared);
    return toUpperAscii(trimmed(prepared));
}

std::string preparedPhraseEntry(std::string_view entry)
{
    std::string prepared(trimmed(toUpperAscii(entry)));
    lineBreaksToSpaces(prepared);
    halveSpaceRuns(prepared);
    return prepared;
}

// Where the next space at or after a place is, for places that never move back: each
// character is looked at once, however many places are asked about.
class NextSpace {
public:
    explicit NextSpace(std::string_view text)
        : m_text(text)
    {
    }

    std::size_t from(std::size_t place)
    {
        if (!m_known || (m_next != std::string_view::npos && m_next < place)) {
            m_next = m_text.find(' ', place);
            m_known = true;
        }
        return m_next;
    }

private:
    std::string_view m_text;
    std::size_t m_next = 0;
    bool m_known = false;
};

// What one phrase's search finds in one version of the text. A phrase is found where it stands
// between spaces or text edges. An occurrence glued to other characters is rejected, and the
// search goes on after the end of the word that occurrence ends in, so an occurrence starting
// inside the skipped stretch is not examined.
struct PhraseSearch {
    bool found = false;
    std::int64_t rejections = 0; // occurrences glued to other characters before the search ended
    std::size_t resumeAt = 0;    // occurrences starting before this were skipped
    bool ended = false;

    // The search meets the next occurrence, in order of their ends.
    void meet(std::string_view text, std::size_t start, std::size_t end, NextSpace& nextSpace)
    {
        if (ended || start < resumeAt)
            return;
        const bool startsWord = start == 0 || text[start - 1] == ' ';
        const bool endsWord = end == text.size() || text[end] == ' ';
        if (startsWord && endsWord) {
            found = true;
            ended = true;
            return;
        }
        ++rejections;
        resumeAt = nextSpace.from(end);
        ended = resumeAt == std::string_view::npos;
    }
};

// Searches every phrase in one version of the text at once.
std::vector<PhraseSearch> searchPhrases(const std::string& text, const PatternMatcher& matcher)
{
    std::vector<PhraseSearch> searches(matcher.patternCount());
    NextSpace nextSpace(text);
    matcher.scan(text, [&](std::uint32_t id, std::size_t start) {
        searches[id].meet(text, start, start + matcher.patternLength(id), nextSpace);
    });
    return searches;
}

// The prepared text with every run of spaces made one space. A run of n spaces takes
// ceil(log2(n)) halvings to become one space; the runs that need any are listed in order.
struct CollapsedText {
    struct Run {
        std::size_t position; // of its one space in `text`
        std::int32_t halvings;
    };
    std::string text;
    std::vector<Run> runs;
    std::int32_t mostHalvings = 0; // the halvings after which no pair of spaces is left
};

std::int32_t halvingsToOneSpace(std::size_t runLength)
{
    std::int32_t halvings = 0;
    for (std::size_t length = 1; length < runLength; length *= 2)
        ++halvings;
    return halvings;
}

// Eight bytes at once: the high bit of each byte that equals `byte` (exactly, unlike
// eight::mayHold, which may also flag a byte above an equal one).
using eight::highs;
using eight::ones;
constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7Full;

std::uint64_t bytesEqualTo(std::uint64_t word, char byte)
{
    const std::uint64_t x = word ^ (ones * static_cast<unsigned char>(byte));
    return ~(((x & lows) + lows) | x | lows);
}

// The text upper-cased, with line breaks made spaces, into `out`; eight characters at a time.
void upperWithSpaces(std::string_view text, char* out)
{
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= text.size(); i += 8) {
            std::uint64_t word = eight::load(text.data() + i);
            // A byte below 128 is a small letter when it is at least 'a' and not above 'z'.
            const std::uint64_t seven = word & lows;
            const std::uint64_t small = ((seven + ones * (0x80 - 'a')) & ~(seven + ones * (0x80 - 'z' - 1)) & ~word) & highs;
            word ^= small >> 2; // 0x80 >> 2 is the case bit
            const std::uint64_t breaks = (bytesEqualTo(word, '\r') | bytesEqualTo(word, '\n')) >> 7;
            word = (word & ~(breaks * 0xFF)) | (breaks * ' ');
            std::memcpy(out + i, &word, 8);
        }
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        out[i] = c == '\r' || c == '\n' ? ' ' : toUpperAscii(c);
    }
}

// The place of the next two spaces in a row at or after `from`, or `size`.
std::size_t nextSpacePair(const char* text, std::size_t from, std::size_t size)
{
    if constexpr (std::endian::native == std::endian::little) {
        for (; from + 9 <= size; from += 8) {
            const std::uint64_t here = eight::load(text + from);
            const std::uint64_t next = eight::load(text + from + 1);
            if (const std::uint64_t pairs = bytesEqualTo(here, ' ') & bytesEqualTo(next, ' '))
                return from + static_cast<std::size_t>(std::countr_zero(pairs)) / 8;
        }
    }
    for (; from + 1 < size; ++from)
        if (text[from] == ' ' && text[from + 1] == ' ')
            return from;
    return size;
}

// The collapsed form of the text as preparedPhraseText gives it: line breaks are spaces, a run of
// n spaces is ceil(n/2) spaces once halved, trimming only takes off characters up to code 32 at
// the ends, and letters are upper-cased one by one. The text is first upper-cased whole; then
// each run of two or more spaces, found eight characters at a time, becomes one space, the
// stretches between runs moving to the left. The trimmed text starts and ends with other
// characters, so every run ends inside it.
CollapsedText collapsedPhraseText(std::string_view text)
{
    text = trimmed(text);
    CollapsedText collapsed;
    collapsed.text.resize(text.size());
    char* const out = collapsed.text.data();
    const std::size_t size = text.size();
    upperWithSpaces(text, out);
    std::size_t length = 0;
    for (std::size_t read = 0; read < size;) {
        const std::size_t run = nextSpacePair(out, read, size);
        std::memmove(out + length, out + read, run - read);
        length += run - read;
        if (run == size)
            break;
        std::size_t runEnd = run + 2;
        while (runEnd < size && out[runEnd] == ' ')
            ++runEnd;
        const std::size_t halved = (runEnd - run + 1) / 2;
        if (halved > 1) {
            const std::int32_t halvings = halvingsToOneSpace(halved);
            collapsed.runs.push_back({length, halvings});
            collapsed.mostHalvings = std::max(collapsed.mostHalvings, halvings);
        }
        out[length++] = ' ';
        read = runEnd;
    }
    collapsed.text.resize(length);
    return collapsed;
}

// The count for entries without pairs of spaces, from one scan of the text with its space runs
// collapsed. Such an entry can only occur where each space inside it is one space, so each text
// version holds exactly the collapsed text's occurrences whose inner runs that version has
// already halved to one space; and where an occurrence stands between spaces, and where the next
// space after it is, is the same in every version. One scan therefore runs the search of every
// phrase in every version side by side, and the entries then take their version's results.
std::int32_t countInCollapsedText(std::string_view phraseText, std::span<const std::string_view> entries, const PatternMatcher& matcher)
{
    const CollapsedText collapsed = collapsedPhraseText(phraseText);
    const std::string& text = collapsed.text;
    const auto versions = static_cast<std::size_t>(collapsed.mostHalvings) + 1;
    const std::size_t patterns = matcher.patternCount();
    std::vector<PhraseSearch> searches(versions * patterns); // version by version
    std::size_t runsBefore = 0; // the runs before the end of the current occurrence
    NextSpace nextSpace(text);
    matcher.scan(text, [&](std::uint32_t id, std::size_t start) {
        const std::size_t end = start + matcher.patternLength(id);
        while (runsBefore < collapsed.runs.size() && collapsed.runs[runsBefore].position < end)
            ++runsBefore;
        std::int32_t firstVersion = 0;
        for (std::size_t r = runsBefore; r > 0 && collapsed.runs[r - 1].position > start; --r)
            firstVersion = std::max(firstVersion, collapsed.runs[r - 1].halvings);
        for (std::size_t version = static_cast<std::size_t>(firstVersion); version < versions; ++version)
            searches[version * patterns + id].meet(text, start, end, nextSpace);
    });

    // Each entry sees the version left by the rejections of the entries before it.
    std::int32_t count = 0;
    std::int64_t halvings = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const PhraseSearch& search = searches[static_cast<std::size_t>(halvings) * patterns + matcher.idOf()[e]];
        if (search.found)
            ++count;
        halvings = std::min<std::int64_t>(halvings + search.rejections, collapsed.mostHalvings);
    }
    return count;
}

} // namespace

PhrasePatterns::PhrasePatterns(const StringList& phrases)
{
    // An empty entry stands for no phrase; it would otherwise be found everywhere.
    for (const std::string& phrase : phrases) {
        std::string entry = preparedPhraseEntry(phrase);
        if (entry.empty())
            continue;
        m_entryTexts.push_back(std::move(entry));
    }
    m_entryViews.assign(m_entryTexts.begin(), m_entryTexts.end());
    m_entries = m_entryViews;
    if (!m_entries.empty())
        m_matcher.emplace(m_entries);
    m_entriesHaveSpacePairs = std::any_of(m_entries.begin(), m_entries.end(),
        [](std::string_view entry) { return entry.find("  ") != std::string_view::npos; });
}

PhrasePatterns::PhrasePatterns(const PatternSetTables& entries, bool entriesHaveSpacePairs)
    : m_entries(entries.patterns)
    , m_entriesHaveSpacePairs(entriesHaveSpacePairs)
{
    if (!m_entries.empty())
        m_matcher.emplace(entries.automaton);
}

std::int32_t countPhrases(std::string_view text, const StringList& phrases)
{
    return countPhrases(text, PhrasePatterns(phrases));
}

std::int32_t countPhrases(std::string_view text, const PhrasePatterns& phrases)
{
    if (!phrases.matcher())
        return 0;
    const std::span<const std::string_view> entries = phrases.entries();
    const PatternMatcher& matcher = *phrases.matcher();

    // Every rejected occurrence halves the text's space runs once more. Each entry searches the
    // text as it was when the entry began; the entries after it see the reduced text, so a phrase
    // written with three or four spaces inside can match later.
    if (!phrases.entriesHaveSpacePairs())
        return countInCollapsedText(text, entries, matcher);
    std::string prepared = preparedPhraseText(text);

    // An entry with a pair of spaces inside can only occur in some versions of the text, not in
    // the collapsed one: the versions are searched one after the other. Once no pair of spaces
    // is left, halving changes nothing, so they are few.
    bool mayHaveSpaceRuns = true;
    std::int64_t halvings = 0; // applied to `prepared` so far
    std::int64_t rejections = 0;
    std::vector<PhraseSearch> searches = searchPhrases(prepared, matcher);
    std::int32_t count = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        bool changed = false;
        for (; mayHaveSpaceRuns && halvings < rejections; ++halvings) {
            mayHaveSpaceRuns = halveSpaceRuns(prepared);
            changed = changed || mayHaveSpaceRuns;
        }
        if (changed)
            searches = searchPhrases(prepared, matcher);
        const PhraseSearch& search = searches[matcher.idOf()[e]];
        if (search.found)
            ++count;
        rejections += search.rejections;
    }
    return count;
}

// Every list below holds each item once, so an item of the first list equals at most one item of
// the second: looking the first list's items up in a set of the second's visits every equal pair.

StringList findSharedUnknownWords(const StringList& firstUnknownWords, const StringList& secondUnknownWords)
{
    const std::unordered_set<std::string_view> second(secondUnknownWords.begin(), secondUnknownWords.end());
    StringList shared;
    for (const std::string& word : firstUnknownWords)
        if (second.count(word))
            shared.push_back(word + "-" + word);
    std::sort(shared.begin(), shared.end());
    shared.erase(std::unique(shared.begin(), shared.end()), shared.end());
    return shared;
}

StringList findSharedUnknownWords(const TextProfile& first, const TextProfile& second)
{
    const bool firstSmaller = first.unknownWords.size() <= second.unknownWords.size();
    const TextProfile& smaller = firstSmaller ? first : second;
    const TextProfile& larger = firstSmaller ? second : first;
    StringList shared;
    for (const std::string& word : smaller.unknownWords)
        if (findInOrder(larger.unknownWords, larger.unknownWordOrder, word))
            shared.push_back(word + "-" + word);
    std::sort(shared.begin(), shared.end());
    shared.erase(std::unique(shared.begin(), shared.end()), shared.end());
    return shared;
}

// The profiles' lists hold each item once, so an item of the smaller list equals at most one item
// of the larger: looking the smaller list's items up visits every equal pair.

std::int32_t sharedCapsWordPoints(const TextProfile& first, const TextProfile& second)
{
    const bool firstSmaller = first.capsWords.size() <= second.capsWords.size();
    const TextProfile& smaller = firstSmaller ? first : second;
    const TextProfile& larger = firstSmaller ? second : first;
    std::int32_t points = 0;
    for (const CountedText& word : smaller.capsWords)
        if (const auto j = findInOrder(larger.capsWords, larger.capsWordOrder, word.text))
            points += terms::named("sharedCapsWordPoints").reward * std::min(word.count, larger.capsWords[*j].count);
    return points;
}

std::int32_t sharedSymbolRunPoints(const TextProfile& first, const TextProfile& second)
{
    // Ellipses and strings of closing parentheses (smileys with the eyes removed) are common
    // to many writers; they count for less than a shared run of other marks.
    constexpr const TermInfo& term = terms::named("sharedSymbolRunPoints");
    const auto isCommonRun = [](const std::string& run) {
        return std::all_of(run.begin(), run.end(), [](char c) { return c == '.' || c == ')'; });
    };
    const bool firstSmaller = first.characters.symbolRuns.size() <= second.characters.symbolRuns.size();
    const TextProfile& smaller = firstSmaller ? first : second;
    const TextProfile& larger = firstSmaller ? second : first;
    std::int32_t points = 0;
    for (const CountedText& run : smaller.characters.symbolRuns)
        if (findInOrder(larger.characters.symbolRuns, larger.symbolRunOrder, run.text))
            points += isCommonRun(run.text) ? term.lesserReward : term.reward;
    return points;
}

} // namespace quendry
