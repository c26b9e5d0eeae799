#include "analysis/run/Analyzer.h"
#include "analysis/run/TwoTextComparison.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace quendry {
namespace {

class RecordingProgress : public ProgressListener {
public:
    void started(int max) override { maximum = max; }
    void normalised() override { normalisedAt = position; }
    void advanced(int steps) override { position += steps; }
    void filled() override { filledAt = position; }
    int maximum = -1;
    int position = 0;
    int normalisedAt = -1;
    int filledAt = -1;
};

// Small lists of its own, so that the runs can be checked without the shipped data.
ReferenceLists testLists()
{
    return ReferenceLists{{":-)"}, {"coffee"}, {"#Tom#"}, {"for example"}};
}

const Analyzer& testAnalyzer()
{
    static const Analyzer analyzer(testLists());
    return analyzer;
}

const Dictionary& testDictionary()
{
    static const Dictionary dictionary = Dictionary::fromText(
        "#THE#CAT#SAT#ON#MAT#AND#DOG#RAN#AWAY#FROM#HOME#A#BIG#RED#BALL#ONE#TWO#THREE#FOUR#FIVE#SIX#I#DON'T#DO#NOT#");
    return dictionary;
}

const char* const english = "The cat sat on the mat, and the dog ran away from home!";
const char* const tooSmall = "one two three four five";
const char* const notEnglish = "zq xv wk qq jj zz pp";

// Texts that between them provoke most rules: shared and unshared marks, capitals, emoticons,
// contractions, lone symbols, spaced hyphens, special characters.
const std::vector<std::string> texts = {
    english,
    "The DOG ran - away ; from HOME!!! :-) I don't. the cat sat on a mat... ZORB zorb & red ball",
    "i do not sat on the mat ; the BIG red ball ran away -from home?! ZORB zorb zorb \xa7 :-) :-) coffee",
    "One two three four five six. one two three four five six. The cat, the dog, a ball...",
    tooSmall,
    notEnglish,
};

// Profiling each text once and comparing the profiles gives, field by field, what the direct
// two-text path gives, whatever the order and however often a profile is reused.
TEST(Analyzer, comparedProfilesGiveTheTwoTextOutcome)
{
    const Analyzer& analyzer = testAnalyzer();
    const ReferenceData reference(testLists());
    std::vector<TextProfile> profiles;
    for (const std::string& text : texts)
        profiles.push_back(analyzer.profile(text, testDictionary()));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = 0; j < texts.size(); ++j) {
            const ComparisonOutcome expected
                = compareTexts(texts[i], texts[j], reference, testDictionary());
            EXPECT_TRUE(analyzer.compare(profiles[i], profiles[j]) == expected) << i << " / " << j;
            EXPECT_TRUE(analyzer.compare(texts[i], texts[j], testDictionary()) == expected) << i << " / " << j;
        }
    }
}

// A refused profile keeps what the character pass and the classifier found, so that a caller can
// tell how many words the text has, and nothing of the passes after the check.
TEST(Analyzer, aRefusedProfileHoldsOnlyWhatCameBeforeTheCheck)
{
    const TextProfile refused = testAnalyzer().profile("one!! two three FOUR five", testDictionary());
    EXPECT_EQ(refused.refusal, TextRefusal::TooSmall);
    EXPECT_EQ(refused.characters.wordCount, 5);
    EXPECT_EQ(refused.characters.symbolRuns, (CountedTexts{{"!!", 1}}));
    EXPECT_EQ(refused.capsWords, (CountedTexts{{"FOUR", 1}}));
    EXPECT_TRUE(refused.symbolRunOrder.empty());
    EXPECT_TRUE(refused.repeatedMarks.empty());
}

