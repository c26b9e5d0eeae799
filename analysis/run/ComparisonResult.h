#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <variant>
#include <vector>

namespace quendry {

// The 26 score terms of one comparison. A positive term is evidence for one writer (a reward),
// a negative term evidence against (a penalty).
struct ComparisonResult {
    std::int32_t sharedSymbolRunPoints = 0;
    std::int32_t sharedCapsWordPoints = 0;
    std::int32_t sharedUnknownWordPoints = 0;
    double wordLengthPoints = 0.0;
    std::int32_t spaceBeforeMarkPoints = 0;
    std::int32_t spaceAfterMarkPoints = 0;
    double commaRatePoints = 0.0;
    double contractionPoints = 0.0;
    std::int32_t ampersandPoints = 0;
    std::int32_t sentenceLengthPoints = 0;
    std::int32_t unknownWordRatePoints = 0;
    std::int32_t repeatedSymbolPoints = 0;
    std::int32_t exclamationPoints = 0;
    std::int32_t colonPoints = 0;
    std::int32_t semicolonPoints = 0;
    std::int32_t unsharedSymbolRunPoints = 0;
    std::int32_t loneSymbolPoints = 0;
    std::int32_t lowercaseStartPoints = 0;
    std::int32_t otherSymbolRatePoints = 0;
    std::int32_t lowercaseIPoints = 0;
    std::int32_t emoticonRatePoints = 0;
    std::int32_t capsWordRatePoints = 0;
    std::int32_t plainCharsetPoints = 0;
    std::int32_t hyphenSpacingPoints = 0;
    std::int32_t specialCharPoints = 0;
    std::int32_t phraseRatePoints = 0;

    bool operator==(const ComparisonResult&) const = default;
};

// A band of a term's measure: from its lower limit (included) to the next band's limit
// (excluded), worth its points.
struct Band {
    double lower;
    std::int32_t points;
};

// A term's bands, lower limits rising. A measure gets the points of the highest band whose lower
// limit it reaches, and 0 below the first; limits are compared exactly, so a value equal to a
// limit belongs to the band it starts.
class Bands {
public:
    static constexpr std::size_t capacity = 20;

    constexpr Bands() = default;
    constexpr Bands(std::initializer_list<Band> bands)
    {
        for (const Band& band : bands)
            m_bands[m_count++] = band;
    }

    constexpr std::int32_t pointsFor(double value) const
    {
        std::int32_t points = 0;
        for (std::size_t i = 0; i < m_count && value >= m_bands[i].lower; ++i)
            points = m_bands[i].points;
        return points;
    }
    constexpr bool empty() const { return m_count == 0; }
    constexpr const Band* begin() const { return m_bands.data(); }
    constexpr const Band* end() const { return m_bands.data() + m_count; }

private:
    std::array<Band, capacity> m_bands{};
    std::size_t m_count = 0;
};

// One of the 26 terms: its name, where it lives, what its rule pays, and what it means to a user.
// A rule reads its amounts from here; which of them it uses, and how, its entry below says.
struct TermInfo {
    std::string_view name = {};
    std::variant<std::int32_t ComparisonResult::*, double ComparisonResult::*> member = {};
    Bands bands = {};               // what the rule's measure is worth
    std::int32_t reward = 0;        // fixed points for a shared habit: once, or for each shared use
    std::int32_t lesserReward = 0;  // the smaller of two fixed rewards, where the rule has two
    std::int32_t penalty = 0;       // fixed points against
    std::int32_t cap = 0;           // the most the term can reach; 0 for no limit
    std::int32_t minimum = 0;       // the fewest uses that show a habit, for the rules that ask for some
    Bands rewardBands = {};              // a second measure's worth, for the one rule that rewards by it
    std::string_view rewardReason = {};  // shown when the term is positive
    std::string_view penaltyReason = {}; // shown when the term is negative

