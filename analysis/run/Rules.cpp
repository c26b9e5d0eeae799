#include "analysis/run/Rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <unordered_set>

namespace quendry {
namespace {

// A band starts at its lower limit (included) and runs to the next band's limit (excluded).
struct Band {
    double lower;
    std::int32_t points;
};

// The points of the highest band whose lower limit the value reaches; 0 below the first band.
// Limits are compared exactly: a value equal to a limit belongs to the band it starts.
std::int32_t pointsInBands(double value, std::initializer_list<Band> bands)
{
    std::int32_t points = 0;
    for (const Band& band : bands) {
        if (value >= band.lower)
            points = band.points;
    }
    return points;
}

// The rarer of the two uses, times the factor.
std::int32_t equalUsePoints(std::int32_t first, std::int32_t second, std::int32_t factor)
{
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{std::min(first, second)} * factor, INT32_MAX));
}

// Words per occurrence; 0.8 stands in for a count of 0, so that a text without the feature
// still has a finite rate, somewhat above its word count.
double wordsPerOccurrence(std::int32_t words, std::int32_t count)
{
    return count == 0 ? words / 0.8 : static_cast<double>(words) / count;
}

// The larger rate over the smaller; should the smaller be 0, 0.8 stands in for it.
double rateRatio(double firstRate, double secondRate)
{
    const double larger = std::max(firstRate, secondRate);
    const double smaller = std::min(firstRate, secondRate);
    return smaller > 0 ? larger / smaller : larger / 0.8;
}

// The bands shared by the emoticon and capital-word rates.
std::int32_t emoticonOrCapsBands(double ratio)
{
    return pointsInBands(ratio,
        {{4, -20}, {5, -25}, {6, -30}, {7, -35}, {8, -40}, {9, -45}, {10, -50}, {11, -55}, {12, -60}, {13, -65},
            {14, -70}, {15, -75}, {16, -80}, {17, -85}, {18, -90}, {19, -95}, {20, -100}});
}

// How seldom a one-sided habit shows: the more often, the larger the penalty.
std::int32_t frequencyPenalty(double wordsPerUse)
{
    if (wordsPerUse >= 18)
        return -20;
    if (wordsPerUse >= 12)
        return -25;
    if (wordsPerUse >= 8)
        return -35;
    return -40;
}

// A habit that only one text shows at least minimum times.
std::int32_t oneSidedPoints(std::int32_t firstCount, std::int32_t secondCount, std::int32_t minimum,
    const TextProfile& first, const TextProfile& second)
{
    if ((firstCount == 0) == (secondCount == 0))
        return 0;
    const std::int32_t count = firstCount != 0 ? firstCount : secondCount;
    const std::int32_t words = firstCount != 0 ? first.wordTokenCount : second.wordTokenCount;
    if (count < minimum)
        return 0;
    return frequencyPenalty(static_cast<double>(words) / count);
}


// The special-character lists hold each character once whatever its letter case; within the
// codes they collect, these pairs differ only in case (S, OE and Z with a caron or ligature).
unsigned char caseFoldedSpecial(char c)
{
    switch (code(c)) {
    case 154: return 138;
    case 156: return 140;
    case 158: return 142;
    default: return code(c);
    }
}

} // namespace

std::int32_t exclamationPoints(const TextProfile& first, const TextProfile& second)
{
    return std::min(equalUsePoints(first.exclamationCount, second.exclamationCount, 6), 42);
}

std::int32_t colonPoints(const TextProfile& first, const TextProfile& second)
{
    return equalUsePoints(first.colonCount, second.colonCount, 15);
}

std::int32_t semicolonPoints(const TextProfile& first, const TextProfile& second)
{
    return equalUsePoints(first.semicolonCount, second.semicolonCount, 15);
}

std::int32_t sentenceLengthPoints(const TextProfile& first, const TextProfile& second)
{
    const double firstRate
        = first.sentenceCount == 0 ? 0.0 : static_cast<double>(first.wordCount) / first.sentenceCount;
    const double secondRate
        = second.sentenceCount == 0 ? 0.0 : static_cast<double>(second.wordCount) / second.sentenceCount;
    if (firstRate == 0 || secondRate == 0)
        return 0;
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return pointsInBands(ratio,
        {{1, 10}, {1.1, 0}, {2, -15}, {2.5, -20}, {3, -25}, {3.5, -30}, {4, -35}, {4.5, -40}, {5, -45}, {5.5, -50},
            {6, -60}});
}

std::int32_t unknownWordRatePoints(const TextProfile& first, const TextProfile& second)
{
    const auto firstCount = static_cast<std::int32_t>(first.unknownWords.size());
    const auto secondCount = static_cast<std::int32_t>(second.unknownWords.size());
    // A difference of one or two unknown words is chance, whatever the text lengths.
    if (std::abs(firstCount - secondCount) < 3)
        return 0;
    const double firstRate = wordsPerOccurrence(first.wordCount, firstCount);
    const double secondRate = wordsPerOccurrence(second.wordCount, secondCount);
    if (firstRate == secondRate || firstRate == 0 || secondRate == 0)
        return 0;
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return pointsInBands(ratio,
        {{2.5, -10}, {3, -15}, {3.5, -20}, {4, -25}, {4.5, -30}, {5, -35}, {5.5, -40}, {6, -45}, {6.5, -50},
            {7, -55}, {7.5, -60}, {8, -65}, {8.5, -70}, {9, -75}, {9.5, -80}});
}

