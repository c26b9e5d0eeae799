#include "analysis/profile/WordClassifier.h"

#include "analysis/profile/CharacterProfile.h"
#include "analysis/run/ProgressListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quendry {
namespace {

// A small world of its own: a handful of dictionary words, names and emoticons.
class WordClassifierTest : public testing::Test {
protected:
    explicit WordClassifierTest(std::string_view dictionaryText
        = "#play#\r\n#go#\r\n#study#\r\n#dog#\r\n#run#\r\n#break#\r\n#cookie#\r\n#use#\r\n#time#\r\n"
          "#milk#\r\n#meet#\r\n#the#\r\n#and#\r\n#nasa#\r\n#ok#\r\n")
        : m_dictionary(Dictionary::fromText(dictionaryText))
        , m_names(Dictionary::fromText("#John#\r\n#MARY#\r\n#jan#\r\n#Zork#"))
        , m_emoticons(StringList{":-)", "oj", "Yikes", "zzz"})
        , m_classifier(m_dictionary, m_names, m_emoticons)
    {
    }

    // Classifies the tokens one after another, as the character pass hands them over.
    void classifyAll(const std::vector<std::string>& tokens)
    {
        std::string previous;
        bool skipNext = false;
        for (const std::string& token : tokens) {
            if (skipNext)
                skipNext = false;
            else
                m_classifier.classify(previous, token, skipNext);
            previous = token;
        }
    }

    bool isRecognised(std::string_view token)
    {
        m_classifier.clear();
        bool skipNext = false;
        m_classifier.classify("", token, skipNext);
        return m_classifier.lists().unrecognisedWordCount == 0;
    }

    const WordLists& lists() const { return m_classifier.lists(); }

