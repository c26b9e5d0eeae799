#include "analysis/run/ComparisonResult.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

// Zero terms are left out; the rest come largest first whatever their sign, and terms of equal
// size keep the order the verdict reads them in.
TEST(Explanation, listsTheTermsThatMovedTheResultLargestFirst)
{
    ComparisonResult terms;
    terms.phraseRatePoints = -20;
    terms.sharedSymbolRunPoints = 20;
    terms.contractionPoints = -37.5;
    terms.ampersandPoints = 15;
    const std::vector<ExplanationLine> lines = explain(terms);
    ASSERT_EQ(lines.size(), 4u);
    const std::string_view expected[] = {"contractionPoints", "sharedSymbolRunPoints", "phraseRatePoints", "ampersandPoints"};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].term, expected[i]) << i;
    EXPECT_EQ(lines[0].points, -37.5);
    EXPECT_EQ(lines[1].reason, termTable()[0].rewardReason);
    EXPECT_EQ(lines[2].reason, termTable().back().penaltyReason);
}

} // namespace
} // namespace quendry
