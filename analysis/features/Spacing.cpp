#include "analysis/features/Spacing.h"

#include <algorithm>
#include <cmath>

namespace quendry {
namespace {

std::int32_t markCount(const TextProfile& p)
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
std::int32_t spacingPoints(std::int32_t firstMarks, double firstShare, std::int32_t secondMarks, double secondShare)
{
    std::int32_t points = 0;
    if (firstMarks >= 1 && secondMarks >= 1) {
        const double d = std::fabs(firstShare - secondShare);
        if (d >= 100)
            points = -100;
        else if (d >= 90)
            points = -90;
        else if (d >= 80)
            points = -80;
        else if (d >= 70)
            points = -70;
        else if (d >= 60)
            points = -60;
        else if (d >= 50)
            points = -50;
        else if (d >= 40)
            points = -40;
    }
    if (firstMarks <= 3 || secondMarks <= 3)
        points /= 3; // integer division truncates toward zero: -40 becomes -13
    if (firstMarks <= 2 || secondMarks <= 2)
        points = 0;
    return points;
}

double commaRate(const TextProfile& p)
{
    if (p.commaCount == 0)
        return p.wordTokenCount;
    return static_cast<double>(p.wordTokenCount) / p.commaCount;
}

} // namespace

double wordLengthPoints(const TextProfile& first, const TextProfile& second)
{
    const double firstAverage = static_cast<double>(first.letterCount) / first.wordTokenCount;
    const double secondAverage = static_cast<double>(second.letterCount) / second.wordTokenCount;
    const double d = std::fabs(firstAverage - secondAverage);
    // A gap of 100 letters or more means one text is not prose at all; it proves nothing.
    if (d >= 100)
        return 0;
    if (d >= 3.0)
        return -50;
    if (d >= 2.8)
        return -45;
    if (d >= 2.5)
        return -40;
    if (d >= 2.0)
        return -35;
    if (d >= 1.8)
        return -30;
    if (d >= 1.5)
        return -25;
    if (d >= 1.0)
        return -20;
    if (d >= 0.75)
        return -15;
    return 0;
}

std::int32_t spaceBeforeMarkPoints(const TextProfile& first, const TextProfile& second)
{
    const std::int32_t firstMarks = markCount(first);
    const std::int32_t secondMarks = markCount(second);
    return spacingPoints(firstMarks,
        spacedShare(firstMarks, first.spaceCommaCount + first.spacePeriodCount + first.spaceQuestionCount),
        secondMarks,
        spacedShare(secondMarks, second.spaceCommaCount + second.spacePeriodCount + second.spaceQuestionCount));
}

std::int32_t spaceAfterMarkPoints(const TextProfile& first, const TextProfile& second)
{
    const std::int32_t firstMarks = markCount(first);
    const std::int32_t secondMarks = markCount(second);
    return spacingPoints(firstMarks,
        spacedShare(firstMarks, first.commaSpaceCount + first.periodSpaceCount + first.questionSpaceCount),
        secondMarks,
        spacedShare(secondMarks, second.commaSpaceCount + second.periodSpaceCount + second.questionSpaceCount));
}

double commaRatePoints(const TextProfile& first, const TextProfile& second)
{
    // Two texts long enough to need a comma that both do without one share a habit.
    if (first.commaCount == 0 && second.commaCount == 0 && first.wordTokenCount >= 20
        && second.wordTokenCount >= 20)
        return 15;
    const double firstRate = commaRate(first);
    const double secondRate = commaRate(second);
    const double ratio = std::max(firstRate, secondRate) / std::min(firstRate, secondRate);
    if (ratio >= 20)
        return -100;
    if (ratio < 3.5)
        return 0;
    if (ratio < 4)
        return -15;
    // From 4 on, 5 points more for every further unit of the ratio.
    return -20 - 5 * std::floor(ratio - 4);
}

} // namespace quendry
