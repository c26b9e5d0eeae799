#include "analysis/run/ComparisonResult.h"
#include "analysis/run/Rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string_view>

namespace quendry {
namespace {

using Rule = std::function<std::int32_t(const TextProfile&, const TextProfile&)>;

struct RuleCase {
    const char* description;
    TextProfile first;
    TextProfile second;
    std::int32_t expected;
};

void expectCases(const Rule& rule, std::initializer_list<RuleCase> cases)
{
    for (const RuleCase& c : cases)
        EXPECT_EQ(rule(c.first, c.second), c.expected) << c.description;
}

TextProfile marks(std::int32_t exclamations, std::int32_t colons, std::int32_t semicolons)
{
    TextProfile p;
    p.characters.exclamationCount = exclamations;
    p.characters.colonCount = colons;
    p.characters.semicolonCount = semicolons;
    return p;
}

TEST(Rules, equalUseRulesRewardTheRarerUse)
{
    expectCases(exclamationPoints, {
        {"3 and 12", marks(3, 0, 0), marks(12, 0, 0), 18},
        {"9 and 8, capped", marks(9, 0, 0), marks(8, 0, 0), 42},
        {"7 and 7", marks(7, 0, 0), marks(7, 0, 0), 42},
        {"0 and 5", marks(0, 0, 0), marks(5, 0, 0), 0},
    });
    expectCases(colonPoints, {
        {"4 and 4", marks(0, 4, 0), marks(0, 4, 0), 60},
        {"10 and 20, no cap", marks(0, 10, 0), marks(0, 20, 0), 150},
        {"0 and 5", marks(0, 0, 0), marks(0, 5, 0), 0},
    });
    expectCases(semicolonPoints, {
        {"0 and 5", marks(0, 0, 0), marks(0, 0, 5), 0},
        {"2 and 5", marks(0, 0, 2), marks(0, 0, 5), 30},
        {"colons do not count", marks(0, 4, 0), marks(0, 4, 0), 0},
    });
}

TextProfile sentences(std::int32_t words, std::int32_t sentenceCount)
{
    TextProfile p;
    p.characters.wordCount = words;
    p.sentenceCount = sentenceCount;
    return p;
}

TEST(Rules, sentenceLengthComparesWordsPerSentence)
{
    expectCases(sentenceLengthPoints, {
        {"10 and 10 words per sentence", sentences(100, 10), sentences(50, 5), 10},
        {"ratio 1.05", sentences(105, 10), sentences(100, 10), 10},
        {"ratio 1.1", sentences(110, 10), sentences(100, 10), 0},
        {"12 and 10", sentences(120, 10), sentences(100, 10), 0},
        {"ratio 2", sentences(200, 10), sentences(100, 10), -15},
        {"ratio 2.5", sentences(100, 4), sentences(100, 10), -20},
        {"30 and 10", sentences(300, 10), sentences(100, 10), -25},
        {"ratio 3.5", sentences(350, 10), sentences(100, 10), -30},
        {"ratio 4", sentences(400, 10), sentences(100, 10), -35},
        {"ratio 4.5", sentences(450, 10), sentences(100, 10), -40},
        {"ratio 5", sentences(100, 10), sentences(500, 10), -45},
        {"ratio 5.5", sentences(550, 10), sentences(100, 10), -50},
        {"ratio 5.99", sentences(599, 10), sentences(100, 10), -50},
        {"ratio 6", sentences(600, 10), sentences(100, 10), -60},
        {"ratio 50", sentences(5000, 10), sentences(100, 10), -60},
        {"a text without a sentence", sentences(300, 0), sentences(100, 10), 0},
        {"the other text without a sentence", sentences(300, 10), sentences(100, 0), 0},
    });
}

TextProfile unknown(std::int32_t words, std::size_t unknownCount)
{
    TextProfile p;
    p.characters.wordCount = words;
    for (std::size_t i = 0; i < unknownCount; ++i)
        p.unknownWords.push_back("WORD" + std::to_string(i));
    return p;
}

TEST(Rules, unknownWordRateComparesWordsPerUnknownWord)
{
    expectCases(unknownWordRatePoints, {
        {"counts differ by 2", unknown(500, 5), unknown(10, 3), 0},
        {"200 words, 4 unknown, against 100 words, none", unknown(200, 4), unknown(100, 0), -10},
        {"the same, swapped", unknown(100, 0), unknown(200, 4), -10},
        {"ratio just below 2.5", unknown(201, 4), unknown(100, 0), 0},
        {"ratio 3", unknown(120, 4), unknown(100, 10), -15},
        {"ratio 4.5", unknown(180, 4), unknown(100, 10), -30},
        {"ratio 5", unknown(200, 4), unknown(100, 10), -35},
        {"ratio 6.5", unknown(260, 4), unknown(100, 10), -50},
        {"ratio 9.25", unknown(370, 4), unknown(100, 10), -75},
        {"ratio 9.5", unknown(380, 4), unknown(10, 1), -80},
        {"equal rates", unknown(100, 5), unknown(200, 10), 0},
    });
}

TextProfile symbols(std::int32_t words, std::int32_t otherSymbols)
{
    TextProfile p;
    p.characters.wordCount = words;
    p.characters.otherSymbolCount = otherSymbols;
    return p;
}

TEST(Rules, otherSymbolRateComparesWordsPerSymbol)
{
    expectCases(otherSymbolRatePoints, {
        {"neither text has one", symbols(80, 0), symbols(60, 0), 0},
        {"80 words, 2 symbols, against 60, none", symbols(80, 2), symbols(60, 0), 0},
        {"80 words, 20 symbols, against 60, none", symbols(80, 20), symbols(60, 0), -100},
        {"ratio 4", symbols(40, 10), symbols(40, 40), -30},
        {"ratio 5", symbols(40, 8), symbols(40, 40), -35},
        {"ratio 13", symbols(130, 10), symbols(10, 10), -75},
        {"ratio 13.9", symbols(139, 10), symbols(10, 10), -75},
        {"ratio 14", symbols(140, 10), symbols(10, 10), -100},
    });
}

TextProfile emoticons(std::int32_t tokens, std::int32_t emoticonCount)
{
    TextProfile p;
    p.characters.wordTokenCount = tokens;
    p.emoticonCount = emoticonCount;
    return p;
}

TEST(Rules, emoticonRateComparesWordTokensPerEmoticon)
{
    expectCases(emoticonRatePoints, {
        {"no emoticon in either text", emoticons(100, 0), emoticons(10, 0), 0},
        {"100 tokens, 5 emoticons, against 90, none", emoticons(100, 5), emoticons(90, 0), -25},
        {"ratio 3.9", emoticons(39, 10), emoticons(10, 10), 0},
        {"ratio 4", emoticons(40, 10), emoticons(10, 10), -20},
        {"ratio 19", emoticons(190, 10), emoticons(10, 10), -95},
        {"ratio 20", emoticons(10, 10), emoticons(200, 10), -100},
        {"both use them alike", emoticons(100, 5), emoticons(40, 2), 0},
    });
}

TextProfile caps(std::int32_t tokens, std::size_t capsCount)
{
    TextProfile p;
    p.characters.wordTokenCount = tokens;
    for (std::size_t i = 0; i < capsCount; ++i) {
        p.capsWords.push_back({"CAPS" + std::to_string(i), 1});
    }
    return p;
}

TEST(Rules, capsWordRateComparesWordTokensPerCapitalWord)
{
    expectCases(capsWordRatePoints, {
        {"1 and 0 capital words", caps(1000, 1), caps(10, 0), 0},
        {"0 and 1 capital words", caps(10, 0), caps(1000, 1), 0},
        {"0 and 0 with 200 and 40 tokens", caps(200, 0), caps(40, 0), -25},
        {"0 and 0 with 100 and 90 tokens", caps(100, 0), caps(90, 0), 0},
        {"2 and 0", caps(100, 2), caps(160, 0), -20},
        {"ratio 10", caps(100, 10), caps(100, 1), -50},
        {"ratio 3.99", caps(399, 100), caps(1, 1), 0},
    });
}

TextProfile starts(std::int32_t tokens, std::int32_t lowercaseStarts, std::int32_t phrases)
{
    TextProfile p;
    p.characters.wordTokenCount = tokens;
    p.lowercaseSentenceStarts = lowercaseStarts;
    p.phraseCount = phrases;
    return p;
}

TEST(Rules, oneSidedRulesPenaliseAHabitOnlyOneTextShows)
{
    expectCases(lowercaseStartPoints, {
        {"3 and 0 in 120 tokens", starts(120, 3, 0), starts(50, 0, 0), -20},
        {"0 and 3 in 120 tokens, the second text's count", starts(50, 0, 0), starts(120, 3, 0), -20},
        {"3 and 1", starts(120, 3, 0), starts(50, 1, 0), 0},
        {"1 and 0, below the minimum", starts(120, 1, 0), starts(50, 0, 0), 0},
        {"2 and 0, 36 tokens: r 18", starts(36, 2, 0), starts(50, 0, 0), -20},
        {"r 17.5", starts(35, 2, 0), starts(50, 0, 0), -25},
        {"r 12", starts(24, 2, 0), starts(50, 0, 0), -25},
        {"r 8", starts(16, 2, 0), starts(50, 0, 0), -35},
        {"r 7.5", starts(15, 2, 0), starts(50, 0, 0), -40},
        {"phrases do not count", starts(50, 0, 9), starts(50, 0, 0), 0},
    });
    expectCases(phraseRatePoints, {
        {"0 and 2, below the minimum", starts(60, 0, 0), starts(60, 0, 2), 0},
        {"0 and 10 in 60 tokens", starts(500, 0, 0), starts(60, 0, 10), -40},
        {"3 and 0 in 60 tokens", starts(60, 0, 3), starts(500, 0, 0), -20},
        {"both use phrases", starts(60, 0, 3), starts(60, 0, 30), 0},
    });
}

TextProfile withRuns(std::int32_t words, CountedTexts runs)
{
    TextProfile p;
    p.characters.wordCount = words;
    p.characters.symbolRuns = std::move(runs);
    indexProfile(p, "");
    return p;
}

TEST(Rules, unsharedSymbolRunsArePenalisedRunByRun)
{
    expectCases(unsharedSymbolRunPoints, {
        {"?! four times in 100 words, never in the other", withRuns(100, {{"?!", 4}}), withRuns(100, {}), -20},
        {"used twice", withRuns(100, {{"?!", 2}}), withRuns(100, {}), 0},
        {"present in both", withRuns(100, {{"?!", 40}}), withRuns(100, {{"..", 1}, {"?!", 1}}), 0},
        {"the second text's run, with its word count", withRuns(100, {{"...", 1}}),
            withRuns(30, {{"!!", 3}}), -35},
        {"two runs in both directions", withRuns(60, {{"!!", 3}, {"...", 10}}), withRuns(60, {{"??", 5}}),
            -20 - 40 - 25},
        {"another run does not match", withRuns(100, {{"!!!", 4}}), withRuns(100, {{"!!", 1}}), -20},
    });
}

TextProfile text(std::string content)
{
    TextProfile p;
    indexProfile(p, content);
    return p;
}

TEST(Rules, ampersandRewardsTwoTextsThatUseIt)
{
    expectCases(ampersandPoints, {
        {"both", text("salt & pepper"), text("R&D"), 15},
        {"one", text("salt & pepper"), text("salt and pepper"), 0},
        {"neither", text("a"), text("b"), 0},
    });
}

TEST(Rules, plainCharsetRewardsTextsOfLettersDigitsAndPlainMarks)
{
    expectCases(plainCharsetPoints, {
        {"plain", text("Call me at 9, ok?\r\nWell-known. Yes."), text("Fine - see you"), 15},
        {"an apostrophe", text("Don't"), text("Fine"), 0},
        {"an exclamation mark in the second", text("Fine"), text("Fine!"), 0},
        {"a tab", text("a\tb"), text("Fine"), 0},
        {"a letter above 127", text("caf\xE9"), text("Fine"), 0},
    });
}

TextProfile specials(StringList chars)
{
    TextProfile p;
    p.characters.specialChars = std::move(chars);
    return p;
}

TEST(Rules, specialCharactersRewardTwoTextsThatUseThem)
{
    expectCases(specialCharPoints, {
        {"both use the section sign", specials({"\xA7"}), specials({"\xA7"}), 10},
        {"one of several shared", specials({"\xA4", "\xA7"}), specials({"\xA7", "\xB0"}), 10},
        {"section sign against currency sign", specials({"\xA7"}), specials({"\xA4"}), 5},
        // The lists hold a character once whatever its case, and so compare them.
        {"S with caron in either case", specials({"\x8A"}), specials({"\x9A"}), 10},
        {"oe ligature in either case", specials({"\x9C"}), specials({"\x8C"}), 10},
        {"one text without", specials({"\xA7"}), specials({}), 0},
        {"neither", specials({}), specials({}), 0},
    });
}

TextProfile lowercaseI(bool flag)
{
    TextProfile p;
    p.characters.lowercaseIFlag = flag;
    return p;
}

TEST(Rules, lowercaseIComparesTheFlags)
{
    expectCases(lowercaseIPoints, {
        {"both", lowercaseI(true), lowercaseI(true), 20},
        {"first only", lowercaseI(true), lowercaseI(false), -15},
        {"second only", lowercaseI(false), lowercaseI(true), -15},
        {"neither", lowercaseI(false), lowercaseI(false), 0},
    });
}

TEST(Rules, sharedUnknownWordsRewardByHowManyTheTextsShare)
{
    const struct {
        std::size_t count;
        std::int32_t expected;
    } cases[] = {{0, 0}, {1, 10}, {2, 30}, {3, 50}, {7, 50}};
    for (const auto& c : cases)
        EXPECT_EQ(sharedUnknownWordPoints(c.count), c.expected) << c.count;
}

TEST(Rules, everyTermExplainsEachSignItCanTake)
{
    // The terms that can be rewards and those that can be penalties, by name.
    const std::set<std::string_view> rewards{"sharedSymbolRunPoints", "sharedCapsWordPoints",
        "sharedUnknownWordPoints", "commaRatePoints", "contractionPoints", "ampersandPoints", "sentenceLengthPoints",
        "repeatedSymbolPoints", "exclamationPoints", "colonPoints", "semicolonPoints", "lowercaseIPoints",
        "plainCharsetPoints", "hyphenSpacingPoints", "specialCharPoints"};
    const std::set<std::string_view> penalties{"wordLengthPoints", "spaceBeforeMarkPoints", "spaceAfterMarkPoints",
        "commaRatePoints", "contractionPoints", "sentenceLengthPoints", "unknownWordRatePoints",
        "unsharedSymbolRunPoints", "loneSymbolPoints", "lowercaseStartPoints", "otherSymbolRatePoints",
        "lowercaseIPoints", "emoticonRatePoints", "capsWordRatePoints", "phraseRatePoints"};
    for (const TermInfo& term : termTable()) {
        EXPECT_EQ(!term.rewardReason.empty(), rewards.contains(term.name)) << term.name;
        EXPECT_EQ(!term.penaltyReason.empty(), penalties.contains(term.name)) << term.name;
    }
}

} // namespace
} // namespace quendry
