#include "cli/Metrics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quendry::cli {
namespace {

double scoreOf(const ScoredProblem& problem)
{
    return problem.percent ? *problem.percent / 100.0 : 0.5;
}

struct Answers {
    int right = 0;
    int unanswered = 0;
};

Answers answersAt(const std::vector<ScoredProblem>& problems, double threshold)
{
    Answers answers;
    for (const ScoredProblem& problem : problems) {
        if (!problem.percent || *problem.percent == threshold) {
            ++answers.unanswered;
            continue;
        }
        if ((*problem.percent > threshold) == problem.sameAuthor)
            ++answers.right;
    }
    return answers;
}

std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

} // namespace

Evaluation evaluate(const std::vector<ScoredProblem>& problems)
{
    Evaluation result;
    result.problems = static_cast<int>(problems.size());
    for (const ScoredProblem& problem : problems)
        result.refusals += problem.percent ? 0 : 1;
    if (problems.empty())
        return result;
    const double n = static_cast<double>(problems.size());

    // AUC: the share of (same, other) pairs in which the same-author problem scores higher.
    double wins = 0.0;
    double pairs = 0.0;
    for (const ScoredProblem& same : problems) {
        if (!same.sameAuthor)
            continue;
        for (const ScoredProblem& other : problems) {
            if (other.sameAuthor)
                continue;
            pairs += 1.0;
            const double a = scoreOf(same);
            const double b = scoreOf(other);
            wins += a > b ? 1.0 : a == b ? 0.5 : 0.0;
        }
    }
    result.auc = pairs > 0 ? wins / pairs : 0.0;

    const Answers atFifty = answersAt(problems, 50.0);
    result.accuracy = atFifty.right / n;
    result.cAt1 = (atFifty.right + atFifty.unanswered * atFifty.right / n) / n;

    result.bestAccuracy = -1.0;
    for (int step = 0; step <= 200; ++step) {
        const double threshold = step / 2.0;
        const double accuracy = answersAt(problems, threshold).right / n;
        const bool nearer = std::fabs(threshold - 50.0) < std::fabs(result.bestThreshold - 50.0);
        if (accuracy > result.bestAccuracy || (accuracy == result.bestAccuracy && nearer)) {
            result.bestAccuracy = accuracy;
            result.bestThreshold = threshold;
        }
    }
    return result;
}

std::vector<std::pair<double, double>> rocCurve(const std::vector<ScoredProblem>& problems)
{
    std::vector<double> scores;
    int positives = 0;
    int negatives = 0;
    for (const ScoredProblem& problem : problems) {
        scores.push_back(scoreOf(problem));
        (problem.sameAuthor ? positives : negatives) += 1;
    }
    std::sort(scores.begin(), scores.end(), std::greater<>());
    scores.erase(std::unique(scores.begin(), scores.end()), scores.end());
    std::vector<std::pair<double, double>> points{{0.0, 0.0}};
    for (const double cut : scores) {
        int truePositives = 0;
        int falsePositives = 0;
        for (const ScoredProblem& problem : problems) {
            if (scoreOf(problem) < cut)
                continue;
            (problem.sameAuthor ? truePositives : falsePositives) += 1;
        }
        points.emplace_back(negatives ? static_cast<double>(falsePositives) / negatives : 0.0,
            positives ? static_cast<double>(truePositives) / positives : 0.0);
    }
    if (points.back() != std::pair{1.0, 1.0})
        points.emplace_back(1.0, 1.0);
    return points;
}

std::string rocSvg(const std::vector<ScoredProblem>& problems, double auc)
{
    constexpr double size = 400.0;
    constexpr double margin = 50.0;
    const std::string title = "ROC curve, AUC " + format("%.3f", auc);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"500\" height=\"500\" viewBox=\"0 0 500 500\">\n";
    svg += "<title>" + title + "</title>\n";
    svg += "<rect width=\"500\" height=\"500\" fill=\"white\"/>\n";
    svg += "<text x=\"250\" y=\"30\" text-anchor=\"middle\" font-family=\"sans-serif\" font-size=\"18\">" + title + "</text>\n";
    svg += "<rect x=\"50\" y=\"50\" width=\"400\" height=\"400\" fill=\"none\" stroke=\"black\"/>\n";
    svg += "<line x1=\"50\" y1=\"450\" x2=\"450\" y2=\"50\" stroke=\"#999\" stroke-dasharray=\"4 4\"/>\n";
    svg += "<text x=\"250\" y=\"485\" text-anchor=\"middle\" font-family=\"sans-serif\" font-size=\"14\">false positive rate</text>\n";
    svg += "<text x=\"15\" y=\"250\" text-anchor=\"middle\" font-family=\"sans-serif\" font-size=\"14\" "
           "transform=\"rotate(-90 15 250)\">true positive rate</text>\n";
    svg += "<polyline fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\" points=\"";
    for (const auto& [x, y] : rocCurve(problems))
        svg += format("%.2f", margin + x * size) + "," + format("%.2f", margin + (1.0 - y) * size) + " ";
    svg.pop_back();
    svg += "\"/>\n</svg>\n";
    return svg;
}

} // namespace quendry::cli
