#include "analysis/features/Spacing.h"

#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <cmath>

namespace quendry {
namespace {

std::int32_t markCount(const CharacterProfile& p)
{
    return p.commaCount + p.periodCount + p.questionMarkCount;
}

// Of the text's commas, full stops and question marks, the share in per cent with the given
// spacing. It can pass 100: the spaced counts include marks next to digits, the mark count not.
double spacedShare(std::int32_t marks, std::int32_t spaced)
{
    if (marks == 0)
        return 0.0;
    return (100.0 / marks) * spaced;
}

// The penalty for two spacing shares d points apart, softened when a text has few marks and
// dropped when one has too few to show a habit.
std::int32_t spacingPoints(const Bands& bands, std::int32_t firstMarks, double firstShare, std::int32_t secondMarks,
    double secondShare)
{
    std::int32_t points = 0;
    if (firstMarks >= 1 && secondMarks >= 1)
        points = bands.pointsFor(std::fabs(firstShare - secondShare));
    if (firstMarks <= 3 || secondMarks <= 3)
        points /= 3; // integer division truncates toward zero: -40 becomes -13
    if (firstMarks <= 2 || secondMarks <= 2)
        points = 0;
    return points;
}

double commaRate(const CharacterProfile& p)
{
    if (p.commaCount == 0)
        return p.wordTokenCount;
    return static_cast<double>(p.wordTokenCount) / p.commaCount;
}

} // namespace

double wordLengthPoints(const TextProfile& firstProfile, const TextProfile& secondProfile)
{
    const CharacterProfile& first = firstProfile.characters;
    const CharacterProfile& second = secondProfile.characters;
    const double firstAverage = static_cast<double>(first.letterCount) / first.wordTokenCount;
    const double secondAverage = static_cast<double>(second.letterCount) / second.wordTokenCount;
    // A gap of 100 letters or more means one text is not prose at all; it proves nothing.
    return terms::named("wordLengthPoints").bands.pointsFor(std::fabs(firstAverage - secondAverage));
}

std::int32_t spaceBeforeMarkPoints(const TextProfile& firstProfile, const TextProfile& secondProfile)
{
    const CharacterProfile& first = firstProfile.characters;
    const CharacterProfile& second = secondProfile.characters;
    const std::int32_t firstMarks = markCount(first);
    const std::int32_t secondMarks = markCount(second);
    return spacingPoints(terms::named("spaceBeforeMarkPoints").bands, firstMarks,
        spacedShare(firstMarks, first.spaceCommaCount + first.spacePeriodCount + first.spaceQuestionCount),
        secondMarks,
        spacedShare(secondMarks, second.spaceCommaCount + second.spacePeriodCount + second.spaceQuestionCount));
}

std::int32_t spaceAfterMarkPoints(const TextProfile& firstProfile, const TextProfile& secondProfile)
{
    const CharacterProfile& first = firstProfile.characters;
    const CharacterProfile& second = secondProfile.characters;
    const std::int32_t firstMarks = markCount(first);
    const std::int32_t secondMarks = markCount(second);
    return spacingPoints(terms::named("spaceAfterMarkPoints").bands, firstMarks,
        spacedShare(firstMarks, first.commaSpaceCount + first.periodSpaceCount + first.questionSpaceCount),
        secondMarks,
        spacedShare(secondMarks, second.commaSpaceCount + second.periodSpaceCount + second.questionSpaceCount));
}

double commaRatePoints(const TextProfile& firstProfile, const TextProfile& secondProfile)
{
    constexpr const TermInfo& term = terms::named("commaRatePoints");
    const CharacterProfile& first = firstProfile.characters;
    const CharacterProfile& second = secondProfile.characters;
    // Two texts long enough to need a comma that both do without one share a habit.
    if (first.commaCount == 0 && second.commaCount == 0 && first.wordTokenCount >= 20
        && second.wordTokenCount >= 20)
        return term.reward;
    const double firstRate = commaRate(first);
    const double secondRate = commaRate(second);
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    return term.bands.pointsFor(ratio);
}

} // namespace quendry