    Dictionary m_dictionary;
    Dictionary m_names;
    EmoticonKeywords m_emoticons;
    WordClassifier m_classifier;
};

TEST_F(WordClassifierTest, takesCommonEndingsOffOneAfterTheOther)
{
    const struct {
        std::string_view token;
        bool recognised;
    } cases[] = {
        {"play", true},
        {"PLAY", true},
        {"played", true},  // D, then E
        {"goes", true},    // S, then E
        {"studies", true}, // IES read as Y
        {"dog's", true},   // S, then the apostrophe
        {"cookies", true}, // the IES test leaves the candidate alone: S leaves COOKIE
        {"used", true},
        {"times", true},
        {"playing", true},
        {"meetings", true},  // S, then ING
        {"played's", true},  // S, the apostrophe, D, then E
        {"running", false}, // RUNN; the glued-word step leaves NING
        {"runs", true},
        {"dogs'", false},   // S is not at the end
        {"plays's", false}, // one S only
        {"gos", true},
        {"studys", true},
        {"xies", false},
        {"ing", false},
        {"king", false},    // K
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRecognised(c.token), c.recognised) << c.token;
}

TEST_F(WordClassifierTest, takesGluedEmoticonWordsOutInTheirOrder)
{
    const struct {
        std::string_view token;
        bool recognised;
    } cases[] = {
        {"coffeebreak", true},
        {"breakcoffeerun", true},
        {"cofbreakfee", false}, // COFFEE only appears once BREAK is gone, and BREAK is no entry
        {"okcoffee", false},    // nothing left, and the dictionary has no "##"
        {"rurunn", true},       // one sweep per entry leaves RUN, which is not swept again
        {"mojilk", true},       // OJ comes out after MILK, so the MILK it joins stays
        {"stoutdog", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRecognised(c.token), c.recognised) << c.token;
}

class WordClassifierWithEmptyEntry : public WordClassifierTest {
protected:
    WordClassifierWithEmptyEntry()
        : WordClassifierTest("#play##")
    {
    }
};

TEST_F(WordClassifierWithEmptyEntry, aTokenMadeOnlyOfGluedWordsIsFoundAsTheEmptyEntry)
{
    EXPECT_TRUE(isRecognised("okcoffee"));
    EXPECT_TRUE(isRecognised("zzzzzz"));
    EXPECT_FALSE(isRecognised("okcoffeex"));
}

TEST_F(WordClassifierTest, namesKeepTheirEndingsOffAsWell)
{
    const struct {
        std::string_view token;
        bool name;
    } cases[] = {
        {"John", true}, {"JOHN", true}, {"john", true}, {"Johns", true},
        {"Mary's", true}, // S, then the apostrophe
        {"Janes", true},  // S, then E
        {"Jane", true},
        {"Jans", true},
        {"Marys's", false},
        {"Johnny", false},
        {"", false},
    };
    for (const auto& c : cases) {
        m_classifier.clear();
        bool skipNext = false;
        m_classifier.classify("", c.token, skipNext);
        EXPECT_EQ(skipNext, c.name) << c.token;
        if (c.name) {
            EXPECT_EQ(lists().unrecognisedWordCount, 0) << c.token;
        }
    }
}

TEST_F(WordClassifierTest, aNameTakesTheUnknownWordBeforeItOffTheUnknownWords)
{
    classifyAll({"blorf", "sir", "John", "quux", "the", "blorf"});
    // SIR goes when John follows it; quux after the name is not classified at all.
    EXPECT_EQ(lists().unknownWords, (StringList{"BLORF"}));
    EXPECT_EQ(lists().unrecognisedWordCount, 3); // BLORF, SIR, BLORF
}

TEST_F(WordClassifierTest, aNameIsNotLookedUpInTheDictionary)
{
    classifyAll({"Zork"});
    EXPECT_EQ(lists().unrecognisedWordCount, 0);
}

TEST_F(WordClassifierTest, anUnrecognisedCapitalisedWordIsNotAnUnknownWord)
{
    classifyAll({"blorf", "Blorf", "blorf", "BLORF", "quux", "'blorf"});
    EXPECT_EQ(lists().unrecognisedWordCount, 6);
    EXPECT_EQ(lists().unknownWords, (StringList{"BLORF", "QUUX", "'BLORF"}));
}

TEST_F(WordClassifierTest, emoticonKeywordsAreNeverUnknownWords)
{
    classifyAll({"oj", "yikes", "blorf", "zzz", "oj"});
    EXPECT_EQ(lists().unknownWords, (StringList{"BLORF"}));
    EXPECT_EQ(lists().unrecognisedWordCount, 5); // emoticon keywords are still unrecognised
}

TEST_F(WordClassifierTest, countsWordsWrittenWithoutLowercase)
{
    classifyAll({"NASA", "OK", "NASA", "DON'T", "Nasa", "BLORF", "I", "DON\x92T", "ABC[", "THE"});
    // OK is too short; code 146 and '[' lie above 90, as lowercase letters do.
    EXPECT_EQ(lists().capsWords, (CountedTexts{{"NASA", 2}, {"DON'T", 1}, {"BLORF", 1}, {"THE", 1}}));
}

TEST_F(WordClassifierTest, aNameCountsAsACapitalWordButTheWordAfterItDoesNot)
{
    classifyAll({"MARY", "NASA", "NASA"});
    EXPECT_EQ(lists().capsWords, (CountedTexts{{"MARY", 1}, {"NASA", 1}}));
}

TEST_F(WordClassifierTest, anEmptyTokenChangesNothing)
{
    bool skipNext = false;
    m_classifier.classify("blorf", "", skipNext);
    EXPECT_FALSE(skipNext);
    EXPECT_EQ(lists().unrecognisedWordCount, 0);
    EXPECT_TRUE(lists().unknownWords.empty());
}

TEST_F(WordClassifierTest, clearStartsAFreshText)
{
    classifyAll({"blorf", "NASA"});
    m_classifier.clear();
    classifyAll({"blorf", "NASA"});
    EXPECT_EQ(lists().unknownWords, (StringList{"BLORF"}));
    EXPECT_EQ(lists().capsWords, (CountedTexts{{"NASA", 1}}));
}

// Words of up to 15 characters are remembered packed into two machine words after their first
// lookup; a word that differs from a remembered one only in its last place, or only in its length,
// must not take the remembered kind.
TEST(WordClassifier, remembersEachShortWordByEveryCharacter)
{
    const Dictionary dictionary
        = Dictionary::fromText("#abcdefgh#\r\n#abcdefghijklmno#\r\n#abcdefghijklmnop#\r\n#abcdefghijklmnopq#");
    const Dictionary names;
    const EmoticonKeywords emoticons;
    WordClassifier classifier(dictionary, names, emoticons);
    const std::vector<std::string> tokens = {"abcdefgh", "abcdefgi", "abcdefghi", "abcdefghijklmno", "abcdefghijklmnx",
        "abcdefghijklmn", "abcdefghijklmnop", "abcdefghijklmnoq", "abcdefghijklmnopq"};
    for (int round = 0; round < 2; ++round)
        for (const std::string& token : tokens) {
            bool skipNext = false;
            classifier.classify("", token, skipNext);
        }
    EXPECT_EQ(classifier.lists().unknownWords,
        (StringList{"ABCDEFGI", "ABCDEFGHI", "ABCDEFGHIJKLMNX", "ABCDEFGHIJKLMN", "ABCDEFGHIJKLMNOQ"}));
    EXPECT_EQ(classifier.lists().unrecognisedWordCount, 10);
}

// With a name list holding "##", the empty token would be a name if it were looked up there.
TEST(WordClassifier, anEmptyTokenIsNeverAName)
{
    const Dictionary dictionary = Dictionary::fromText("#the#");
    const Dictionary names = Dictionary::fromText("#John#\r\n##");
    const EmoticonKeywords emoticons;
    WordClassifier classifier(dictionary, names, emoticons);
    bool skipNext = false;
    classifier.classify("the", "", skipNext);
    EXPECT_FALSE(skipNext);
}

// The character pass and the classifier together: the token after a name is counted as a token
// but neither looked up, collected nor counted as a capital word.
TEST_F(WordClassifierTest, theCharacterPassLeavesTheTokenAfterANameAlone)
{
    ProgressListener progress;
    const CharacterProfile profile = profileCharacters("blorf John NASA quux, NASA ''' the", m_classifier, progress);
    EXPECT_EQ(profile.wordTokenCount, 7);
    EXPECT_EQ(lists().unknownWords, (StringList{"QUUX"}));
    EXPECT_EQ(lists().unrecognisedWordCount, 2); // BLORF, QUUX
    EXPECT_EQ(lists().capsWords, (CountedTexts{{"NASA", 1}}));
}

} // namespace
} // namespace quendry
