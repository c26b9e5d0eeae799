#include "analysis/lists/ReferenceLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quendry {
namespace {

// --- Preparation -------------------------------------------------------------------------------

struct PrepareCase {
    const char* name;
    StringList stored;
    StringList expected;

    friend void PrintTo(const PrepareCase& c, std::ostream* os) { *os << c.name; }
};

class PrepareListTest : public testing::TestWithParam<PrepareCase> {};

TEST_P(PrepareListTest, trimsItemsAndDropsEmptyOnes)
{
    EXPECT_EQ(prepareList(GetParam().stored), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrepareListTest, testing::Values(
    PrepareCase{"trailingSpacesGo", {"biggrin ", "ale  ", ":-)"}, {"biggrin", "ale", ":-)"}},
    PrepareCase{"controlCodesAtBothEndsGo", {"\t x\x01", "\x1F y \x7F"}, {"x", "y \x7F"}},
    PrepareCase{"innerSpacesStay", {"  give  in  "}, {"give  in"}},
    PrepareCase{"emptyItemsGo", {"", "a", "", "   ", "b", "\t"}, {"a", "b"}},
    PrepareCase{"duplicatesAndOrderStay", {"b", "a", "b ", "a"}, {"b", "a", "b", "a"}},
    PrepareCase{"allEmptyGivesNothing", {"", " ", "\t\r\n"}, {}},
    PrepareCase{"nothingGivesNothing", {}, {}},
    // The items are joined with line breaks and split again.
    PrepareCase{"lineBreakInsideAnItemSplitsIt", {"a\r\nb", "c\nd", "e\rf"}, {"a", "b", "c", "d", "e", "f"}},
    // Only codes 0-32 are trimmed: 0x92 and the no-break space 0xA0 are text.
    PrepareCase{"highBytesStay", {"a bird\x92s eye view ", "\xA0x\xA0"}, {"a bird\x92s eye view", "\xA0x\xA0"}}),
    [](const testing::TestParamInfo<PrepareCase>& info) { return info.param.name; });

// --- Built-in lists ----------------------------------------------------------------------------

const ReferenceLists& lists()
{
    static const ReferenceLists builtIn = builtInReferenceLists();
    return builtIn;
}

TEST(BuiltInLists, countsOfTheEmoticonLists)
{
    EXPECT_EQ(lists().emoticons.size(), 167u);
    EXPECT_EQ(lists().emoticonWords.size(), 197u);
}

struct ItemCase {
    StringList ReferenceLists::*list;
    std::size_t index;
    const char* item;

    friend void PrintTo(const ItemCase& c, std::ostream* os) { *os << c.index; }
};

class BuiltInItemTest : public testing::TestWithParam<ItemCase> {};

TEST_P(BuiltInItemTest, itemAtItsPlace)
{
    const ItemCase& c = GetParam();
    const StringList& list = lists().*c.list;
    ASSERT_LT(c.index, list.size());
    EXPECT_EQ(list[c.index], c.item);
}

INSTANTIATE_TEST_SUITE_P(Items, BuiltInItemTest, testing::Values(
    ItemCase{&ReferenceLists::emoticons, 0, "%-)"},
    ItemCase{&ReferenceLists::emoticons, 15, ":-#|"},
    ItemCase{&ReferenceLists::emoticons, 19, ":'-("},
    ItemCase{&ReferenceLists::emoticons, 39, ":-`"},
    ItemCase{&ReferenceLists::emoticons, 43, ":-|"},
    ItemCase{&ReferenceLists::emoticons, 82, "[image]"},
    ItemCase{&ReferenceLists::emoticons, 83, "`:-)"},
    ItemCase{&ReferenceLists::emoticons, 85, "|-i"},
    ItemCase{&ReferenceLists::emoticons, 89, "}:^#})"},
    ItemCase{&ReferenceLists::emoticons, 124, "Food:"},
    ItemCase{&ReferenceLists::emoticons, 166, "zzz"},
    ItemCase{&ReferenceLists::emoticonWords, 0, "ale"},
    ItemCase{&ReferenceLists::emoticonWords, 11, "biggrin"},
    ItemCase{&ReferenceLists::emoticonWords, 78, "Food:"},
    ItemCase{&ReferenceLists::emoticonWords, 170, "ta"},
    ItemCase{&ReferenceLists::emoticonWords, 196, "zzz"}));

TEST(BuiltInLists, emoticonWordsShareSixtySevenItemsWithTheEmoticons)
{
    const std::set<std::string> emoticons(lists().emoticons.begin(), lists().emoticons.end());
    const auto shared = std::count_if(lists().emoticonWords.begin(), lists().emoticonWords.end(),
                                      [&](const std::string& w) { return emoticons.count(w) > 0; });
    EXPECT_EQ(shared, 67);
}

TEST(BuiltInLists, everyNameIsFramedByHashes)
{
    ASSERT_GT(lists().names.size(), 600u);
    for (const std::string& name : lists().names) {
        ASSERT_GE(name.size(), 3u) << name;
        EXPECT_EQ(name.front(), '#') << name;
        EXPECT_EQ(name.back(), '#') << name;
        const std::string inner = name.substr(1, name.size() - 2);
        EXPECT_TRUE(std::all_of(inner.begin(), inner.end(), [](char c) { return isLetter(c); })) << name;
    }
}

bool hasName(const char* name)
{
    const std::string framed = "#" + toUpperAscii(name) + "#";
    return std::any_of(lists().names.begin(), lists().names.end(),
                       [&](const std::string& n) { return toUpperAscii(n) == framed; });
}

TEST(BuiltInLists, namesHoldCommonGivenNamesAndShortForms)
{
    for (const char* name : {"Aaron", "Ada", "John", "Mary", "Winnie", "Liz", "Jim", "Kate"})
        EXPECT_TRUE(hasName(name)) << name;
}

// A name turns the token after it into a skipped one, and the name lookup also takes off a final
// S or E: names that are, or make, frequent words would hide ordinary text.
TEST(BuiltInLists, noNameDoublesAsAFrequentWord)
{
    for (const char* name : {"Will", "May", "Tim", "Sam", "Don", "Sid", "Lin", "Les", "Art", "Hope", "Mark"})
        EXPECT_FALSE(hasName(name)) << name;
}

TEST(BuiltInLists, everyPhraseIsShortWithSingleSpaces)
{
    ASSERT_GT(lists().phrases.size(), 3000u);
    for (const std::string& phrase : lists().phrases) {
        EXPECT_LE(phrase.size(), 46u) << phrase;
        EXPECT_FALSE(phrase.empty());
        EXPECT_EQ(trimmed(phrase), phrase) << phrase;
        EXPECT_EQ(phrase.find("  "), std::string::npos) << phrase;
        EXPECT_TRUE(std::none_of(phrase.begin(), phrase.end(), [](char c) { return isTrimmable(c) && c != ' '; }))
            << phrase;
    }
}

TEST(BuiltInLists, phrasesStartWithEveryLetter)
{
    std::set<char> initials;
    for (const std::string& phrase : lists().phrases)
        initials.insert(toUpperAscii(phrase.front()));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        EXPECT_TRUE(initials.count(letter)) << letter;
}

TEST(BuiltInLists, phrasesAreOrderedWithoutRegardToCase)
{
    const StringList& phrases = lists().phrases;
    for (std::size_t i = 1; i < phrases.size(); ++i)
        EXPECT_LE(toLowerAscii(phrases[i - 1]), toLowerAscii(phrases[i])) << phrases[i];
}

TEST(BuiltInLists, phrasesHoldCommonStockPhrases)
{
    for (const char* phrase : {"give in", "for example", "get rid of", "first of all", "from time to time",
                               "of course", "at the same time", "a.k.a.", "CEO"}) {
        EXPECT_NE(std::find(lists().phrases.begin(), lists().phrases.end(), phrase), lists().phrases.end())
            << phrase;
    }
}

} // namespace
} // namespace quendry
