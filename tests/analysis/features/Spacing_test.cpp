#include "analysis/features/Spacing.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

TextProfile lettersAndTokens(std::int32_t letters, std::int32_t tokens)
{
    TextProfile p;
    p.characters.letterCount = letters;
    p.characters.wordTokenCount = tokens;
    return p;
}

TEST(Spacing, wordLengthPenalisesTheGapBetweenAverageLengths)
{
    const struct {
        std::int32_t firstLetters, firstTokens, secondLetters, secondTokens;
        double expected;
    } cases[] = {
        {420, 100, 420, 100, 0},  // the same text
        {474, 100, 400, 100, 0},  // 0.74 apart
        {42, 10, 50, 10, -15},    // 4.2 and 5.0
        {475, 100, 400, 100, -15}, // 0.75 apart
        {40, 10, 50, 10, -20},    // exactly 1.0 apart
        {55, 10, 40, 10, -25},
        {59, 10, 40, 10, -30},
        {40, 10, 60, 10, -35},
        {65, 10, 40, 10, -40},
        {69, 10, 40, 10, -45},
        {70, 10, 40, 10, -50},
        {10300, 100, 400, 100, -50}, // 99 apart
        {10400, 100, 400, 100, 0},   // 100 apart: not prose, no evidence
        {5, 1, 500, 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(wordLengthPoints(lettersAndTokens(c.firstLetters, c.firstTokens),
                             lettersAndTokens(c.secondLetters, c.secondTokens)),
            c.expected)
            << c.firstLetters << "/" << c.firstTokens << " against " << c.secondLetters << "/" << c.secondTokens;
    }
}

// A text with the given commas, full-stop runs and question marks, of which `before` have a
// space in front (spread over the kinds as the counts allow) and `after` a space behind.
TextProfile marks(std::int32_t commas, std::int32_t periods, std::int32_t questions, std::int32_t before,
    std::int32_t after)
{
    TextProfile p;
    p.characters.commaCount = commas;
    p.characters.periodCount = periods;
    p.characters.questionMarkCount = questions;
    p.characters.spaceCommaCount = std::min(before, commas);
    p.characters.spacePeriodCount = std::min(before - p.characters.spaceCommaCount, periods);
    p.characters.spaceQuestionCount = before - p.characters.spaceCommaCount - p.characters.spacePeriodCount;
    p.characters.commaSpaceCount = std::min(after, commas);
    p.characters.periodSpaceCount = std::min(after - p.characters.commaSpaceCount, periods);
    p.characters.questionSpaceCount = after - p.characters.commaSpaceCount - p.characters.periodSpaceCount;
    p.characters.wordTokenCount = 100;
    return p;
}

TEST(Spacing, spaceBeforeMarksComparesTheSpacedShares)
{
    const struct {
        const char* description;
        TextProfile first;
        TextProfile second;
        std::int32_t expected;
    } cases[] = {
        {"the same habits", marks(5, 5, 0, 2, 10), marks(5, 5, 0, 2, 10), 0},
        {"all spaced against none", marks(5, 5, 0, 10, 0), marks(4, 6, 0, 0, 0), -100},
        {"all spaced against none, the other way", marks(4, 6, 0, 0, 0), marks(5, 5, 0, 10, 0), -100},
        {"only question marks", marks(0, 0, 4, 4, 0), marks(0, 0, 5, 0, 5), -100},
        {"exactly 40 apart", marks(5, 5, 0, 4, 0), marks(5, 5, 0, 0, 0), -40},
        {"30 apart", marks(5, 5, 0, 3, 0), marks(5, 5, 0, 0, 0), 0},
        {"50 apart", marks(5, 5, 0, 5, 0), marks(5, 5, 0, 0, 0), -50},
        {"90 apart", marks(5, 5, 0, 9, 0), marks(5, 5, 0, 0, 0), -90},
        // Marks beside digits are spaced but not counted as marks: shares above 100.
        {"share above 100", marks(2, 2, 0, 6, 0), marks(5, 5, 0, 0, 0), -100},
        {"three marks in one text", marks(5, 5, 0, 10, 0), marks(1, 1, 1, 0, 0), -33},
        {"three marks, 40 apart", marks(1, 1, 1, 0, 0), marks(5, 5, 0, 4, 0), -13},
        {"two marks in one text", marks(5, 5, 0, 10, 0), marks(1, 1, 0, 0, 0), 0},
        {"no marks in one text", marks(5, 5, 0, 10, 0), marks(0, 0, 0, 0, 0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spaceBeforeMarkPoints(c.first, c.second), c.expected) << c.description;
}

TEST(Spacing, spaceAfterMarksComparesTheSharesFollowedBySpace)
{
    const struct {
        const char* description;
        TextProfile first;
        TextProfile second;
        std::int32_t expected;
    } cases[] = {
        {"the same habits", marks(5, 5, 0, 10, 9), marks(5, 5, 0, 0, 9), 0},
        {"all followed against none", marks(5, 5, 0, 0, 10), marks(5, 5, 0, 0, 0), -100},
        {"70 apart", marks(5, 5, 0, 0, 10), marks(5, 5, 0, 0, 3), -70},
        {"three marks", marks(5, 5, 0, 0, 10), marks(0, 0, 3, 0, 0), -33},
        {"two marks", marks(5, 5, 0, 0, 10), marks(0, 0, 2, 0, 0), 0},
        {"only question marks", marks(0, 0, 8, 0, 8), marks(0, 0, 4, 0, 0), -100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spaceAfterMarkPoints(c.first, c.second), c.expected) << c.description;
}

TextProfile commas(std::int32_t tokens, std::int32_t commaCount)
{
    TextProfile p;
    p.characters.wordTokenCount = tokens;
    p.characters.commaCount = commaCount;
    return p;
}

TEST(Spacing, commaRateComparesWordsPerComma)
{
    const struct {
        const char* description;
        TextProfile first;
        TextProfile second;
        double expected;
    } cases[] = {
        {"the same text", commas(100, 10), commas(100, 10), 0},
        {"neither has a comma, both long enough", commas(30, 0), commas(200, 0), 15},
        {"neither has a comma, 20 tokens each", commas(20, 0), commas(20, 0), 15},
        {"neither has a comma, one text short", commas(15, 0), commas(100, 0), -30},
        {"neither has a comma, 19 tokens", commas(19, 0), commas(19, 0), 0},
        {"one text without commas", commas(100, 10), commas(100, 0), -50},
        {"rates 5 and 100", commas(100, 20), commas(100, 1), -100},
        {"ratio just below 3.5", commas(100, 100), commas(34, 10), 0},
        {"ratio 3.5", commas(10, 10), commas(7, 2), -15},
        {"ratio 4", commas(10, 10), commas(4, 1), -20},
        {"ratio 4.9", commas(10, 10), commas(49, 10), -20},
        {"ratio 5", commas(10, 10), commas(5, 1), -25},
        {"ratio 12", commas(10, 10), commas(12, 1), -60},
        {"ratio 19.5", commas(20, 20), commas(39, 2), -95},
        {"ratio 20", commas(10, 10), commas(20, 1), -100},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(commaRatePoints(c.first, c.second), c.expected) << c.description;
}

} // namespace
} // namespace quendry
