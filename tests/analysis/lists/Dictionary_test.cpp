// The shipped dictionary data/Dct.txt: its format and the words the word classifier relies on.
#include "analysis/profile/Characters.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace quendry {
namespace {

class ShippedDictionary : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char* sourceDir = std::getenv("QUENDRY_SOURCE_DIR");
        ASSERT_NE(sourceDir, nullptr) << "QUENDRY_SOURCE_DIR is not set";
        std::ifstream file(std::string(sourceDir) + "/data/Dct.txt", std::ios::binary);
        ASSERT_TRUE(file) << "cannot open data/Dct.txt";
        text = std::string(std::istreambuf_iterator<char>(file), {});
        upper = toUpperAscii(text);
    }

    // The classifier's lookup: the framed word anywhere in the upper-cased text.
    static bool has(const std::string& word) { return upper.find("#" + word + "#") != std::string::npos; }

    static inline std::string text;
    static inline std::string upper;
};

TEST_F(ShippedDictionary, holdsOneFramedWordALine)
{
    ASSERT_GT(text.size(), 100000u);
    std::istringstream lines(text);
    std::string line;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_GE(line.size(), 3u) << "line " << count;
        ASSERT_EQ(line.front(), '#') << line;
        ASSERT_EQ(line.back(), '#') << line;
        for (std::size_t i = 1; i + 1 < line.size(); ++i)
            ASSERT_TRUE(isLetter(line[i]) || line[i] == '\'') << line;
    }
    EXPECT_GT(count, 50000u);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST_F(ShippedDictionary, holdsCommonWordsAsWritten)
{
    for (const char* word : {"THE", "AND", "PEOPLE", "HOUSE", "APPLE", "BEAUTIFUL", "YESTERDAY", "I", "A"})
        EXPECT_TRUE(has(word)) << word;
}

TEST_F(ShippedDictionary, holdsContractionsThatNoEndingRuleReduces)
{
    for (const char* word : {"DON'T", "CAN'T", "WON'T", "O'CLOCK", "ISN'T", "I'M", "THEY'RE", "WE'VE"})
        EXPECT_TRUE(has(word)) << word;
}

// The classifier reaches these through its ending rules (played, goes, studies, dog's), which
// only ever shorten a token: the base forms themselves must be listed.
TEST_F(ShippedDictionary, holdsTheBaseFormsTheEndingRulesLeadTo)
{
    for (const char* word : {"PLAY", "GO", "STUDY", "DOG", "RUN", "MAKE", "HAPPY"})
        EXPECT_TRUE(has(word)) << word;
}

// Forms that the ending rules cannot take back to their base form must be listed as they are.
TEST_F(ShippedDictionary, holdsInflectionsTheEndingRulesCannotReduce)
{
    for (const char* word : {"RUNNING", "STOPPED", "CHILDREN", "WENT", "TAKEN", "BETTER", "MICE"})
        EXPECT_TRUE(has(word)) << word;
}

TEST_F(ShippedDictionary, accentedWordsAreListedWithBareLetters)
{
    EXPECT_TRUE(has("CAFE"));
    EXPECT_TRUE(has("ECLAIR"));
}

} // namespace
} // namespace quendry
