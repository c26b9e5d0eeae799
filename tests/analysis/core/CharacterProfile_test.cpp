#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/ProgressListener.h"

#include <gtest/gtest.h>

#include <functional>

namespace quendry {
namespace {

class CountingProgress : public ProgressListener {
public:
    void advanced(int steps) override { total += steps; }
    int total = 0;
};

CharacterProfile profile(std::string_view text)
{
    static const Dictionary dictionary = Dictionary::fromText("#A#");
    static const Dictionary names;
    static const EmoticonKeywords emoticons;
    WordClassifier classifier(dictionary, names, emoticons);
    CountingProgress progress;
    CharacterProfile result = profileCharacters(text, classifier, progress);
    EXPECT_EQ(progress.total, static_cast<int>(text.size())) << "one progress step per character";
    return result;
}

struct CountCase {
    const char* text;
    std::function<std::int32_t(const CharacterProfile&)> field;
    const char* fieldName;
    std::int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const CountCase& c)
{
    return out << c.fieldName << " of \"" << c.text << '"';
}

class CharacterCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(CharacterCountTest, counts)
{
    EXPECT_EQ(GetParam().field(profile(GetParam().text)), GetParam().expected);
}

#define FIELD(name) [](const CharacterProfile& p) { return static_cast<std::int32_t>(p.name); }, #name

INSTANTIATE_TEST_SUITE_P(Marks, CharacterCountTest, testing::Values(
    // Marks next to a digit are not counted.
    CountCase{"3.5 1,000 10:30 (1)", FIELD(periodCount), 0},
    CountCase{"3.5 1,000 10:30 (1)", FIELD(commaCount), 0},
    CountCase{"3.5 1,000 10:30 (1)", FIELD(colonCount), 0},
    // A run of full stops counts once.
    CountCase{"Wait...", FIELD(periodCount), 1},
    CountCase{"Wait... and.", FIELD(periodCount), 2},
    CountCase{"End..", FIELD(periodCount), 1},
    // Spacing around question marks; a CR counts after a mark, not before it.
    CountCase{"Yes ?", FIELD(spaceQuestionCount), 1},
    CountCase{"Yes? No", FIELD(questionSpaceCount), 1},
    CountCase{"Yes?", FIELD(questionSpaceCount), 0},
    CountCase{"Yes?", FIELD(spaceQuestionCount), 0},
    CountCase{"a,\rb", FIELD(commaSpaceCount), 1},
    CountCase{"a\r,b", FIELD(spaceCommaCount), 0},
    CountCase{"end.. next", FIELD(periodSpaceCount), 1},
    CountCase{"a . b", FIELD(spacePeriodCount), 1},
    CountCase{"Hi! 5!", FIELD(exclamationCount), 1},
    CountCase{"a;b;", FIELD(semicolonCount), 2}));

INSTANTIATE_TEST_SUITE_P(Words, CharacterCountTest, testing::Values(
    // Word runs are runs of codes 65 and above, so a contraction makes two.
    CountCase{"don't", FIELD(wordCount), 2},
    CountCase{"don't", FIELD(wordTokenCount), 1},
    CountCase{"don't", FIELD(otherSymbolCount), 0},
    CountCase{"abc1def", FIELD(wordCount), 2},
    CountCase{"[x]_y \xe9t\xe9", FIELD(wordCount), 2},
    CountCase{"one two three four five", FIELD(wordCount), 5},
    CountCase{"", FIELD(wordCount), 0},
    // A token of apostrophes alone still counts as a token.
    CountCase{"a '' b", FIELD(wordTokenCount), 3},
    CountCase{"It's 2 o'clock", FIELD(letterCount), 9},
    // Other symbols: everything but letters, digits, space, CR, LF and . , ? -
    CountCase{"a-b, c. d? e\xf0", FIELD(otherSymbolCount), 1},
    CountCase{"'quoted' rock'n'roll", FIELD(otherSymbolCount), 2},
    CountCase{"en \x96 dash", FIELD(otherSymbolCount), 1}));

TEST(CharacterProfile, findsLowercaseIOnlyBetweenSpacesOrEnds)
{
    const std::pair<const char*, bool> cases[] = {
        {"he said i think", true},
        {"i", true},
        {"i'm here", false},
        {"so i.", false},
        {"so\ri went", false},
        {"I said", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(profile(text).lowercaseIFlag, expected) << text;
}

TEST(CharacterProfile, recordsRunsOfTwoOrMoreSymbolsWithTheirCounts)
{
    const CharacterProfile p = profile("Hi!!! What?! Oh!!! (x;) end!");
    EXPECT_EQ(p.symbolRuns, (CountedTexts{{"!!!", 2}, {"?!", 1}, {";)", 1}}));
}

TEST(CharacterProfile, endsTheLastTokenAndRunAtTheEndOfTheText)
{
    const CharacterProfile p = profile("one two?!");
    EXPECT_EQ(p.wordTokenCount, 2);
    EXPECT_EQ(p.symbolRuns, (CountedTexts{{"?!", 1}}));
}

TEST(CharacterProfile, keepsSpecialCharactersSortedAndFoldsTheirCase)
{
    // 154 after 138 differs only in case; 150 (en dash) and 167 (section sign) are kept.
    const CharacterProfile p = profile("\xa7 \x8a \x9a \x96 \xa7 { \xc0");
    EXPECT_EQ(p.specialChars, (StringList{"{", "\x8a", "\x96", "\xa7"}));
}

} // namespace
} // namespace quendry
