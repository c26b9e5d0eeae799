#include "analysis/features/Phrases.h"

#include <algorithm>

namespace quendry {
namespace {

// One left-to-right pass that turns each pair of adjacent spaces into one space, pairs not
// overlapping: a run of n spaces becomes ceil(n / 2) spaces. Returns whether anything changed.
bool halveSpaceRuns(std::string& text)
{
    if (text.find("  ") == std::string::npos)
        return false;
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ')
            ++i;
    }
    text = std::move(result);
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

struct PhraseSearch {
    bool found = false;
    int rejections = 0; // occurrences glued to other characters
};

// Whether the entry stands between spaces or text edges somewhere in the text. An occurrence
// glued to other characters is rejected, and the search goes on after the end of the word that
// occurrence ends in, so an occurrence starting inside the skipped stretch is not examined.
PhraseSearch searchPhrase(std::string_view text, std::string_view entry)
{
    PhraseSearch search;
    std::size_t from = 0;
    for (;;) {
        const std::size_t found = text.find(entry, from);
        if (found == std::string_view::npos)
            return search;
        const std::size_t end = found + entry.size();
        const bool startsWord = found == 0 || text[found - 1] == ' ';
        const bool endsWord = end == text.size() || text[end] == ' ';
        if (startsWord && endsWord) {
            search.found = true;
            return search;
        }
        ++search.rejections;
        from = end;
        while (from < text.size() && text[from] != ' ')
            ++from;
    }
}

} // namespace

std::int32_t countPhrases(std::string_view text, const StringList& phrases)
{
    std::string prepared = preparedPhraseText(text);
    bool mayHaveSpaceRuns = true;
    std::int32_t count = 0;
    for (const std::string& phrase : phrases) {
        const std::string entry = preparedPhraseEntry(phrase);
        // An empty entry stands for no phrase; it would otherwise be found everywhere.
        if (entry.empty())
            continue;
        const PhraseSearch search = searchPhrase(prepared, entry);
        if (search.found)
            ++count;
        // Every rejected occurrence halves the text's space runs once more. The entry's own
        // search ran on the text as it was when the entry began; the entries after it see the
        // reduced text, so a phrase written with three or four spaces inside can match later.
        // Once no pair of spaces is left, halving changes nothing, and the text is long.
        for (int pass = 0; mayHaveSpaceRuns && pass < search.rejections; ++pass)
            mayHaveSpaceRuns = halveSpaceRuns(prepared);
    }
    return count;
}

StringList findSharedUnknownWords(const StringList& firstUnknownWords, const StringList& secondUnknownWords)
{
    StringList shared;
    for (const std::string& a : firstUnknownWords) {
        for (const std::string& b : secondUnknownWords) {
            if (a == b)
                shared.push_back(a + "-" + b);
        }
    }
    std::sort(shared.begin(), shared.end());
    shared.erase(std::unique(shared.begin(), shared.end()), shared.end());
    return shared;
}

std::int32_t sharedCapsWordPoints(const TextProfile& first, const TextProfile& second)
{
    std::int32_t points = 0;
    for (std::size_t i = 0; i < first.capsWords.size(); ++i) {
        for (std::size_t j = 0; j < second.capsWords.size(); ++j) {
            if (first.capsWords[i] == second.capsWords[j])
                points += 6 * std::min(first.capsWordCounts[i], second.capsWordCounts[j]);
        }
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
    std::int32_t points = 0;
    for (const std::string& a : first.symbolRuns) {
        for (const std::string& b : second.symbolRuns) {
            if (a == b)
                points += isCommonRun(a) ? 10 : 25;
        }
    }
    return points;
}

} // namespace quendry