TEST(Analyzer, mapsEachTextsRefusalToItsPlaceInTheOrderOfTheChecks)
{
    const struct {
        const char* first;
        const char* second;
        std::optional<RefusalReason> expected;
    } cases[] = {
        {tooSmall, english, RefusalReason::FirstTextTooSmall},
        {notEnglish, english, RefusalReason::FirstTextNotEnglish},
        {english, tooSmall, RefusalReason::SecondTextTooSmall},
        {english, notEnglish, RefusalReason::SecondTextNotEnglish},
        {notEnglish, tooSmall, RefusalReason::FirstTextNotEnglish},
        {english, english, std::nullopt},
    };
    const Analyzer& analyzer = testAnalyzer();
    for (const auto& c : cases) {
        const ComparisonOutcome outcome
            = analyzer.compare(analyzer.profile(c.first, testDictionary()), analyzer.profile(c.second, testDictionary()));
        const auto* refusal = std::get_if<Refusal>(&outcome);
        EXPECT_EQ(refusal ? std::optional(refusal->reason) : std::nullopt, c.expected) << c.first << " / " << c.second;
    }
}

TEST(Analyzer, reportsProgressPerText)
{
    // The bar's maximum comes from the text as given; the character pass walks the normalised,
    // line-feed-free text, so the count it reaches can be smaller, and the end fills the bar.
    const std::string text = "The cat sat on the mat.\r\nThe dog ran away from home. ok";
    RecordingProgress progress;
    (void)testAnalyzer().profile(text, testDictionary(), &progress);
    EXPECT_EQ(progress.maximum, static_cast<int>(text.size()) + 5);
    EXPECT_EQ(progress.normalisedAt, 0);
    EXPECT_EQ(progress.filledAt, static_cast<int>(text.size()) - 1 - 3 + 5);
}

TEST(Analyzer, constAnalyzerServesSeveralThreadsAtOnce)
{
    const Analyzer& analyzer = testAnalyzer();
    const TextProfile questioned = analyzer.profile(texts[1], testDictionary());
    const ComparisonOutcome expected = analyzer.compare(questioned, analyzer.profile(texts[2], testDictionary()));
    std::vector<ComparisonOutcome> outcomes(4);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < outcomes.size(); ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round)
                outcomes[t] = analyzer.compare(questioned, analyzer.profile(texts[2], testDictionary()));
        });
    for (std::thread& thread : threads)
        thread.join();
    for (const ComparisonOutcome& outcome : outcomes)
        EXPECT_TRUE(outcome == expected);
}

class DictionaryFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path()
            / ("quendry-dictionary-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void write(const std::string& text)
    {
        std::ofstream(path(), std::ios::binary | std::ios::trunc) << text;
    }
    std::filesystem::path path() const { return m_folder / "Dct.txt"; }

private:
    std::filesystem::path m_folder;
};

TEST_F(DictionaryFileTest, keepsTheParsedDictionaryUntilTheFileChanges)
{
    write("#CAT#DOG#");
    DictionaryFile file(path());
    const auto first = file.load();
    EXPECT_TRUE(first->contains("CAT"));
    EXPECT_EQ(file.load(), first);

    // Another size.
    write("#CAT#DOG#BIRD#");
    const auto grown = file.load();
    EXPECT_TRUE(grown->contains("BIRD"));

    // The same size, another modification time.
    write("#CAT#DOG#FISH#");
    std::filesystem::last_write_time(path(), std::filesystem::last_write_time(path()) + std::chrono::seconds(5));
    const auto edited = file.load();
    EXPECT_TRUE(edited->contains("FISH"));
    EXPECT_FALSE(edited->contains("BIRD"));
}

TEST_F(DictionaryFileTest, givesTheEmptyDictionaryWhileTheFileIsMissing)
{
    DictionaryFile file(path());
    EXPECT_TRUE(file.load()->empty());
    write("#CAT#");
    EXPECT_TRUE(file.load()->contains("CAT"));
    std::filesystem::remove(path());
    EXPECT_TRUE(file.load()->empty());
}

} // namespace
} // namespace quendry
