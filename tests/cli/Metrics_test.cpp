#include "cli/Metrics.h"

#include <gtest/gtest.h>

namespace quendry::cli {
namespace {

// Worked by hand. Scores: same author A .80, B .40, E refused (.5); other author C .60, D .20,
// F .50. AUC: A beats C, D, F (3); B beats D (1); E beats D and ties F (1.5): 5.5 of 9 pairs.
// At 50: A right, B wrong, C wrong, D right, E and F unanswered: accuracy 2/6,
// c@1 (2 + 2 * 2/6) / 6. Above 60 and below 80 only B is wrong: 4/6, nearest 50 at 60.5.
const std::vector<ScoredProblem> handWorked = {
    {"A", true, 80.0}, {"B", true, 40.0}, {"C", false, 60.0},
    {"D", false, 20.0}, {"E", true, std::nullopt}, {"F", false, 50.0},
};

TEST(Metrics, agreeWithAHandWorkedExample)
{
    const Evaluation result = evaluate(handWorked);
    EXPECT_EQ(result.problems, 6);
    EXPECT_EQ(result.refusals, 1);
    EXPECT_DOUBLE_EQ(result.auc, 5.5 / 9.0);
    EXPECT_DOUBLE_EQ(result.accuracy, 2.0 / 6.0);
    EXPECT_DOUBLE_EQ(result.cAt1, (2.0 + 2.0 * 2.0 / 6.0) / 6.0);
    EXPECT_EQ(result.bestThreshold, 60.5);
    EXPECT_DOUBLE_EQ(result.bestAccuracy, 4.0 / 6.0);
}

TEST(Metrics, extremes)
{
    const std::vector<ScoredProblem> perfect = {{"a", true, 90.0}, {"b", false, 10.0}};
    const std::vector<ScoredProblem> reversed = {{"a", true, 10.0}, {"b", false, 90.0}};
    const std::vector<ScoredProblem> allRefused = {{"a", true, std::nullopt}, {"b", false, std::nullopt}};
    EXPECT_EQ(evaluate(perfect).auc, 1.0);
    EXPECT_EQ(evaluate(perfect).cAt1, 1.0);
    EXPECT_EQ(evaluate(reversed).auc, 0.0);
    EXPECT_EQ(evaluate(allRefused).auc, 0.5);
    EXPECT_EQ(evaluate(allRefused).cAt1, 0.0);
    EXPECT_EQ(evaluate({}).problems, 0);
}

TEST(Metrics, rocCurve)
{
    const auto points = rocCurve(handWorked);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front(), (std::pair{0.0, 0.0}));
    EXPECT_EQ(points.back(), (std::pair{1.0, 1.0}));
    // Scores .8, .6, .5, .4, .2: at .5 and above, A and E of the same author, C and F of the other.
    EXPECT_EQ(points[3], (std::pair{2.0 / 3.0, 2.0 / 3.0}));
    const std::string svg = rocSvg(handWorked, 5.5 / 9.0);
    EXPECT_NE(svg.find("<title>ROC curve, AUC 0.611</title>"), std::string::npos);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
}

} // namespace
} // namespace quendry::cli
