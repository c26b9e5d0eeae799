#include "analysis/features/Phrases.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

TEST(Phrases, countsAnEntryOnlyWhereItStandsBetweenSpacesOrTextEdges)
{
    const StringList giveIn{"give in"};
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"I had to give in and go", 1},
        {"give in", 1},
        {"  GIVE IN now", 1},
        {"I had to give in.", 0},
        {"forgive in time", 0},
        {"they give indeed", 0},
        {"\"give in\"", 0},
        {"give\r\nin", 1},           // a line break becomes one space
        {"give  in", 1},             // two spaces become one
        {"give   in", 0},            // three spaces become two
        {"give in, give in, give in", 1}, // a rejected occurrence before the match
        {"give in give in give in", 1},   // each entry counts once
        {"forgive in, then give in", 1},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countPhrases(c.text, giveIn), c.expected) << c.text;
}

TEST(Phrases, aRejectedOccurrenceHidesOccurrencesStartingInsideIt)
{
    // "a a" is first found glued to the x; the one starting on its last letter would stand
    // between spaces and the text's end, but the search goes on after the rejected occurrence.
    EXPECT_EQ(countPhrases("xa a a", {"a a"}), 0);
    EXPECT_EQ(countPhrases("xa b a a", {"a a"}), 1);
}

TEST(Phrases, eachEntryCountsOnItsOwn)
{
    const struct {
        StringList phrases;
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {{"give in", "GIVE IN"}, "I give in.\r\nI give in now", 2},
        {{"give in", "by the way", "at last"}, "At last, by the way we give in", 2},
        {{"by the way", "at last"}, "nothing of the sort", 0},
        {{"  give in\r\n"}, "they give in", 1},   // entries are trimmed
        {{"give\r\nin"}, "they give in", 1},      // and their line breaks become one space
        {{""}, "anything at all", 0},             // an empty entry is no phrase
        {{"   "}, "anything at all", 0},
        // Texts have had the typographic apostrophe folded before the count: an entry that
        // keeps one is never found.
        {{"don\x92t worry"}, "don't worry", 0},
        {{"don't worry"}, "don't worry", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countPhrases(c.text, c.phrases), c.expected) << c.text;
}

TEST(Phrases, rejectionsHalveTheTextsSpaceRunsForTheEntriesAfter)
{
    // "x    y" is "X  Y" after the first halving, so "x y" is not found at first; the rejected
    // "iv" inside "give" halves the text again, and later entries see "X Y".
    const char* text = "give x    y";
    EXPECT_EQ(countPhrases(text, {"x y"}), 0);
    EXPECT_EQ(countPhrases(text, {"iv", "x y"}), 1);
    EXPECT_EQ(countPhrases(text, {"x y", "iv"}), 0);
    // An entry's own search goes on in the text as it was when the entry began.
    EXPECT_EQ(countPhrases("ax y x    y", {"x y"}), 0);
    EXPECT_EQ(countPhrases("ax y x    y", {"x y", "X Y"}), 1);
    // An entry that keeps a pair of spaces once halved only matches a version of the text
    // whose runs have come down to exactly that pair.
    EXPECT_EQ(countPhrases("give x        y", {"x    y"}), 0);
    EXPECT_EQ(countPhrases("give x        y", {"iv", "x    y"}), 1);
    EXPECT_EQ(countPhrases("give x        y", {"iv", "gi", "x    y"}), 0);
    // Runs of different lengths reach one space after different numbers of halvings.
    EXPECT_EQ(countPhrases("a        b give", {"iv", "a b", "a b"}), 0);
    EXPECT_EQ(countPhrases("a        b give", {"iv", "a b", "gi", "a b"}), 1);
    EXPECT_EQ(countPhrases("x  y a    b give", {"a b", "x y", "iv", "a b"}), 2);
}

TEST(Phrases, sharedUnknownWordsAreListedOnceAndSorted)
{
    const struct {
        StringList first;
        StringList second;
        StringList expected;
    } cases[] = {
        {{"ZORP", "BLIX", "QUAX"}, {"QUAX", "FOO", "ZORP"}, {"QUAX-QUAX", "ZORP-ZORP"}},
        {{"ZORP"}, {"BLIX"}, {}},
        {{}, {"BLIX"}, {}},
        {{"ZORP", "ZORP"}, {"ZORP"}, {"ZORP-ZORP"}},
        {{"zorp"}, {"ZORP"}, {}}, // exact comparison
    };
    for (const auto& c : cases)
        EXPECT_EQ(findSharedUnknownWords(c.first, c.second), c.expected);
}

TextProfile capsWords(CountedTexts words)
{
    TextProfile p;
    p.capsWords = std::move(words);
    indexProfile(p, "");
    return p;
}

TEST(Phrases, sharedCapitalWordsScoreTheRarerUse)
{
    const struct {
        TextProfile first;
        TextProfile second;
        std::int32_t expected;
    } cases[] = {
        {capsWords({{"NASA", 3}}), capsWords({{"NASA", 1}}), 6},
        {capsWords({{"NASA", 2}}), capsWords({{"NASA", 2}}), 12},
        {capsWords({{"FBI", 1}, {"NASA", 4}}), capsWords({{"NASA", 3}, {"CIA", 9}, {"FBI", 2}}), 6 + 18},
        {capsWords({{"NASA", 5}}), capsWords({{"Nasa", 5}, {"FBI", 5}}), 0},
        {capsWords({}), capsWords({{"NASA", 5}}), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sharedCapsWordPoints(c.first, c.second), c.expected);
}

TextProfile runs(const StringList& symbolRuns)
{
    TextProfile p;
    for (const std::string& run : symbolRuns)
        p.characters.symbolRuns.push_back({run, 1});
    indexProfile(p, "");
    return p;
}

TEST(Phrases, sharedSymbolRunsScoreLessForEllipsesAndParentheses)
{
    const struct {
        TextProfile first;
        TextProfile second;
        std::int32_t expected;
    } cases[] = {
        {runs({"...", "!!"}), runs({"!!", "..."}), 35},
        {runs({"))"}), runs({"))"}), 10},
        {runs({".)"}), runs({".)"}), 10},
        {runs({"?!"}), runs({"?!"}), 25},
        {runs({"..", "?!", "!!"}), runs({"...", "!?"}), 0},
        {runs({}), runs({"..."}), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sharedSymbolRunPoints(c.first, c.second), c.expected);
}

} // namespace
} // namespace quendry
