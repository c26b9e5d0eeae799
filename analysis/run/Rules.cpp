#include "analysis/run/Rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

namespace quendry {
namespace {

// The rarer of the two uses, times the term's reward, up to its cap.
std::int32_t equalUsePoints(const TermInfo& term, std::int32_t first, std::int32_t second)
{
    const std::int64_t points = std::int64_t{std::min(first, second)} * term.reward;
    return static_cast<std::int32_t>(std::min<std::int64_t>(points, term.cap > 0 ? term.cap : INT32_MAX));
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

// A habit that only one text shows, at least the term's minimum times: the more often, the larger
// the penalty.
std::int32_t oneSidedPoints(const TermInfo& term, std::int32_t firstCount, std::int32_t secondCount,
    const TextProfile& first, const TextProfile& second)
{
    if ((firstCount == 0) == (secondCount == 0))
        return 0;
    const std::int32_t count = firstCount != 0 ? firstCount : secondCount;
    const std::int32_t words = firstCount != 0 ? first.characters.wordTokenCount : second.characters.wordTokenCount;
    if (count < term.minimum)
        return 0;
    return term.bands.pointsFor(static_cast<double>(words) / count);
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
    return equalUsePoints(
        terms::named("exclamationPoints"), first.characters.exclamationCount, second.characters.exclamationCount);
}

std::int32_t colonPoints(const TextProfile& first, const TextProfile& second)
{
    return equalUsePoints(terms::named("colonPoints"), first.characters.colonCount, second.characters.colonCount);
}

std::int32_t semicolonPoints(const TextProfile& first, const TextProfile& second)
{
    return equalUsePoints(
        terms::named("semicolonPoints"), first.characters.semicolonCount, second.characters.semicolonCount);
}

std::int32_t sentenceLengthPoints(const TextProfile& first, const TextProfile& second)
{
    const double firstRate
        = first.sentenceCount == 0 ? 0.0 : static_cast<double>(first.characters.wordCount) / first.sentenceCount;
    const double secondRate
        = second.sentenceCount == 0 ? 0.0 : static_cast<double>(second.characters.wordCount) / second.sentenceCount;
    if (firstRate == 0 || secondRate == 0)
        return 0;
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return terms::named("sentenceLengthPoints").bands.pointsFor(ratio);
}

std::int32_t unknownWordRatePoints(const TextProfile& first, const TextProfile& second)
{
    const auto firstCount = static_cast<std::int32_t>(first.unknownWords.size());
    const auto secondCount = static_cast<std::int32_t>(second.unknownWords.size());
    // A difference of one or two unknown words is chance, whatever the text lengths.
    if (std::abs(firstCount - secondCount) < 3)
        return 0;
    const double firstRate = wordsPerOccurrence(first.characters.wordCount, firstCount);
    const double secondRate = wordsPerOccurrence(second.characters.wordCount, secondCount);
    if (firstRate == secondRate || firstRate == 0 || secondRate == 0)
        return 0;
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return terms::named("unknownWordRatePoints").bands.pointsFor(ratio);
}

std::int32_t otherSymbolRatePoints(const TextProfile& first, const TextProfile& second)
{
    if (first.characters.otherSymbolCount <= 0 && second.characters.otherSymbolCount <= 0)
        return 0;
    const double firstRate = wordsPerOccurrence(first.characters.wordCount, first.characters.otherSymbolCount);
    const double secondRate = wordsPerOccurrence(second.characters.wordCount, second.characters.otherSymbolCount);
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return terms::named("otherSymbolRatePoints").bands.pointsFor(ratio);
}

std::int32_t emoticonRatePoints(const TextProfile& first, const TextProfile& second)
{
    if (first.emoticonCount <= 0 && second.emoticonCount <= 0)
        return 0;
    const double ratio = rateRatio(wordsPerOccurrence(first.characters.wordTokenCount, first.emoticonCount),
        wordsPerOccurrence(second.characters.wordTokenCount, second.emoticonCount));
    return terms::named("emoticonRatePoints").bands.pointsFor(ratio);
}

std::int32_t capsWordRatePoints(const TextProfile& first, const TextProfile& second)
{
    const auto firstCount = static_cast<std::int32_t>(first.capsWords.size());
    const auto secondCount = static_cast<std::int32_t>(second.capsWords.size());
    // With no capital word in either text both rates are the word-token count / 0.8, and the
    // rule compares the texts' lengths.
    const double ratio = rateRatio(wordsPerOccurrence(first.characters.wordTokenCount, firstCount),
        wordsPerOccurrence(second.characters.wordTokenCount, secondCount));
    const std::int32_t points = terms::named("capsWordRatePoints").bands.pointsFor(ratio);
    // A single capital word against none is no habit.
    if ((firstCount == 0 && secondCount == 1) || (firstCount == 1 && secondCount == 0))
        return 0;
    return points;
}

std::int32_t lowercaseStartPoints(const TextProfile& first, const TextProfile& second)
{
    return oneSidedPoints(terms::named("lowercaseStartPoints"), first.lowercaseSentenceStarts,
        second.lowercaseSentenceStarts, first, second);
}

std::int32_t phraseRatePoints(const TextProfile& first, const TextProfile& second)
{
    return oneSidedPoints(terms::named("phraseRatePoints"), first.phraseCount, second.phraseCount, first, second);
}

std::int32_t unsharedRunPenalty(std::int32_t wordCount, std::int32_t uses)
{
    constexpr const TermInfo& term = terms::named("unsharedSymbolRunPoints");
    return uses < term.minimum ? 0 : term.bands.pointsFor(static_cast<double>(wordCount) / uses);
}

std::int32_t unsharedSymbolRunPoints(const TextProfile& first, const TextProfile& second)
{
    // Every run used three or more times is penalised unless the other text uses it too: the
    // penalties of all runs, less those of the shared runs, found from the smaller list. Symbol
    // runs hold no character that trimming removes, so looking up the run as it stands answers
    // the trimmed look-up.
    const bool firstSmaller = first.characters.symbolRuns.size() <= second.characters.symbolRuns.size();
    const TextProfile& smaller = firstSmaller ? first : second;
    const TextProfile& larger = firstSmaller ? second : first;
    const CountedTexts& largerRuns = larger.characters.symbolRuns;
    std::int32_t total = first.symbolRunPenaltyTotal + second.symbolRunPenaltyTotal;
    for (const CountedText& run : smaller.characters.symbolRuns) {
        if (const auto j = findInOrder(largerRuns, larger.symbolRunOrder, run.text))
            total -= unsharedRunPenalty(smaller.characters.wordCount, run.count)
                + unsharedRunPenalty(larger.characters.wordCount, largerRuns[*j].count);
    }
    return total;
}

std::int32_t ampersandPoints(const TextProfile& first, const TextProfile& second)
{
    return first.usesAmpersand && second.usesAmpersand ? terms::named("ampersandPoints").reward : 0;
}

std::int32_t plainCharsetPoints(const TextProfile& first, const TextProfile& second)
{
    return first.plainCharset && second.plainCharset ? terms::named("plainCharsetPoints").reward : 0;
}

std::int32_t specialCharPoints(const TextProfile& first, const TextProfile& second)
{
    const StringList& firstChars = first.characters.specialChars;
    const StringList& secondChars = second.characters.specialChars;
    if (firstChars.empty() || secondChars.empty())
        return 0;
    const auto sameCharacter = [](const std::string& a, const std::string& b) {
        return a.size() == 1 && b.size() == 1 ? caseFoldedSpecial(a[0]) == caseFoldedSpecial(b[0]) : a == b;
    };
    const bool shared = std::any_of(firstChars.begin(), firstChars.end(), [&](const std::string& a) {
        return std::any_of(
            secondChars.begin(), secondChars.end(), [&](const std::string& b) { return sameCharacter(a, b); });
    });
    constexpr const TermInfo& term = terms::named("specialCharPoints");
    return shared ? term.reward : term.lesserReward;
}

std::int32_t lowercaseIPoints(const TextProfile& first, const TextProfile& second)
{
    constexpr const TermInfo& term = terms::named("lowercaseIPoints");
    if (first.characters.lowercaseIFlag && second.characters.lowercaseIFlag)
        return term.reward;
    if (first.characters.lowercaseIFlag != second.characters.lowercaseIFlag)
        return term.penalty;
    return 0;
}

std::int32_t sharedUnknownWordPoints(std::size_t sharedUnknownWordCount)
{
    // 25 points a word from the third on would pass the highest band, which is the cap.
    return terms::named("sharedUnknownWordPoints").bands.pointsFor(static_cast<double>(sharedUnknownWordCount));
}

} // namespace quendry
