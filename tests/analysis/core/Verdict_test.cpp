#include "analysis/run/Verdict.h"

#include <gtest/gtest.h>

#include <vector>

namespace quendry {
namespace {

struct VerdictCase {
    const char* description;
    std::vector<double> terms; // placed into successive integer terms, or the real terms when fractional
    VerdictInputs inputs;
    double expected;
};

// Puts the given values into distinct terms of a result.
ComparisonResult resultWith(const std::vector<double>& values)
{
    ComparisonResult result;
    std::size_t next = 0;
    for (const double value : values) {
        const TermInfo& term = termTable()[next++];
        std::visit(
            [&](auto member) { result.*member = static_cast<std::remove_reference_t<decltype(result.*member)>>(value); },
            term.member);
    }
    return result;
}

class VerdictTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTest, scores)
{
    const VerdictCase& c = GetParam();
    EXPECT_DOUBLE_EQ(verdictScore(resultWith(c.terms), c.inputs), c.expected) << c.description;
}

// Letter counts giving each adjustment: last digit 0 -> 0, 2 -> 1, 3 -> 2, 5 -> 3, 7 -> 4.
constexpr VerdictInputs j0{1230, 987, 100, 100};
constexpr VerdictInputs j1{412, 388, 100, 100};
constexpr VerdictInputs j2{13, 3, 100, 100};
constexpr VerdictInputs j3{15, 5, 100, 100};

INSTANTIATE_TEST_SUITE_P(Cases, VerdictTest, testing::Values(
    VerdictCase{"no evidence", {}, j0, 75},
    VerdictCase{"no evidence with adjustment", {}, j3, 78},
    VerdictCase{"one penalty", {-30}, j1, 51},
    VerdictCase{"two penalties below zero", {-40, -60}, j3, 0},
    VerdictCase{"short-text floor", {-40, -60}, {15, 5, 18, 40}, 21},
    VerdictCase{"short-text floor of ten", {-40, -60}, {15, 5, 40, 4}, 13},
    VerdictCase{"three penalties", {-10, -10, -10}, j0, 25},
    VerdictCase{"one small reward", {15}, j0, 75},
    VerdictCase{"one large reward", {50}, j2, 87},
    VerdictCase{"two rewards", {20, 15}, j2, 97},
    VerdictCase{"two rewards between 100 and 140", {25, 20}, j0, 90},
    VerdictCase{"two rewards of 140 or more", {40, 40}, j0, 100},
    VerdictCase{"three rewards", {1, 1, 1}, j3, 100},
    VerdictCase{"mixed evidence", {30, -45}, j3, 35},
    VerdictCase{"mixed evidence below zero", {10, -200}, j0, 0},
    VerdictCase{"mixed evidence below zero, short text", {10, -200}, {10, 0, 30, 12}, 12},
    VerdictCase{"mixed evidence above 100", {120, -10}, j0, 100},
    VerdictCase{"fractional term", {0, 0, 0, -2.5, 10}, j0, 57.5}));

TEST(Verdict, adjustmentComesFromTheLastDigitOfTheLargerLetterCount)
{
    const struct {
        std::int32_t first, second;
        int expected;
    } cases[] = {{0, 0, 0}, {7, 3, 4}, {10, 9, 0}, {1230, 987, 0}, {412, 388, 1}, {13, 4, 2}, {16, 2, 3}, {19, 0, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(verdictAdjustment(c.first, c.second), c.expected) << c.first << ", " << c.second;
}

TEST(Verdict, showsTheScoreRoundedUp)
{
    EXPECT_EQ(shownPercent(62.2), 63);
    EXPECT_EQ(shownPercent(62.5), 63);
    EXPECT_EQ(shownPercent(62.0), 62);
    EXPECT_EQ(shownPercent(0.0), 0);
    EXPECT_EQ(shownPercent(100.0), 100);
}

} // namespace
} // namespace quendry
