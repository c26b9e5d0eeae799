#include "analysis/run/Comparison.h"
#include "analysis/run/ProgressListener.h"
#include "analysis/run/TwoTextComparison.h"
#include "analysis/run/Verdict.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

class RecordingProgress : public ProgressListener {
public:
    void started(int max) override { maximum = max; }
    void normalised() override { normalisedAt = position; }
    void advanced(int steps) override { position += steps; }
    void filled() override { filledAt = position; }
    int maximum = -1;
    int position = 0;
    int normalisedAt = -1;
    int filledAt = -1;
};

// Small lists of its own, so that the run's order can be checked without the shipped data.
const ReferenceData& testReference()
{
    static const ReferenceData reference(ReferenceLists{{":-)"}, {"coffee"}, {"#Tom#"}, {"for example"}});
    return reference;
}

const Dictionary& testDictionary()
{
    static const Dictionary dictionary = Dictionary::fromText(
        "#THE#CAT#SAT#ON#MAT#AND#DOG#RAN#AWAY#FROM#HOME#A#BIG#RED#BALL#ONE#TWO#THREE#FOUR#FIVE#SIX#");
    return dictionary;
}

ComparisonOutcome run(std::string_view first, std::string_view second, ProgressListener* progress = nullptr)
{
    return compareTexts(first, second, testReference(), testDictionary(), progress);
}

std::optional<RefusalReason> refusalOf(const ComparisonOutcome& outcome)
{
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return refusal->reason;
    return std::nullopt;
}

TEST(Comparison, refusesInTheOrderOfTheChecks)
{
    const char* six = "one two three four five six";
    const char* five = "one two three four five";
    const struct {
        const char* first;
        const char* second;
        std::optional<RefusalReason> expected;
    } cases[] = {
        {"", "", RefusalReason::FirstTextTooSmall},
        {five, six, RefusalReason::FirstTextTooSmall},
        {six, "", RefusalReason::SecondTextTooSmall},
        {six, five, RefusalReason::SecondTextTooSmall},
        {six, six, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusalOf(run(c.first, c.second)), c.expected) << c.first << " / " << c.second;
}

TEST(Comparison, refusalMessagesAreTheProgramsOwnWords)
{
    EXPECT_EQ(Refusal{RefusalReason::FirstTextTooSmall}.message(), "The first text is too small to be analyzed.");
    EXPECT_EQ(Refusal{RefusalReason::FirstTextNotEnglish}.message(), "Too few English words for analysis in the first text.");
    EXPECT_EQ(Refusal{RefusalReason::SecondTextTooSmall}.message(), "The second text is too small to be analyzed.");
    EXPECT_EQ(Refusal{RefusalReason::SecondTextNotEnglish}.message(), "Too few English words for analysis in the second text.");
}

TEST(Comparison, progressCountsEveryCharacterOfTheCharacterPassAndTheFixedSteps)
{
    // The bar's maximum comes from the texts as given; the character pass walks the normalised,
    // line-feed-free text, so the count it reaches can be smaller, and the end fills the bar.
    const std::string first = "The cat sat on the mat.\r\nThe dog ran away from home.";
    const std::string second = "  one two three four five six ok  ";
    RecordingProgress progress;
    const ComparisonOutcome outcome = run(first, second, &progress);
    ASSERT_TRUE(std::holds_alternative<Comparison>(outcome));
    EXPECT_EQ(progress.maximum, static_cast<int>(first.size() + second.size()) + 11);
    EXPECT_EQ(progress.normalisedAt, 0);
    const int firstPass = static_cast<int>(first.size()) - 1;   // without the LF
    const int secondPass = static_cast<int>(std::string_view("one two three four five six").size());
    EXPECT_EQ(progress.filledAt, firstPass + secondPass + 10);
}

TEST(Comparison, keepsTheValuesOfEachText)
{
    const ComparisonOutcome outcome = run("The cat sat, on the mat; ok the dog ran away!", "one two three four five six ok ok");
    ASSERT_TRUE(std::holds_alternative<Comparison>(outcome));
    const Comparison& c = std::get<Comparison>(outcome);
    EXPECT_EQ(c.first.okCount, 1);
    EXPECT_EQ(c.second.okCount, 2);
    EXPECT_EQ(c.first.characters.wordCount, 10); // the "ok" is gone
    EXPECT_EQ(c.first.characters.commaCount, 1);
    EXPECT_EQ(c.first.characters.semicolonCount, 1);
    EXPECT_EQ(c.first.characters.exclamationCount, 1);
    EXPECT_EQ(c.second.characters.wordCount, 6);
    EXPECT_EQ(c.percent, shownPercent(c.score));
    EXPECT_GE(c.score, 0.0);
    EXPECT_LE(c.score, 100.0);
}

TEST(Comparison, foldsQuotesBeforeProfiling)
{
    const ComparisonOutcome outcome = run("The cat sat \x93on\x94 the mat and ran", "one two three four five six");
    ASSERT_TRUE(std::holds_alternative<Comparison>(outcome));
    // Unfolded, the typographic quotes (codes 147 and 148) would be collected as special characters.
    const CharacterProfile& characters = std::get<Comparison>(outcome).first.characters;
    EXPECT_TRUE(characters.specialChars.empty());
    EXPECT_EQ(characters.otherSymbolCount, 2);
}

} // namespace
} // namespace quendry