    double valueIn(const ComparisonResult& result) const
    {
        return std::visit([&](auto pointer) { return static_cast<double>(result.*pointer); }, member);
    }
    bool isInteger() const { return std::holds_alternative<std::int32_t ComparisonResult::*>(member); }
};

inline constexpr std::size_t termCount = 26;

namespace terms {

using R = ComparisonResult;
inline constexpr double lowest = -std::numeric_limits<double>::infinity();

// A one-sided habit: the more often it shows (the fewer words per use), the larger the penalty.
inline constexpr Bands frequencyBands{{lowest, -40}, {8, -35}, {12, -25}, {18, -20}};
// The emoticon and capital-word rates share their bands.
inline constexpr Bands rateBands{{4, -20}, {5, -25}, {6, -30}, {7, -35}, {8, -40}, {9, -45}, {10, -50},
    {11, -55}, {12, -60}, {13, -65}, {14, -70}, {15, -75}, {16, -80}, {17, -85}, {18, -90}, {19, -95}, {20, -100}};
// Two spacing shares this many per cent apart.
inline constexpr Bands spacingBands{{40, -40}, {50, -50}, {60, -60}, {70, -70}, {80, -80}, {90, -90}, {100, -100}};

// Every term in the order the verdict reads them.
inline constexpr std::array<TermInfo, termCount> table{{
    // 25 for each symbol run both texts use; 10 for a run of nothing but full stops and closing
    // parentheses, which many writers share.
    {.name = "sharedSymbolRunPoints", .member = &R::sharedSymbolRunPoints, .reward = 25, .lesserReward = 10,
     .rewardReason = "both texts use the same groups of punctuation marks, such as \"?!\" or \"...\""},
    // For each capital word both texts use, the reward times the rarer text's uses.
    {.name = "sharedCapsWordPoints", .member = &R::sharedCapsWordPoints, .reward = 6,
     .rewardReason = "both texts use the same words written all in capitals, such as \"NASA\" (6 points a shared use)"},
    // By the number of unknown words both texts use.
    {.name = "sharedUnknownWordPoints", .member = &R::sharedUnknownWordPoints, .bands = {{1, 10}, {2, 30}, {3, 50}},
     .rewardReason = "both texts use the same unusual words that the dictionary does not know"},
    // By how many letters the texts' average word lengths are apart; 100 or more proves nothing.
    {.name = "wordLengthPoints", .member = &R::wordLengthPoints,
     .bands = {{0.75, -15}, {1, -20}, {1.5, -25}, {1.8, -30}, {2, -35}, {2.5, -40}, {2.8, -45}, {3, -50}, {100, 0}},
     .penaltyReason = "the words of one text are on average clearly longer than those of the other"},
    {.name = "spaceBeforeMarkPoints", .member = &R::spaceBeforeMarkPoints, .bands = spacingBands,
     .penaltyReason = "one text puts a space before its commas, full stops and question marks much more often than the other"},
    {.name = "spaceAfterMarkPoints", .member = &R::spaceAfterMarkPoints, .bands = spacingBands,
     .penaltyReason = "one text leaves a space after its commas, full stops and question marks much more often than the other"},
    // The reward when neither text has a comma; otherwise by the ratio of the texts' words per comma.
    {.name = "commaRatePoints", .member = &R::commaRatePoints,
     .bands = {{3.5, -15}, {4, -20}, {5, -25}, {6, -30}, {7, -35}, {8, -40}, {9, -45}, {10, -50}, {11, -55},
         {12, -60}, {13, -65}, {14, -70}, {15, -75}, {16, -80}, {17, -85}, {18, -90}, {19, -95}, {20, -100}},
     .reward = 15,
     .rewardReason = "neither text uses a single comma, though both are long enough to need one",
     .penaltyReason = "one text uses commas far more often than the other"},
    // The reward bands measure the shorter text's word tokens when neither text uses any form; the
    // bands measure the ratio of the texts' rates when only one does; the penalty is the first
    // crossing's, and each further crossing costs half the one before.
    {.name = "contractionPoints", .member = &R::contractionPoints,
     .bands = {{3, -15}, {3.5, -20}, {4, -25}, {4.5, -30}, {5, -35}, {5.5, -40}, {6, -45}}, .penalty = -20,
     .rewardBands = {{lowest, 15}, {45, 25}, {55, 35}},
     .rewardReason = "neither text uses any contraction such as \"don't\", nor its full form such as \"do not\"",
     .penaltyReason = "the texts differ in contractions: one writes \"don't\" where the other writes \"do not\", "
                      "or only one uses such forms at all"},
    {.name = "ampersandPoints", .member = &R::ampersandPoints, .reward = 15,
     .rewardReason = "both texts use the ampersand \"&\""},
    // By the ratio of the texts' words per sentence.
    {.name = "sentenceLengthPoints", .member = &R::sentenceLengthPoints,
     .bands = {{1, 10}, {1.1, 0}, {2, -15}, {2.5, -20}, {3, -25}, {3.5, -30}, {4, -35}, {4.5, -40}, {5, -45},
         {5.5, -50}, {6, -60}},
     .rewardReason = "the sentences of both texts have almost the same average length",
     .penaltyReason = "the sentences of one text are on average much longer than those of the other"},
    // By the ratio of the texts' words per unknown word.
    {.name = "unknownWordRatePoints", .member = &R::unknownWordRatePoints,
     .bands = {{2.5, -10}, {3, -15}, {3.5, -20}, {4, -25}, {4.5, -30}, {5, -35}, {5.5, -40}, {6, -45}, {6.5, -50},
         {7, -55}, {7.5, -60}, {8, -65}, {8.5, -70}, {9, -75}, {9.5, -80}},
     .penaltyReason = "one text uses words that the dictionary does not know far more often than the other"},
    // For each repetition of a mark both texts repeat, counted in the text that repeats it less.
    {.name = "repeatedSymbolPoints", .member = &R::repeatedSymbolPoints, .reward = 15,
     .rewardReason = "both texts repeat the same punctuation mark, such as \"!!!\" or \"...\""},
    // The reward times the rarer text's uses, up to the cap.
    {.name = "exclamationPoints", .member = &R::exclamationPoints, .reward = 6, .cap = 42,
     .rewardReason = "both texts use exclamation marks (6 points for each use in the text that uses fewer, at most 42)"},
    {.name = "colonPoints", .member = &R::colonPoints, .reward = 15,
     .rewardReason = "both texts use colons (15 points for each use in the text that uses fewer)"},
    {.name = "semicolonPoints", .member = &R::semicolonPoints, .reward = 15,
     .rewardReason = "both texts use semicolons (15 points for each use in the text that uses fewer)"},
    // For each run used at least the minimum times in one text only, by its words per use.
    {.name = "unsharedSymbolRunPoints", .member = &R::unsharedSymbolRunPoints, .bands = frequencyBands, .minimum = 3,
     .penaltyReason = "one text repeatedly uses a group of punctuation marks, such as \"?!\" or \"--\", that the other never uses"},
    // For each symbol used alone at least the minimum times in one text only, by its words per use.
    {.name = "loneSymbolPoints", .member = &R::loneSymbolPoints, .bands = frequencyBands, .minimum = 3,
     .penaltyReason = "one text repeatedly puts a symbol on its own between words, such as \" ; \" or \" / \", and the other "
                      "never does"},
    {.name = "lowercaseStartPoints", .member = &R::lowercaseStartPoints, .bands = frequencyBands, .minimum = 2,
     .penaltyReason = "only one text starts sentences with a small letter, and does so repeatedly"},
    // By the ratio of the texts' words per other symbol.
    {.name = "otherSymbolRatePoints", .member = &R::otherSymbolRatePoints,
     .bands = {{4, -30}, {5, -35}, {6, -40}, {7, -45}, {8, -50}, {9, -55}, {10, -60}, {11, -65}, {12, -70}, {13, -75},
         {14, -100}},
     .penaltyReason = "one text uses quotes, brackets, \"!\", \";\" and similar marks far more often than the other"},
    // The reward when both texts write a small "i", the penalty when only one does.
    {.name = "lowercaseIPoints", .member = &R::lowercaseIPoints, .reward = 20, .penalty = -15,
     .rewardReason = "both texts write the word \"I\" as a small \"i\"",
     .penaltyReason = "only one text writes the word \"I\" as a small \"i\""},
    {.name = "emoticonRatePoints", .member = &R::emoticonRatePoints, .bands = rateBands,
     .penaltyReason = "one text uses emoticons such as \":-)\" far more often than the other"},
    {.name = "capsWordRatePoints", .member = &R::capsWordRatePoints, .bands = rateBands,
     .penaltyReason = "words written all in capitals are far more frequent in one text than in the other (when neither "
                      "has any: one text is far longer than the other)"},
    {.name = "plainCharsetPoints", .member = &R::plainCharsetPoints, .reward = 15,
     .rewardReason = "both texts use nothing but letters, digits, spaces and the plainest marks: . , ? -"},
    // For each hyphen both texts space alike: the reward for a space on one side, the lesser reward
    // for spaces on both; up to the cap.
    {.name = "hyphenSpacingPoints", .member = &R::hyphenSpacingPoints, .reward = 15, .lesserReward = 8, .cap = 40,
     .rewardReason = "both texts space their dashes the same way, such as \"word - word\" or \"word -word\""},
    // The reward when the texts share an uncommon character, the lesser reward when both use some.
    {.name = "specialCharPoints", .member = &R::specialCharPoints, .reward = 10, .lesserReward = 5,
     .rewardReason = "both texts use uncommon characters, such as a long dash, a curly brace or the section sign "
                     "(more when they share one)"},
    {.name = "phraseRatePoints", .member = &R::phraseRatePoints, .bands = frequencyBands, .minimum = 3,
     .penaltyReason = "only one text uses set phrases such as \"by the way\" or \"at last\", and uses several"},
}};

// The entry of the term of that name; a name that is not in the table does not compile.
consteval const TermInfo& named(std::string_view name)
{
    for (const TermInfo& term : table)
        if (term.name == name)
            return term;
    throw "no term of that name";
}

consteval bool bandsRise()
{
    for (const TermInfo& term : table)
        for (const Bands* bands : {&term.bands, &term.rewardBands})
            for (const Band* band = bands->begin(); band + 1 < bands->end(); ++band)
                if (!(band[0].lower < band[1].lower))
                    return false;
    return true;
}
static_assert(bandsRise(), "every term's bands rise");

} // namespace terms

// Every term in the order the verdict reads them.
constexpr const std::array<TermInfo, termCount>& termTable()
{
    return terms::table;
}

// One line of an explanation: a term that moved the result, its points and what they mean.
struct ExplanationLine {
    std::string_view term;
    double points;
    std::string_view reason; // the reward or penalty wording; empty for a term without one
};

// The non-zero terms, largest first by absolute value; equal sizes keep the verdict's order. Every
// explanation the program shows (the command line's, the window's, the report's) is this list.
std::vector<ExplanationLine> explain(const ComparisonResult& terms);

} // namespace quendry
