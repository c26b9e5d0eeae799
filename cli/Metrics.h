#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quendry::cli {

// One labelled verification problem, once scored.
struct ScoredProblem {
    std::string name;
    bool sameAuthor = false;
    // The percentage, 0 to 100; nothing when the comparison was refused (no answer).
    std::optional<double> percent;
};

// How well the scores separate the labels. Scores are percentages divided by 100; a refusal
// scores 0.5, as the shared evaluation tasks count an unanswered problem.
struct Evaluation {
    int problems = 0;
    int refusals = 0;
    double auc = 0.0;      // area under the ROC curve; ties count one half
    double cAt1 = 0.0;     // c@1 at the threshold of 50
    double accuracy = 0.0; // accuracy at the threshold of 50
    double bestThreshold = 50.0;
    double bestAccuracy = 0.0;
};

// At a threshold t a problem is answered "same author" when its percentage is above t, "other
// author" when below, and not answered when it equals t or was refused. Accuracy counts the right
// answers among all problems; c@1 adds to them the unanswered share of the problems times the
// accuracy among answered ones: (right + unanswered * right / problems) / problems. The best
// threshold is the one from 0 to 100, in steps of 0.5, with the highest accuracy, the one nearest
// 50 among equals.
Evaluation evaluate(const std::vector<ScoredProblem>& problems);

// The ROC curve as (false positive rate, true positive rate) points from (0,0) to (1,1), one per
// distinct score, scores taken as above.
std::vector<std::pair<double, double>> rocCurve(const std::vector<ScoredProblem>& problems);

// The ROC curve as an SVG picture whose title gives the AUC.
std::string rocSvg(const std::vector<ScoredProblem>& problems, double auc);

} // namespace quendry::cli
