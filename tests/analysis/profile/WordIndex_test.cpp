#include "analysis/profile/WordIndex.h"

#include <gtest/gtest.h>

#include <string>

namespace quendry {
namespace {

// Many words, so that the table grows several times, with every other word removed on the way:
// removed slots must neither hide the words behind them nor be found.
TEST(WordIndex, findsEveryWordThroughGrowthAndRemovals)
{
    StringList words;
    WordIndex index;
    for (std::uint32_t i = 0; i < 5000; ++i) {
        words.push_back("W" + std::to_string(i));
        index.add(words, i);
        if (i % 2 == 1)
            index.remove(words, i - 1);
    }
    for (std::uint32_t i = 0; i < 5000; ++i)
        EXPECT_EQ(index.find(words, words[i]), i % 2 == 1 ? i : WordIndex::none) << words[i];
    EXPECT_EQ(index.find(words, "W5000"), WordIndex::none);
    EXPECT_FALSE(index.empty());
}

TEST(WordIndex, aRemovedWordCanComeBackAtAnotherPosition)
{
    StringList words{"A", "B"};
    WordIndex index;
    index.add(words, 0);
    index.add(words, 1);
    index.remove(words, 0);
    words[0].clear();
    words.push_back("A");
    index.add(words, 2);
    EXPECT_EQ(index.find(words, "A"), 2u);

    // Closing up the list moves the words; the index follows once rebuilt.
    std::erase(words, std::string());
    index.rebuild(words);
    EXPECT_EQ(index.find(words, "B"), 0u);
    EXPECT_EQ(index.find(words, "A"), 1u);
    index.clear();
    EXPECT_TRUE(index.empty());
    EXPECT_EQ(index.find(words, "A"), WordIndex::none);
}

} // namespace
} // namespace quendry
