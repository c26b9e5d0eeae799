#include "analysis/features/Phrases.h"

#include "analysis/profile/PatternMatcher.h"

#include <algorithm>
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

// What one phrase's search finds in one version of the text.
struct PhraseSearch {
    bool found = false;
    std::int64_t rejections = 0; // occurrences glued to other characters before the search ended
    std::size_t resumeAt = 0;    // occurrences starting before this were skipped
    bool ended = false;
};

// Searches every phrase in one version of the text at once. A phrase is found where it stands
// between spaces or text edges. An occurrence glued to other characters is rejected, and the
// search goes on after the end of the word that occurrence ends in, so an occurrence starting
// inside the skipped stretch is not examined.
std::vector<PhraseSearch> searchPhrases(const std::string& text, const PatternMatcher& matcher)
{
    std::vector<std::size_t> spaces;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == ' ')
            spaces.push_back(i);
    std::vector<PhraseSearch> searches(matcher.patternCount());
    matcher.scan(text, [&](std::uint32_t id, std::size_t start) {
        PhraseSearch& search = searches[id];
        if (search.ended || start < search.resumeAt)
            return;
        const std::size_t end = start + matcher.patternLength(id);
        const bool startsWord = start == 0 || text[start - 1] == ' ';
        const bool endsWord = end == text.size() || text[end] == ' ';
        if (startsWord && endsWord) {
            search.found = true;
            search.ended = true;
            return;
        }
        ++search.rejections;
        const auto space = std::lower_bound(spaces.begin(), spaces.end(), end);
        if (space == spaces.end())
            search.ended = true;
        else
            search.resumeAt = *space;
    });
    return searches;
}

} // namespace

std::int32_t countPhrases(std::string_view text, const StringList& phrases)
{
    // An empty entry stands for no phrase; it would otherwise be found everywhere.
    std::vector<std::string> entries;
    for (const std::string& phrase : phrases) {
        std::string entry = preparedPhraseEntry(phrase);
        if (entry.empty())
            continue;
        entries.push_back(std::move(entry));
    }
    if (entries.empty())
        return 0;
    const auto shared = PatternMatcher::forPatterns(entries);
    const PatternMatcher& matcher = *shared;

    // Every rejected occurrence halves the text's space runs once more. Each entry searches the
    // text as it was when the entry began; the entries after it see the reduced text, so a phrase
    // written with three or four spaces inside can match later. The text therefore goes through a
    // few versions, and once no pair of spaces is left, halving changes nothing: all phrases are
    // searched at once in each version that some entry sees.
    std::string prepared = preparedPhraseText(text);
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

std::int32_t sharedCapsWordPoints(const TextProfile& first, const TextProfile& second)
{
    std::unordered_multimap<std::string_view, std::int32_t> secondCounts;
    for (std::size_t j = 0; j < second.capsWords.size(); ++j)
        secondCounts.emplace(second.capsWords[j], second.capsWordCounts[j]);
    std::int32_t points = 0;
    for (std::size_t i = 0; i < first.capsWords.size(); ++i) {
        const auto [begin, end] = secondCounts.equal_range(first.capsWords[i]);
        for (auto match = begin; match != end; ++match)
            points += 6 * std::min(first.capsWordCounts[i], match->second);
    }
    return points;
}

std::int32_t sharedSymbolRunPoints(const TextProfile& first, const TextProfile& second)
{
    // Ellipses and strings of closing parentheses (smileys with the eyes removed) are common
    // to many writers; they count for less than a shared run of other marks.
    const auto isCommonRun = [](const std::string& run) {
        return std::all_of(run.begin(), run.end(), [](char c) { return c == '.' || c == ')'; });
    };
    std::unordered_multiset<std::string_view> secondRuns(second.symbolRuns.begin(), second.symbolRuns.end());
    std::int32_t points = 0;
    for (const std::string& run : first.symbolRuns)
        points += static_cast<std::int32_t>(secondRuns.count(run)) * (isCommonRun(run) ? 10 : 25);
    return points;
}

} // namespace quendry
