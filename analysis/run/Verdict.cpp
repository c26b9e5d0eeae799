#include "analysis/run/Verdict.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quendry {

int verdictAdjustment(std::int32_t firstLetterCount, std::int32_t secondLetterCount)
{
    const std::int32_t larger = std::max(firstLetterCount, secondLetterCount);
    static constexpr int byLastDigit[10] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 4};
    return byLastDigit[std::abs(larger % 10)];
}

double verdictScore(const ComparisonResult& terms, const VerdictInputs& inputs)
{
    double total = 0.0;
    int rewards = 0;
    int penalties = 0;
    for (const TermInfo& term : termTable()) {
        const double value = term.valueIn(terms);
        total += value;
        rewards += value > 0.0 ? 1 : 0;
        penalties += value < 0.0 ? 1 : 0;
    }
    const int j = verdictAdjustment(inputs.firstLetterCount, inputs.secondLetterCount);

    double score = 0.0;
    const bool penaltiesOnly = rewards == 0;
    const bool rewardsOnly = penalties == 0;
    if (penaltiesOnly) {
        score = total;
        if (penalties == 1)
            score += 80 + j;
        else if (penalties == 2)
            score += 60 + j;
        else if (penalties >= 3)
            score += 55 + j;
        score = std::max(score, 0.0);
    }
    if (rewardsOnly) {
        if (rewards == 1) {
            score = total + 60 + j;
            if (score > 100)
                score = 85 + j;
        } else if (rewards == 2) {
            score = total + 60 + j;
            if (score > 100 && score < 140)
                score = 90 + j;
            if (score >= 140)
                score = 100;
        } else if (rewards >= 3) {
            score = 100;
        }
    }
    const bool zeroTerms = rewards == 0 && penalties == 0;
    if (zeroTerms)
        score = 75 + j;
    if (!penaltiesOnly && !rewardsOnly)
        score = total + 50;

    score = std::clamp(score, 0.0, 100.0);

    if (score == 0.0 && (inputs.firstWordTokenCount < 25 || inputs.secondWordTokenCount < 25)) {
        const std::int32_t m = inputs.firstWordTokenCount < inputs.secondWordTokenCount ? inputs.firstWordTokenCount
                                                                                        : inputs.secondWordTokenCount;
        score = m + j;
        if (score < 10)
            score = 10 + j;
    }
    return score;
}

int shownPercent(double score)
{
    return static_cast<int>(std::ceil(score));
}

} // namespace quendry
