#include "analysis/profile/Emoticons.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quendry {
namespace {

struct EmoticonCase {
    std::string text;
    std::int32_t okCount;
    std::string expectedText;
    std::int32_t expectedCount;
};

void expectCounts(const StringList& emoticons, const StringList& emoticonWords, const EmoticonCase& c)
{
    std::string text = c.text;
    EXPECT_EQ(countEmoticons(text, c.okCount, emoticons, emoticonWords), c.expectedCount) << c.text;
    EXPECT_EQ(text, c.expectedText) << c.text;
}

TEST(Emoticons, deletesSymbolGroupsUntilNoneIsLeft)
{
    const StringList emoticons{":-)", ":)", "ok", "-)", "zzz", "[image]"};
    const EmoticonCase cases[] = {
        {"Fine :-) really :-) yes :-)", 0, "Fine  really  yes ", 3},
        {"Fine :-) really :-) yes :-)", 2, "Fine  really  yes ", 5},
        {"", 4, "", 4},
        {"no faces here", 0, "no faces here", 0},
        {"::))", 0, "", 2},          // deleting the inner one joins the outer two
        {":-:-))", 0, "", 2},
        {"a:)b:)c", 0, "abc", 2},
        {"book ok OK", 1, "book ok OK", 1}, // the item "ok" is left to the normaliser
        {";-)", 0, ";", 1},           // ":-)" is not there, but "-)" is, inside ";-)"
        {"zzzz", 0, "z", 1},
        {"see [image] here", 0, "see  here", 1},
        {"case :-) :-", 0, "case  :-", 1},
    };
    for (const EmoticonCase& c : cases)
        expectCounts(emoticons, {}, c);
}

TEST(Emoticons, searchesEachGroupInWhatTheGroupsBeforeItLeft)
{
    expectCounts({"-)", ":-)"}, {}, {":-)", 0, ":", 1});
    expectCounts({":-)", "-)"}, {}, {":-)", 0, "", 1});
    expectCounts({"(", "::"}, {}, {":(:", 0, "", 2});
}

TEST(Emoticons, deletesEmoticonWordsAfterASentenceMarkButKeepsTheMark)
{
    const StringList words{"coffee", "run", "ok"};
    const EmoticonCase cases[] = {
        {"Great. coffee time", 0, "Great. time", 1},
        {"Great.  coffee!", 0, "Great.!", 1},
        {"Great.coffee", 0, "Great.", 1},
        {"Wow! coffee? coffee", 0, "Wow!?", 2},
        {"Nice. coffeehouse", 0, "Nice.house", 1},  // only the word itself goes
        {"Hi.   coffee", 0, "Hi.   coffee", 0},     // three spaces are too many
        {"Great. Coffee", 0, "Great. Coffee", 0},   // letter case counts
        {"I like coffee", 0, "I like coffee", 0},
        {"A. coffee. coffee", 0, "A..", 2},
        {".coffeecoffee", 0, ".", 2},               // a deletion brings the next one to the mark
        {"Ok. run, run", 0, "Ok., run", 1},
        {"Yes. ok", 3, "Yes.", 4},                  // the emoticon words include "ok"
        {"Done: coffee", 0, "Done: coffee", 0},
        {"", 0, "", 0},
    };
    for (const EmoticonCase& c : cases)
        expectCounts({}, words, c);
}

TEST(Emoticons, symbolGroupsGoBeforeEmoticonWords)
{
    // The group takes "zzz" away before the word step could count it a second time.
    expectCounts({"zzz"}, {"zzz"}, {"Night. zzz", 0, "Night. ", 1});
    expectCounts({}, {"zzz"}, {"Night. zzz", 0, "Night.", 1});
}

TEST(Emoticons, emptyItemsAreSkipped)
{
    expectCounts({"", ":)"}, {"", "coffee"}, {"Hi :) there. coffee", 0, "Hi  there.", 2});
}

// The pass as it reads: find the first occurrence, delete it, search again from the start.
std::int32_t countEmoticonsLiterally(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords)
{
    std::int32_t count = okCount;
    for (const std::string& emoticon : emoticons) {
        if (emoticon == "ok")
            continue;
        for (std::size_t at; (at = text.find(emoticon)) != std::string::npos; ++count)
            text.erase(at, emoticon.size());
    }
    for (const std::string& word : emoticonWords) {
        for (const char* prefix : {".", ". ", ".  ", "!", "! ", "!  ", "?", "? ", "?  "}) {
            const std::string pattern = prefix + word;
            for (std::size_t at; (at = text.find(pattern)) != std::string::npos; ++count)
                text.erase(at + 1, pattern.size() - 1);
        }
    }
    return count;
}

TEST(Emoticons, deletesWhatDeletingTheFirstOccurrenceAgainAndAgainWould)
{
    // Groups and words that overlap themselves and each other, over a small alphabet, so that
    // deletions often join new occurrences.
    const StringList emoticons{":)", ":-)", "))", "co", "ok", "::"};
    const StringList words{"co", "oc", ":)", ". ", "!"};
    const std::string alphabet = ":)-. co!?k";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::size_t i = length(random); i > 0; --i)
            text += alphabet[pick(random)];
        std::string expectedText = text;
        const std::int32_t expectedCount = countEmoticonsLiterally(expectedText, 1, emoticons, words);
        std::string actualText = text;
        ASSERT_EQ(countEmoticons(actualText, 1, emoticons, words), expectedCount) << text;
        ASSERT_EQ(actualText, expectedText) << text;
    }
}

TEST(Emoticons, aLongTextWithManyEmoticonsIsCountedInOnePass)
{
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "so :-) nice. coffee ";
    const std::int32_t count = countEmoticons(text, 0, {":-)"}, {"coffee"});
    EXPECT_EQ(count, 400000);
    EXPECT_EQ(text.size(), 200000u * std::string("so  nice. ").size());
}

} // namespace
} // namespace quendry
