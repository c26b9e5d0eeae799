#include "analysis/profile/PatternMatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace quendry {
namespace {

using Occurrence = std::tuple<std::size_t, std::uint32_t, std::size_t>; // end, id, start

std::vector<Occurrence> naiveOccurrences(const std::vector<std::string>& patterns, const PatternMatcher& matcher, std::string_view text)
{
    std::vector<Occurrence> found;
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        if (matcher.idOf()[index] != index)
            continue; // a copy of an earlier pattern
        for (std::size_t start = text.find(patterns[index]); start != std::string_view::npos; start = text.find(patterns[index], start + 1))
            found.emplace_back(start + patterns[index].size(), static_cast<std::uint32_t>(index), start);
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Long texts are scanned in lanes side by side; whatever the length, every occurrence is reported
// once, in order of its end.
TEST(PatternMatcher, reportsEveryOccurrenceInOrderOfItsEnd)
{
    const std::vector<std::string> patterns{"a", "ab", "aba", "bab", "abab", "b a", "aaaaaaa", "ab", "bbabbbab", "cab"};
    const PatternMatcher matcher(patterns);
    const auto check = [&](const std::string& text) {
        std::vector<Occurrence> reported;
        matcher.scan(text, [&](std::uint32_t id, std::size_t start) { reported.emplace_back(start + patterns[id].size(), id, start); });
        EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end(),
            [](const Occurrence& x, const Occurrence& y) { return std::get<0>(x) < std::get<0>(y); }))
            << text.size();
        std::sort(reported.begin(), reported.end());
        EXPECT_EQ(reported, naiveOccurrences(patterns, matcher, text)) << text.size();
    };
    // Over an alphabet of two letters long patterns occur often.
    std::mt19937 random(7);
    for (const std::size_t size : {0, 1, 5, 100, 1023, 1024, 1031, 5000, 20011}) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i)
            text += size % 2 == 0 ? "ab c"[random() % 4] : "ab"[random() % 2];
        check(text);
    }
    // The longest pattern over and over: one straddles each border between lanes, wherever in the
    // pattern the border falls.
    for (std::size_t size = 4096; size < 4096 + 4 * 8; size += 4) {
        std::string text(size, ' ');
        for (std::size_t i = 0; i < size; ++i)
            text[i] = std::string_view("bbabbbab")[i % 8];
        check(text);
    }
}

// More nodes than the compact table can number: the automaton keeps the wide table, with the
// same results. Patterns are given out of order, with copies, prefixes of one another among them.
TEST(PatternMatcher, largePatternSetsFindTheSameOccurrences)
{
    std::mt19937 random(11);
    std::vector<std::string> patterns;
    for (int i = 0; i < 8000; ++i) {
        std::string pattern;
        for (std::size_t length = 6 + random() % 9; pattern.size() < length;)
            pattern += "abcdefgh"[random() % 8];
        patterns.push_back(pattern);
        if (i % 10 == 0)
            patterns.push_back(pattern.substr(0, pattern.size() / 3));
    }
    patterns.push_back(patterns[5]);
    const PatternMatcher matcher(patterns);
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "abcdefgh "[random() % 9];
    std::vector<Occurrence> reported;
    matcher.scan(text, [&](std::uint32_t id, std::size_t start) { reported.emplace_back(start + patterns[id].size(), id, start); });
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, naiveOccurrences(patterns, matcher, text));
    EXPECT_EQ(matcher.idOf().back(), 5u);
}

TEST(PatternMatcher, walksFromOnePlaceOnly)
{
    const std::vector<std::string> patterns{"ab", "abc", "b", "bc"};
    const PatternMatcher matcher(patterns);
    std::vector<std::uint32_t> ids;
    matcher.scanAt("xabcd", 1, [&](std::uint32_t id) { ids.push_back(id); });
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{0, 1}));
    ids.clear();
    matcher.scanAt("xabcd", 4, [&](std::uint32_t id) { ids.push_back(id); });
    EXPECT_TRUE(ids.empty());
}

} // namespace
} // namespace quendry
