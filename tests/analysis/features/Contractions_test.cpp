#include "analysis/features/Contractions.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

// Texts without a form of any row.
constexpr const char* noForms = "The cat sat on the mat and looked at the rain.";
constexpr const char* alsoNoForms = "A dog ran past the gate, barking at nothing.";

TEST(Contractions, tableKeepsItsFortyFourRowsInOrder)
{
    const auto& pairs = contractionPairs();
    ASSERT_EQ(pairs.size(), 44u);
    EXPECT_EQ(pairs[0].contracted, "doesn't");
    EXPECT_EQ(pairs[0].full, "does not");
    EXPECT_EQ(pairs[12].contracted, "don't");
    EXPECT_EQ(pairs[12].full, "do not");
    EXPECT_EQ(pairs[20].contracted, "Gonna");
    EXPECT_EQ(pairs[20].full, "going to");
    EXPECT_EQ(pairs[23].contracted, "ain't");
    EXPECT_EQ(pairs[23].full, "have not");
    EXPECT_EQ(pairs[29].full, "I would");
    EXPECT_EQ(pairs[43].contracted, "it'll");
    EXPECT_EQ(pairs[43].full, "it will");
}

TEST(Contractions, everyFormOfTheTableIsFoundInAText)
{
    for (const ContractionPair& pair : contractionPairs())
        for (const std::string_view form : {pair.contracted, pair.full})
            EXPECT_EQ(countContractionForms("Then " + std::string(form) + ", said he.").of(form), 1) << form;
}

TEST(Contractions, countsEveryPlaceWhereTheFormsWordsFollowOneAnother)
{
    const struct {
        const char* text;
        const char* form;
        std::int32_t expected;
    } cases[] = {
        {"Don't, DON'T and don't", "don't", 3},
        {"it's it's", "it's", 2},
        {"do not do not do not", "do not", 3},
        {"does, not", "does not", 1},
        {"does,  not\r\nnow", "does not", 1},
        {"do\r\nnot", "do not", 1},
        {"I Would go", "I would", 1},
        {"gonna go", "Gonna", 1},
        {"don't.", "don't", 1},
        {"  (it's) it's-a it's2 ", "it's", 3},
        {"don't", "don't", 1},
        {"caf\xE9 \x93" "don't\x94", "don't", 1},
        // Apostrophes belong to the word, so a quoted form is another word.
        {"'don't'", "don't", 0},
        {"don'ts idon't", "don't", 0},
        {"do nothing", "do not", 0},
        // A line feed on its own is deleted and joins the words around it.
        {"do\nnot", "do not", 0},
        {"don\n't", "don't", 1},
        {"", "don't", 0},
        {"   \r\n\t ", "don't", 0},
        // Words longer than any form's are skipped, and do not join the words around them.
        {"do notwithstandingly not", "do not", 0},
        {"not a form", "not a form", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(countContractionForms(c.text).of(c.form), c.expected) << c.text << " / " << c.form;
}

TEST(Contractions, formsInSeveralRowsCountInEachRow)
{
    // "we'll" is in two rows, "i'd" in three.
    const ContractionTally tally = tallyContractions("We'll see, I'd say.", noForms);
    EXPECT_EQ(tally.firstFormsFound, 5);
    EXPECT_EQ(tally.firstFormTotal, 5);
    EXPECT_FALSE(tally.firstFormsAbsent);
    EXPECT_TRUE(tally.secondFormsAbsent);
    EXPECT_FALSE(tally.formsAbsent);
    EXPECT_EQ(tally.secondFormsFound, 0);
}

TEST(Contractions, countsOfOneFormDoNotDisturbAnother)
{
    // "i'll" in rows 18 and 25 and "i will" in row 25: the marks a count leaves must not hide
    // the form from the next count.
    const ContractionTally tally = tallyContractions("I'll go. I will go. I'll stay.", noForms);
    EXPECT_EQ(tally.firstFormTotal, 2 + 2 + 1);
    EXPECT_EQ(tally.firstFormsFound, 3);
}

struct PointsCase {
    const char* description;
    const char* first;
    const char* second;
    std::int32_t firstTokens;
    std::int32_t secondTokens;
    double expected;
};

class ContractionPointsTest : public testing::TestWithParam<PointsCase> {};

TEST_P(ContractionPointsTest, scores)
{
    const PointsCase& c = GetParam();
    EXPECT_DOUBLE_EQ(contractionPoints(c.first, c.second, c.firstTokens, c.secondTokens), c.expected)
        << c.description;
}

INSTANTIATE_TEST_SUITE_P(Cases, ContractionPointsTest, testing::Values(
    // Neither text uses any form: a reward by the shorter text's length.
    PointsCase{"no forms, 60 and 60 tokens", noForms, alsoNoForms, 60, 60, 35},
    PointsCase{"no forms, 55 tokens", noForms, alsoNoForms, 55, 60, 35},
    PointsCase{"no forms, 50 tokens", noForms, alsoNoForms, 60, 50, 25},
    PointsCase{"no forms, 45 tokens", noForms, alsoNoForms, 45, 60, 25},
    PointsCase{"no forms, 44 tokens", noForms, alsoNoForms, 44, 60, 15},
    PointsCase{"no forms, 30 tokens", noForms, alsoNoForms, 60, 30, 15},
    PointsCase{"no forms, 29 tokens", noForms, alsoNoForms, 29, 60, 0},
    // Crossings: each row where one text has only one form and the other only the other form.
    PointsCase{"one crossing", "We do not know.", "We don't know.", 30, 30, -20},
    PointsCase{"one crossing, the other way", "We don't know.", "We do not know.", 30, 30, -20},
    PointsCase{"three crossings", "I do not. She will not. He does not.", "I don't. She won't. He doesn't.", 40,
        40, -35},
    PointsCase{"four crossings", "I do not. She will not. He does not. That is all.",
        "I don't. She won't. He doesn't. That's all.", 40, 40, -37.5},
    PointsCase{"three forms present is mixed use", "I don't, I do not.", "I do not.", 40, 40, 0},
    PointsCase{"both forms in the same text", "I don't.", "I don't.", 40, 40, 0},
    PointsCase{"ain't against have not crosses in one row only", "It ain't so.", "I have not seen it.", 40, 40, -20},
    PointsCase{"a crossing in short texts", "We do not know.", "We don't know.", 29, 30, 0},
    // Only one text uses forms: a penalty by how much more often, once it uses four or more.
    PointsCase{"four forms, 8 in 200 tokens against none in 105",
        "don't don't it's it's can't can't won't won't", noForms, 200, 105, -35},
    PointsCase{"the same with the texts swapped", noForms, "don't don't it's it's can't can't won't won't", 105,
        200, -35},
    PointsCase{"three forms only", "don't don't don't it's it's it's can't can't", noForms, 200, 105, 0},
    PointsCase{"forms of several rows count once per row", "We'll go, I'd say.", noForms, 200, 105, -15},
    PointsCase{"ratio exactly 3", "don't don't it's it's can't can't won't won't", noForms, 160, 48, -15},
    PointsCase{"ratio just below 3", "don't don't it's it's can't can't won't won't", noForms, 160, 47, 0},
    PointsCase{"ratio exactly 6", "don't don't it's it's can't can't won't won't", noForms, 160, 96, -45},
    PointsCase{"ratio 3.5", "don't don't it's it's can't can't won't won't", noForms, 160, 56, -20},
    PointsCase{"one-sided use in a short text", "don't don't it's it's can't can't won't won't", noForms, 200,
        29, 0}));

} // namespace
} // namespace quendry