std::int32_t otherSymbolRatePoints(const TextProfile& first, const TextProfile& second)
{
    if (first.otherSymbolCount <= 0 && second.otherSymbolCount <= 0)
        return 0;
    const double firstRate = wordsPerOccurrence(first.wordCount, first.otherSymbolCount);
    const double secondRate = wordsPerOccurrence(second.wordCount, second.otherSymbolCount);
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return pointsInBands(ratio,
        {{4, -30}, {5, -35}, {6, -40}, {7, -45}, {8, -50}, {9, -55}, {10, -60}, {11, -65}, {12, -70}, {13, -75},
            {14, -100}});
}

std::int32_t emoticonRatePoints(const TextProfile& first, const TextProfile& second)
{
    if (first.emoticonCount <= 0 && second.emoticonCount <= 0)
        return 0;
    return emoticonOrCapsBands(rateRatio(wordsPerOccurrence(first.wordTokenCount, first.emoticonCount),
        wordsPerOccurrence(second.wordTokenCount, second.emoticonCount)));
}

std::int32_t capsWordRatePoints(const TextProfile& first, const TextProfile& second)
{
    const auto firstCount = static_cast<std::int32_t>(first.capsWords.size());
    const auto secondCount = static_cast<std::int32_t>(second.capsWords.size());
    // With no capital word in either text both rates are the word-token count / 0.8, and the
    // rule compares the texts' lengths.
    const std::int32_t points
        = emoticonOrCapsBands(rateRatio(wordsPerOccurrence(first.wordTokenCount, firstCount),
            wordsPerOccurrence(second.wordTokenCount, secondCount)));
    // A single capital word against none is no habit.
    if ((firstCount == 0 && secondCount == 1) || (firstCount == 1 && secondCount == 0))
        return 0;
    return points;
}

std::int32_t lowercaseStartPoints(const TextProfile& first, const TextProfile& second)
{
    return oneSidedPoints(first.lowercaseSentenceStarts, second.lowercaseSentenceStarts, 2, first, second);
}

std::int32_t phraseRatePoints(const TextProfile& first, const TextProfile& second)
{
    return oneSidedPoints(first.phraseCount, second.phraseCount, 3, first, second);
}

std::int32_t unsharedRunPenalty(std::int32_t wordCount, std::int32_t uses)
{
    return uses < 3 ? 0 : frequencyPenalty(static_cast<double>(wordCount) / uses);
}

std::int32_t unsharedSymbolRunPoints(const TextProfile& first, const TextProfile& second)
{
    // Every run used three or more times is penalised unless the other text uses it too: the
    // penalties of all runs, less those of the shared runs, found from the smaller list. Symbol
    // runs hold no character that trimming removes, so looking up the run as it stands answers
    // the trimmed look-up.
    const bool firstSmaller = first.symbolRuns.size() <= second.symbolRuns.size();
    const TextProfile& smaller = firstSmaller ? first : second;
    const TextProfile& larger = firstSmaller ? second : first;
    std::int32_t total = first.symbolRunPenaltyTotal + second.symbolRunPenaltyTotal;
    for (std::size_t i = 0; i < smaller.symbolRuns.size(); ++i) {
        if (const auto j = findInOrder(larger.symbolRuns, larger.symbolRunOrder, smaller.symbolRuns[i]))
            total -= smaller.symbolRunPenalties[i] + larger.symbolRunPenalties[*j];
    }
    return total;
}

std::int32_t ampersandPoints(const TextProfile& first, const TextProfile& second)
{
    return first.usesAmpersand && second.usesAmpersand ? 15 : 0;
}

std::int32_t plainCharsetPoints(const TextProfile& first, const TextProfile& second)
{
    return first.plainCharset && second.plainCharset ? 15 : 0;
}

std::int32_t specialCharPoints(const TextProfile& first, const TextProfile& second)
{
    if (first.specialChars.empty() || second.specialChars.empty())
        return 0;
    const auto sameCharacter = [](const std::string& a, const std::string& b) {
        return a.size() == 1 && b.size() == 1 ? caseFoldedSpecial(a[0]) == caseFoldedSpecial(b[0]) : a == b;
    };
    const bool shared = std::any_of(first.specialChars.begin(), first.specialChars.end(), [&](const std::string& a) {
        return std::any_of(second.specialChars.begin(), second.specialChars.end(),
            [&](const std::string& b) { return sameCharacter(a, b); });
    });
    return shared ? 10 : 5;
}

std::int32_t lowercaseIPoints(const TextProfile& first, const TextProfile& second)
{
    if (first.lowercaseIFlag && second.lowercaseIFlag)
        return 20;
    if (first.lowercaseIFlag != second.lowercaseIFlag)
        return -15;
    return 0;
}

std::int32_t sharedUnknownWordPoints(std::size_t sharedUnknownWordCount)
{
    switch (sharedUnknownWordCount) {
    case 0:
        return 0;
    case 1:
        return 10;
    case 2:
        return 30;
    default:
        return 50; // 25 for each word, capped at 50
    }
}

} // namespace quendry
