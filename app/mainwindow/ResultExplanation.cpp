#include "app/mainwindow/ResultExplanation.h"

#include "analysis/run/ComparisonResult.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quendry {

QString resultExplanation(const ComparisonResult& terms)
{
    struct Line {
        double points;
        std::string_view reason;
    };
    std::vector<Line> rewards;
    std::vector<Line> penalties;
    for (const TermInfo& term : termTable()) {
        const double points = term.valueIn(terms);
        if (points > 0 && !term.rewardReason.empty())
            rewards.push_back({points, term.rewardReason});
        else if (points < 0 && !term.penaltyReason.empty())
            penalties.push_back({points, term.penaltyReason});
    }
    const auto strongestFirst = [](const Line& a, const Line& b) { return std::abs(a.points) > std::abs(b.points); };
    std::stable_sort(rewards.begin(), rewards.end(), strongestFirst);
    std::stable_sort(penalties.begin(), penalties.end(), strongestFirst);

    QStringList lines;
    const auto addSection = [&lines](const QString& heading, const std::vector<Line>& section) {
        if (section.empty())
            return;
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(heading);
        for (const Line& line : section)
            lines.append(QStringLiteral("\u2022 ")
                + QString::fromUtf8(line.reason.data(), static_cast<qsizetype>(line.reason.size())));
    };
    addSection(QStringLiteral("Pointing to one writer:"), rewards);
    addSection(QStringLiteral("Pointing to different writers:"), penalties);
    if (lines.isEmpty())
        return QStringLiteral("No habit pointed either way.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace quendry
