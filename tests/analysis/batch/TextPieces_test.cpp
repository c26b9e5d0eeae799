#include "analysis/batch/TextPieces.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace quendry {
namespace {

std::string joined(const std::vector<std::string_view>& pieces)
{
    std::string text;
    for (const std::string_view piece : pieces)
        text += "[" + std::string(piece) + "]";
    return text;
}

TEST(TextPieces, cutsAtSentenceEnds)
{
    const struct {
        const char* description;
        std::string text;
        int words;
        std::string expected;
    } cases[] = {
        {"empty text", "", 3, ""},
        {"only blanks", " \r\n\t ", 3, ""},
        {"fewer words than a piece", "One two.", 3, "[One two.]"},
        {"cut after the sentence that fills the piece", "a b c. d e f. g h i.", 3, "[a b c.][d e f.][g h i.]"},
        {"a piece runs on to the sentence end", "a b c d. e f g.", 3, "[a b c d.][e f g.]"},
        {"closing quotes and brackets after the mark", "a b \"c!\" d e (f?) g h i.", 3, "[a b \"c!\"][d e (f?)][g h i.]"},
        {"no sentence end: cut at twice the size", "a b c d e f g h", 2, "[a b c d][e f g h]"},
        {"a short rest joins the piece before", "a b c d. e", 4, "[a b c d. e]"},
        {"a rest of half a piece stays a piece", "a b c d. e f", 4, "[a b c d.][e f]"},
        {"line breaks stay inside a piece, blanks between pieces go", "a\r\nb.  \r\nc\r\nd.", 2, "[a\r\nb.][c\r\nd.]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joined(cutIntoPieces(c.text, c.words)), c.expected) << c.description;
}

TEST(TextPieces, takesEveryPairUpToTheLimit)
{
    const auto pairs = piecePairs(3, 4, 12);
    ASSERT_EQ(pairs.size(), 12u);
    EXPECT_EQ(pairs.front(), (std::pair{0, 0}));
    EXPECT_EQ(pairs.back(), (std::pair{2, 3}));
    EXPECT_TRUE(piecePairs(0, 4).empty());
}

TEST(TextPieces, spreadsPairsEvenlyBeyondTheLimit)
{
    const struct {
        int first;
        int second;
    } cases[] = {{10, 10}, {11, 10}, {7, 40}, {40, 7}, {1, 500}, {200, 200}};
    for (const auto& c : cases) {
        const auto pairs = piecePairs(c.first, c.second, 100);
        ASSERT_EQ(pairs.size(), 100u);
        const std::set<std::pair<int, int>> distinct(pairs.begin(), pairs.end());
        EXPECT_EQ(distinct.size(), 100u) << c.first << "x" << c.second;
        std::map<int, int> firstUses;
        std::map<int, int> secondUses;
        for (const auto& [a, b] : pairs) {
            ASSERT_TRUE(a >= 0 && a < c.first && b >= 0 && b < c.second);
            ++firstUses[a];
            ++secondUses[b];
        }
        // Every piece of the text with fewer pieces is used, and as often as the others give or take one.
        const auto& fewer = c.first <= c.second ? firstUses : secondUses;
        const int fewerCount = std::min(c.first, c.second);
        if (fewerCount <= 100) {
            EXPECT_EQ(static_cast<int>(fewer.size()), fewerCount) << c.first << "x" << c.second;
            int least = 100;
            int most = 0;
            for (const auto& [piece, uses] : fewer) {
                least = std::min(least, uses);
                most = std::max(most, uses);
            }
            EXPECT_LE(most - least, 1) << c.first << "x" << c.second;
        }
        // The other text's pieces are spread, not bunched at its start.
        const auto& more = c.first <= c.second ? secondUses : firstUses;
        const int moreCount = std::max(c.first, c.second);
        EXPECT_GE(more.rbegin()->first, moreCount - moreCount / 10 - 1) << c.first << "x" << c.second;
    }
}

TEST(TextPieces, median)
{
    EXPECT_EQ(median({}), 0.0);
    EXPECT_EQ(median({7}), 7.0);
    EXPECT_EQ(median({9, 1, 5}), 5.0);
    EXPECT_EQ(median({10, 1, 3, 20}), 6.5);
}

} // namespace
} // namespace quendry
