#include "analysis/profile/RepeatedMarks.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

TEST(RepeatedMarks, gives15PointsForEachUseOfARepeatedMarkBothTextsMake)
{
    const struct {
        const char* what;
        CountedTexts first;
        CountedTexts second;
        std::int32_t points;
    } cases[] = {
        {"!!! twice and once", {{"!!!", 2}}, {{"!!!", 1}}, 15},
        {"and ... once each", {{"!!!", 2}, {"...", 1}}, {{"...", 1}, {"!!!", 1}}, 30},
        {"runs of any length add up per mark", {{"!!", 1}, {"!!!", 2}}, {{"!!!!", 5}}, 45},
        {"a mixed run never counts", {{"?!", 4}, {"!?", 4}}, {{"?!", 4}}, 0},
        {"a mark only one text repeats", {{"--", 3}, {"!!", 1}}, {{"--", 2}}, 30},
        {"other marks in a mixed run", {{"!!", 1}, {"!!?", 7}}, {{"!!", 9}}, 15},
        {"nothing shared", {{"!!!", 3}}, {{"...", 3}}, 0},
        {"no runs at all", {}, {}, 0},
        {"one text without runs", {{"!!!", 3}}, {}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compareRepeatedMarks(c.first, c.second), c.points) << c.what;
}

TEST(RepeatedMarks, aHugeSharedTotalStaysWithinRange)
{
    const CountedTexts many{{"!!", 2'000'000'000}, {"!!!", 2'000'000'000}};
    EXPECT_EQ(compareRepeatedMarks(many, many), 2'147'483'647);
}

} // namespace
} // namespace quendry
