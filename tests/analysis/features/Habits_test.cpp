#include "analysis/features/Habits.h"

#include <gtest/gtest.h>

#include <string>

namespace quendry {
namespace {

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

constexpr const char* plainText = "Nothing special here, just words.";

TEST(Habits, loneSymbolsUsedOftenInOneTextOnlyArePenalised)
{
    const struct {
        const char* description;
        std::string first;
        std::string second;
        std::int32_t firstWords;
        std::int32_t secondWords;
        std::int32_t expected;
    } cases[] = {
        {"a lone semicolon three times in 60 words", repeated("a; b ", 3), plainText, 60, 60, -20},
        {"ten times in 60 words", repeated("a; b ", 10), plainText, 60, 60, -40},
        {"three times in 40 words", repeated("a; b ", 3), plainText, 40, 60, -25},
        {"three times in 30 words", repeated("a; b ", 3), plainText, 30, 60, -35},
        {"twice", repeated("a; b ", 2), plainText, 60, 60, 0},
        {"only in the second text, with its word count", plainText, repeated("a / b ", 3), 600, 30, -35},
        {"two symbols add up", repeated("a; b & c ", 3), plainText, 60, 60, -40},
        {"used alone in both texts, however often", repeated("a; b ", 9), "x; y", 60, 60, 0},
        // A symbol with a special neighbour, digits included, is not alone.
        {"doubled semicolons", repeated("a;; b ", 3), plainText, 60, 60, 0},
        {"beside a digit", repeated("a;1 ", 3), plainText, 60, 60, 0},
        {"beside a line break", repeated("a ;\r\nb ", 3), plainText, 60, 60, 0},
        // An apostrophe inside a word belongs to it; one at a word's end stands alone.
        {"apostrophes inside words", repeated("don't ", 5), plainText, 60, 60, 0},
        {"apostrophes after words", repeated("dogs' toys ", 3), plainText, 60, 60, -20},
        {"apostrophes before words", repeated("a 'word ", 3), plainText, 60, 60, -20},
        // Its key is trimmed away in the look-up, so a tab never counts more than once.
        {"tabs", repeated("a\tb ", 5), plainText, 60, 60, 0},
        {"at the second text's end", ";a b; c ; d", "x ;", 60, 60, 0},
        {"at the text's edges, three times", ";a b; c ; d", plainText, 60, 60, -20},
        {"a single character", ";", plainText, 60, 60, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loneSymbolPoints(c.first, c.second, c.firstWords, c.secondWords), c.expected) << c.description;
}

TEST(Habits, hyphenSpacingRewardsTheSameDashHabits)
{
    const struct {
        const char* description;
        std::string first;
        std::string second;
        std::int32_t expected;
    } cases[] = {
        {"spaced dashes twice and a leading-space dash once in both",
            "word - word, word - word, word -word", "one - two, three - four, five -six", 15 + 8 * 2},
        {"three dashes with a space before only", repeated("word -word ", 3), repeated("a -b ", 3), 40},
        {"a dash with a space after only", "word- word", "this- that", 15},
        {"the smaller use counts", repeated("a - b ", 2), "c - d", 8},
        {"only one text", repeated("a - b ", 4), "no dashes here", 0},
        {"different habits", "word -word", "word- word", 0},
        {"hyphens inside words", "well-known", "well-known", 0},
        {"a dash at the text's edge", "- a", "- b", 15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hyphenSpacingPoints(c.first, c.second), c.expected) << c.description;
}

TEST(Habits, lowercaseSentenceStartsCountSmallLettersAfterMarks)
{
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"hello. how are you? fine.", 3},
        {"e.g. this", 3},
        {"Hello. How are you? Fine!", 0},
        {"1 apple. pear", 1},
        {"\"quoted\" start", 0},
        {"  \r\n  hello", 1},
        {"End.\r\n\r\n  next one", 1},
        {"Wait... what", 1},
        {"Really?!yes", 1},
        {"Oh! \xE9t\xE9", 0}, // only a-z count
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countLowercaseSentenceStarts(c.text), c.expected) << c.text;
}

} // namespace
} // namespace quendry
