#include "app/mainwindow/ResultExplanation.h"

#include "analysis/run/ComparisonResult.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quendry {

QString resultExplanation(const ComparisonResult& terms)
{
    // The engine's explanation, strongest first, split by sign; a term without wording for its
    // sign is left out.
    std::vector<ExplanationLine> rewards;
    std::vector<ExplanationLine> penalties;
    for (const ExplanationLine& line : explain(terms)) {
        if (line.reason.empty())
            continue;
        (line.points > 0 ? rewards : penalties).push_back(line);
    }

    QStringList lines;
    const auto addSection = [&lines](const QString& heading, const std::vector<ExplanationLine>& section) {
        if (section.empty())
            return;
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(heading);
        for (const ExplanationLine& line : section)
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
