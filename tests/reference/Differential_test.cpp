// The engine's fast steps against the plain ones, on generated inputs built from small alphabets
// that provoke each rule, and on pieces of real novels (or of the repository's own prose where the
// corpus is missing).

#include "ReferenceEngine.h"
#include "ReferenceRun.h"

#include "analysis/features/Contractions.h"
#include "analysis/features/Habits.h"
#include "analysis/features/Phrases.h"
#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/profile/RepeatedMarks.h"
#include "analysis/profile/Sentences.h"
#include "analysis/profile/Windows1252.h"
#include "analysis/run/Analyzer.h"
#include "analysis/run/Comparison.h"
#include "analysis/run/ProgressListener.h"
#include "analysis/run/Rules.h"
#include "analysis/run/TwoTextComparison.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace quendry {
namespace {

int casesPerFamily()
{
    if (const char* value = std::getenv("QUENDRY_DIFFERENTIAL_CASES"))
        return std::max(1, std::atoi(value));
    return 400;
}

// Texts glued together from pieces picked at random.
class Generator {
public:
    explicit Generator(std::uint32_t seed)
        : m_random(seed)
    {
    }
    std::string text(const std::vector<std::string>& pieces, int maxPieces)
    {
        std::uniform_int_distribution<int> length(0, maxPieces);
        std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
        std::string out;
        for (int n = length(m_random); n > 0; --n)
            out += pieces[pick(m_random)];
        return out;
    }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random;
};

std::string printable(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

const std::vector<std::string> normaliserPieces = {"a", "b", "A", "o", "k", "ok", "OK", " ", " ", ".", "@", "/",
    "\r\n", "\n", "http", "HtTp", "www", "co", ".uk/", "x.com/", "ooo", "kk", "e.g.", " J.", "(", "1"};

TEST(Differential, normaliser)
{
    Generator generate(1);
    for (int i = 0; i < casesPerFamily() * 5; ++i) {
        const std::string input = generate.text(normaliserPieces, 24);
        const NormalisedText fast = normaliseText(input);
        const reference::Normalised plain = reference::normaliseText(input);
        ASSERT_EQ(fast.text, plain.text) << printable(input);
        ASSERT_EQ(fast.okCount, plain.okCount) << printable(input);
    }
}

const StringList smallEmoticons = {":-)", ":)", ";)", "ok", ")", "oj", "cat"};
const StringList smallEmoticonWords = {"coffee", "cat", "oj", "ta"};
const std::vector<std::string> emoticonPieces = {":-)", ":", "-", ")", ";", "ok", ".", "!", "?", " ", "  ",
    "coffee", "cat", "oj", "ta", "x", "\x92", "\r\n"};

TEST(Differential, emoticons)
{
    Generator generate(2);
    const ReferenceLists lists = builtInReferenceLists();
    const EmoticonPatterns builtInPatterns(lists.emoticons, lists.emoticonWords);
    const EmoticonPatterns smallPatterns(smallEmoticons, smallEmoticonWords);
    for (int i = 0; i < casesPerFamily() * 3; ++i) {
        const std::string input = generate.text(emoticonPieces, 30);
        const bool builtIn = i % 2 == 0;
        const StringList& emoticons = builtIn ? lists.emoticons : smallEmoticons;
        const StringList& words = builtIn ? lists.emoticonWords : smallEmoticonWords;
        std::string fastText = input;
        std::string plainText = input;
        const int ok = generate.number(0, 3);
        ASSERT_EQ(countEmoticons(fastText, ok, builtIn ? builtInPatterns : smallPatterns),
            reference::countEmoticons(plainText, ok, emoticons, words))
            << printable(input);
        ASSERT_EQ(fastText, plainText) << printable(input);
    }
}

TEST(Differential, sentences)
{
    Generator generate(3);
    const std::vector<std::string> pieces = {"a", "b", "B", " ", "  ", ".", "..", "...", "!", "?", "!!", "??", "\r\n",
        "1", "_", "mr.", "e.g.", "Then"};
    for (int i = 0; i < casesPerFamily() * 3; ++i) {
        const std::string input = generate.text(pieces, 30);
        ASSERT_EQ(countSentences(input), reference::countSentences(input)) << printable(input);
    }
}

const char* const smallDictionary = "#THE#CAT#PLAY#GO#STUDY#DOG#BREAK#RUN#I#A#DON'T#\r\n#sat on#\r\n\r\n##";
const StringList smallNames = {"#Tom#", "#ann#", "#Jess#"};

void expectSameProfile(const CharacterProfile& fast, const WordLists& fastWords, const CharacterProfile& plain,
    const reference::WordLists& plainWords, const std::string& input)
{
    const std::string where = printable(input.substr(0, 300));
    ASSERT_EQ(fast.wordCount, plain.wordCount) << where;
    ASSERT_EQ(fast.wordTokenCount, plain.wordTokenCount) << where;
    ASSERT_EQ(fast.letterCount, plain.letterCount) << where;
    ASSERT_EQ(fast.otherSymbolCount, plain.otherSymbolCount) << where;
    ASSERT_EQ(fast.commaCount, plain.commaCount) << where;
    ASSERT_EQ(fast.periodCount, plain.periodCount) << where;
    ASSERT_EQ(fast.questionMarkCount, plain.questionMarkCount) << where;
    ASSERT_EQ(fast.periodSpaceCount, plain.periodSpaceCount) << where;
    ASSERT_EQ(fast.spacePeriodCount, plain.spacePeriodCount) << where;
    ASSERT_EQ(fast.lowercaseIFlag, plain.lowercaseIFlag) << where;
    ASSERT_EQ(fast.specialChars, plain.specialChars) << where;
    ASSERT_EQ(fast.symbolRuns, plain.symbolRuns) << where;
    ASSERT_EQ(fastWords.unrecognisedWordCount, static_cast<std::int32_t>(plainWords.unrecognisedWords.size())) << where;
    ASSERT_EQ(fastWords.unknownWords, plainWords.unknownWords) << where;
    ASSERT_EQ(fastWords.capsWords, plainWords.capsWords) << where;
}

TEST(Differential, characterPassAndClassifier)
{
    Generator generate(4);
    const std::vector<std::string> pieces = {"tom ", "Toms ", "TOM'S ", "the ", "cats ", "played ", "studies ",
        "dog's ", "NASA ", "coffeebreak ", "running ", "xyz ", "Xyz ", "zzq ", "smile ", ":-) ", "' ", "'' ", "ann",
        "jesse ", "a", "e", "i ", "!!", "?!", "...", ";)", ", ", ". ", "\r", "3.5", "\x8a", "\x9a", "\xa7", "SAT ",
        "catcat ", "oj ", "DON'T "};
    const Dictionary dictionary = Dictionary::fromText(smallDictionary);
    const Dictionary names = ReferenceData(ReferenceLists{{}, {}, smallNames, {}}).names;
    const EmoticonKeywords emoticonKeywords(smallEmoticons);
    ProgressListener silent;
    for (int i = 0; i < casesPerFamily() * 3; ++i) {
        const std::string input = generate.text(pieces, 40);
        WordClassifier classifier(dictionary, names, emoticonKeywords);
        const CharacterProfile fast = profileCharacters(input, classifier, silent);
        reference::Classifier plainClassifier(smallDictionary, smallNames, smallEmoticons);
        const CharacterProfile plain = reference::profileCharacters(input, plainClassifier);
        expectSameProfile(fast, classifier.lists(), plain, plainClassifier.lists, input);
    }
}

TEST(Differential, phrases)
{
    Generator generate(5);
    const std::vector<std::string> pieces = {"give", "in", "for", "example", "a", "b", " ", "  ", "   ", ".", "\r\n",
        "GIVE", "forgive"};
    const StringList phrases = {"give in", "in", "for example", "a b", "give", "b a b", "IN", "a  b", "a", "give   in", "b  a   b"};
    for (int i = 0; i < casesPerFamily() * 3; ++i) {
        const std::string input = generate.text(pieces, 30);
        ASSERT_EQ(countPhrases(input, phrases), reference::countPhrases(input, phrases)) << printable(input);
    }
}

// Without pairs of spaces in the entries the count runs on the text with its space runs collapsed,
// which is upper-cased and searched eight characters at a time: the pieces put the neighbours of
// the letter ranges, bytes above 127, lone line breaks and long space runs at every offset.
TEST(Differential, phrasesOnTheCollapsedText)
{
    Generator generate(15);
    const std::vector<std::string> pieces = {"give", "in", "for", "example", "a", "b", " ", "  ", "   ", "     ", ".",
        "\r\n", "\n", "\r", "\t", "GIVE", "forgive", "`", "{", "@", "[", "\xe1", "\xc1", "\x8a", "\x9a", "Z", "z"};
    const StringList phrases = {"give in", "in", "for example", "a b", "give", "b a b", "IN", "a", "z{", "`a", "\xe1 b"};
    for (int i = 0; i < casesPerFamily() * 3; ++i) {
        const std::string input = generate.text(pieces, 40);
        ASSERT_EQ(countPhrases(input, phrases), reference::countPhrases(input, phrases)) << printable(input);
    }
}

TEST(Differential, contractions)
{
    Generator generate(6);
    const std::vector<std::string> pieces = {"don't", "do", "not", "it's", "it", "is", "we'll", "I", "would", "gonna",
        "ain't", "have", " ", " ", ". ", "\r\n", "'", "-", "2", "\x92"};
    for (int i = 0; i < casesPerFamily() * 2; ++i) {
        const std::string first = generate.text(pieces, 40);
        const std::string second = generate.text(pieces, 40);
        const int w1 = generate.number(1, 70);
        const int w2 = generate.number(1, 70);
        ASSERT_EQ(contractionPoints(first, second, w1, w2), reference::contractionPoints(first, second, w1, w2))
            << printable(first) << " | " << printable(second) << " | " << w1 << ", " << w2;
    }
}

TEST(Differential, symbolHabitsAndSharedLists)
{
    Generator generate(7);
    const std::vector<std::string> pieces = {"a", " ", ";", "&", "/", "'", "1", "-", " - ", "\r\n", "\t", "(", ")",
        "!!", "...", "b"};
    for (int i = 0; i < casesPerFamily() * 2; ++i) {
        const std::string first = generate.text(pieces, 40);
        const std::string second = generate.text(pieces, 40);
        const int w1 = generate.number(1, 90);
        const int w2 = generate.number(1, 90);
        ASSERT_EQ(loneSymbolPoints(first, second, w1, w2), reference::loneSymbolPoints(first, second, w1, w2))
            << printable(first) << " | " << printable(second);

        TextProfile a, b;
        a.characters.wordCount = w1;
        b.characters.wordCount = w2;
        const auto fill = [&](TextProfile& p) {
            const std::vector<std::string> words = {"AB", "CD", "EF", "GH", "...", "!!", "))", "?!", "--", "!!!"};
            for (const std::string& word : words) {
                if (generate.number(0, 2) == 0)
                    continue;
                p.unknownWords.push_back(word);
                p.capsWords.push_back({word, generate.number(1, 5)});
                p.characters.symbolRuns.push_back({word, generate.number(1, 6)});
            }
        };
        fill(a);
        fill(b);
        indexProfile(a, "");
        indexProfile(b, "");
        ASSERT_EQ(findSharedUnknownWords(a, b), reference::findSharedUnknownWords(a.unknownWords, b.unknownWords));
        ASSERT_EQ(findSharedUnknownWords(a.unknownWords, b.unknownWords),
            reference::findSharedUnknownWords(a.unknownWords, b.unknownWords));
        const CountedTexts& aRuns = a.characters.symbolRuns;
        const CountedTexts& bRuns = b.characters.symbolRuns;
        ASSERT_EQ(sharedCapsWordPoints(a, b), reference::sharedCapsWordPoints(a.capsWords, b.capsWords));
        ASSERT_EQ(sharedSymbolRunPoints(a, b), reference::sharedSymbolRunPoints(aRuns, bRuns));
        ASSERT_EQ(unsharedSymbolRunPoints(a, b), reference::unsharedSymbolRunPoints(aRuns, w1, bRuns, w2));
        ASSERT_EQ(compareRepeatedMarks(aRuns, bRuns), reference::compareRepeatedMarks(aRuns, bRuns));
    }
}

std::string readCorpus(const std::string& name)
{
    const char* folder = std::getenv("QUENDRY_CORPUS");
    const std::filesystem::path path = std::filesystem::path(folder ? folder : QUENDRY_CORPUS_DIR) / name;
    std::ifstream file(path, std::ios::binary);
    return toEngineText(std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

std::string readSourceFile(const std::string& name)
{
    std::ifstream file(std::filesystem::path(QUENDRY_SOURCE_ROOT) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The novel, or, on a machine without the corpus, the repository's own prose (the example letters
// and the help page without its markup) repeated to some length, so that these comparisons are
// checked everywhere, the continuous integration's clones included.
std::string novelOrOwnProse(std::string novel)
{
    if (!novel.empty())
        return novel;
    std::string prose = "We met at the station, and I said: \"Don't be late!\" She wasn't.\r\n";
    for (const char* name : {"examples/anna-1.txt", "examples/anna-2.txt", "examples/ben.txt"})
        prose += toEngineText(readSourceFile(name)) + "\r\n";
    std::string help;
    bool inTag = false;
    for (const char c : readSourceFile("data/help.htm")) {
        if (c == '<' || c == '>')
            inTag = c == '<';
        else if (!inTag)
            help += c;
    }
    prose += toEngineText(help);
    std::string repeated;
    while (repeated.size() < 60'000)
        repeated += prose;
    return repeated;
}

std::string readDictionary()
{
    std::ifstream file(std::filesystem::path(QUENDRY_SOURCE_ROOT) / "data" / "Dct.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Pieces of real novels through every costly step, with the shipped lists and dictionary.
TEST(Differential, corpusPieces)
{
    const std::string novel
        = novelOrOwnProse(readCorpus("carroll_-_alice_in_wonderland.txt") + readCorpus("swift_-_a_modest_proposal.txt"));
    const std::string dictionaryText = readDictionary();
    ASSERT_FALSE(dictionaryText.empty());
    const ReferenceLists lists = builtInReferenceLists();
    const Dictionary dictionary = Dictionary::fromText(dictionaryText);
    const ReferenceData data(lists);
    ProgressListener silent;
    const std::size_t pieceSize = 6000;
    const std::size_t pieces = std::min<std::size_t>(novel.size() / pieceSize, static_cast<std::size_t>(std::max(2, casesPerFamily() / 100)));
    for (std::size_t k = 0; k < pieces; ++k) {
        const std::string piece = novel.substr(k * pieceSize * 3 % (novel.size() - pieceSize), pieceSize);
        const NormalisedText fast = normaliseText(piece);
        const reference::Normalised plain = reference::normaliseText(piece);
        ASSERT_EQ(fast.text, plain.text);
        ASSERT_EQ(fast.okCount, plain.okCount);

        std::string fastText = fast.text;
        std::string plainText = plain.text;
        ASSERT_EQ(countEmoticons(fastText, 0, data.emoticons),
            reference::countEmoticons(plainText, 0, lists.emoticons, lists.emoticonWords));
        ASSERT_EQ(fastText, plainText);
        const std::string text = foldQuotes(fastText);
        ASSERT_EQ(countSentences(text), reference::countSentences(text));
        ASSERT_EQ(countPhrases(text, data.phrases), reference::countPhrases(text, lists.phrases));

        WordClassifier classifier(dictionary, data.names, data.emoticonKeywords);
        const CharacterProfile fastProfile = profileCharacters(stripLineFeeds(text), classifier, silent);
        reference::Classifier plainClassifier(dictionaryText, lists.names, lists.emoticons);
        const CharacterProfile plainProfile = reference::profileCharacters(stripLineFeeds(text), plainClassifier);
        expectSameProfile(fastProfile, classifier.lists(), plainProfile, plainClassifier.lists, text);

        const std::string other = foldQuotes(normaliseText(novel.substr((k * 7919 + 1) % (novel.size() - pieceSize), pieceSize)).text);
        ASSERT_EQ(contractionPoints(text, other, 40, 60), reference::contractionPoints(text, other, 40, 60));
        ASSERT_EQ(loneSymbolPoints(text, other, 900, 1000), reference::loneSymbolPoints(text, other, 900, 1000));
    }
}

} // namespace
} // namespace quendry

namespace quendry {
namespace {

void expectSameTextProfile(const TextProfile& fast, const TextProfile& plain, const char* side)
{
    EXPECT_EQ(fast.okCount, plain.okCount) << side;
    EXPECT_EQ(fast.emoticonCount, plain.emoticonCount) << side;
    EXPECT_EQ(fast.sentenceCount, plain.sentenceCount) << side;
    EXPECT_EQ(fast.characters.wordCount, plain.characters.wordCount) << side;
    EXPECT_EQ(fast.characters.commaCount, plain.characters.commaCount) << side;
    EXPECT_EQ(fast.characters.periodCount, plain.characters.periodCount) << side;
    EXPECT_EQ(fast.characters.spaceCommaCount, plain.characters.spaceCommaCount) << side;
    EXPECT_EQ(fast.characters.spacePeriodCount, plain.characters.spacePeriodCount) << side;
    EXPECT_EQ(fast.characters.commaSpaceCount, plain.characters.commaSpaceCount) << side;
    EXPECT_EQ(fast.characters.periodSpaceCount, plain.characters.periodSpaceCount) << side;
    EXPECT_EQ(fast.characters.specialChars, plain.characters.specialChars) << side;
    EXPECT_EQ(fast.characters.lowercaseIFlag, plain.characters.lowercaseIFlag) << side;
    EXPECT_EQ(fast.characters.questionMarkCount, plain.characters.questionMarkCount) << side;
    EXPECT_EQ(fast.characters.spaceQuestionCount, plain.characters.spaceQuestionCount) << side;
    EXPECT_EQ(fast.characters.questionSpaceCount, plain.characters.questionSpaceCount) << side;
    EXPECT_EQ(fast.characters.otherSymbolCount, plain.characters.otherSymbolCount) << side;
    EXPECT_EQ(fast.characters.semicolonCount, plain.characters.semicolonCount) << side;
    EXPECT_EQ(fast.characters.exclamationCount, plain.characters.exclamationCount) << side;
    EXPECT_EQ(fast.characters.colonCount, plain.characters.colonCount) << side;
    EXPECT_EQ(fast.characters.letterCount, plain.characters.letterCount) << side;
    EXPECT_EQ(fast.characters.wordTokenCount, plain.characters.wordTokenCount) << side;
    EXPECT_EQ(fast.characters.symbolRuns, plain.characters.symbolRuns) << side;
    EXPECT_EQ(fast.capsWords, plain.capsWords) << side;
    EXPECT_EQ(fast.unknownWords, plain.unknownWords) << side;
    EXPECT_EQ(fast.phraseCount, plain.phraseCount) << side;
    EXPECT_EQ(fast.lowercaseSentenceStarts, plain.lowercaseSentenceStarts) << side;
}

void expectSameOutcome(const ComparisonOutcome& fast, const ComparisonOutcome& plain, const std::string& where)
{
    SCOPED_TRACE(where);
    ASSERT_EQ(fast.index(), plain.index());
    if (const auto* refusal = std::get_if<Refusal>(&fast)) {
        EXPECT_EQ(refusal->reason, std::get<Refusal>(plain).reason);
        return;
    }
    const auto& f = std::get<Comparison>(fast);
    const auto& p = std::get<Comparison>(plain);
    for (const TermInfo& term : termTable())
        EXPECT_EQ(term.valueIn(f.terms), term.valueIn(p.terms)) << term.name;
    EXPECT_EQ(f.score, p.score);
    EXPECT_EQ(f.percent, p.percent);
    EXPECT_EQ(f.sharedUnknownWords, p.sharedUnknownWords);
    expectSameTextProfile(f.first, p.first, "first");
    expectSameTextProfile(f.second, p.second, "second");
}

// Whole comparisons of pieces of novels, some of them with chat-style habits mixed in.
TEST(Differential, wholeComparisons)
{
    const std::string novel = novelOrOwnProse(readCorpus("conan_doyle_-_adventures_of_sherlock_holmes.txt"));
    const std::string dictionaryText = readDictionary();
    const Dictionary dictionary = Dictionary::fromText(dictionaryText);
    const ReferenceData data(builtInReferenceLists());
    const std::vector<std::string> habits = {" ok", " :-)", "!!!", " i ", " - ", " -", "; ", " NASA", " don't",
        " do not", "...", " zqx", " http://x.org/a", " me@x.org", "\x92", " \x93quoted\x94", " coffee", ". coffee"};
    Generator generate(8);
    const int comparisons = std::max(2, casesPerFamily() / 100);
    for (int k = 0; k < comparisons; ++k) {
        const std::size_t size = static_cast<std::size_t>(generate.number(200, 5000));
        std::string first = novel.substr(static_cast<std::size_t>(generate.number(0, static_cast<int>(novel.size() - size))), size);
        std::string second = novel.substr(static_cast<std::size_t>(generate.number(0, static_cast<int>(novel.size() - size))), size);
        if (k % 2 == 1) {
            first += generate.text(habits, 30);
            second = generate.text(habits, 10) + second;
        }
        expectSameOutcome(compareTexts(first, second, data, dictionary),
            reference::compareTexts(first, second, data.lists, dictionaryText),
            printable(first.substr(0, 80)) + " | " + printable(second.substr(0, 80)));
        if (testing::Test::HasFailure())
            return;
    }
}

// The prepared engine, each text profiled once and its profile compared with several others in
// both places, against the direct two-text path: pieces of novels, with chat-style habits mixed
// in, texts made only of habits, and refused texts.
TEST(Differential, profiledComparisonsAgainstTheTwoTextPath)
{
    const std::string novel = novelOrOwnProse(readCorpus("austen_-_emma.txt"));
    const Dictionary dictionary = Dictionary::fromText(readDictionary());
    const Analyzer analyzer;
    const ReferenceData reference(builtInReferenceLists());
    const std::vector<std::string> habits = {" ok", " :-)", "!!!", " i ", " - ", " -", "; ", " NASA", " don't",
        " do not", "...", " zqx", " http://x.org/a", " me@x.org", "\x92", " \x93quoted\x94", " coffee", ". coffee",
        " & ", " by the way", " \x97 ", " ?!", " (", ") ", " the", " and"};
    Generator generate(9);
    const int count = std::max(6, casesPerFamily() / 40);
    std::vector<std::string> texts;
    for (int k = 0; k < count; ++k) {
        switch (k % 3) {
        case 0: {
            const auto size = static_cast<std::size_t>(generate.number(100, 4000));
            texts.push_back(novel.substr(static_cast<std::size_t>(generate.number(0, static_cast<int>(novel.size() - size))), size)
                + generate.text(habits, 20));
            break;
        }
        case 1:
            texts.push_back(generate.text(habits, 60));
            break;
        default:
            texts.push_back(generate.text(habits, 8));
            break;
        }
    }
    std::vector<TextProfile> profiles;
    for (const std::string& text : texts)
        profiles.push_back(analyzer.profile(text, dictionary));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t step : {std::size_t{0}, std::size_t{1}, std::size_t{5}}) {
            const std::size_t j = (i + step) % texts.size();
            expectSameOutcome(analyzer.compare(profiles[i], profiles[j]), compareTexts(texts[i], texts[j], reference, dictionary),
                printable(texts[i].substr(0, 80)) + " | " + printable(texts[j].substr(0, 80)));
            if (testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace
} // namespace quendry
