#include "app/report/ComparisonReport.h"

#include "analysis/run/Comparison.h"
#include "cli/CompareCommand.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

namespace quendry {
namespace {

constexpr int labelWords = 8;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// "+13:45" for the offset of the report's time from UTC.
QString utcOffset(const QDateTime& when)
{
    const int seconds = when.offsetFromUtc();
    const int minutes = (seconds < 0 ? -seconds : seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

const char* const meaningText =
    "The percentage is Quendry's estimate that one person wrote both texts. It comes from the "
    "writing habits listed above: each rule that found the two texts alike or unlike added or "
    "took away points, and the points were turned into a figure from 0 to 100. It is an estimate "
    "made by fixed rules, not a probability measured on cases of known writers, and it is not "
    "proof. Short texts, texts of different kinds (a letter and a chat message), texts that were "
    "edited, corrected or dictated, and a writer who imitates another can all mislead it. A high "
    "figure says that the texts share habits that writers rarely change; a low figure says that "
    "they differ in such habits. Weigh it together with the reasons above and with other evidence.";

} // namespace

ComparisonReport::ComparisonReport(const ReportedText& first, const ReportedText& second,
    const Comparison& comparison, const QDateTime& made, const QString& version)
    : m_texts{first, second}
    , m_percent(comparison.percent)
    , m_made(made)
    , m_version(version)
{
    for (const ExplanationLine& line : explain(comparison.terms))
        m_reasons.append({QString::fromStdString(cli::formatPoints(line.points)), fromUtf8(line.reason)});
}

QString ComparisonReport::label(const ReportedText& text)
{
    if (!text.sampleName.isEmpty())
        return QStringLiteral("Sample \u201C%1\u201D").arg(text.sampleName);
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList words = text.text.split(space, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("(empty text)");
    QString label = words.mid(0, labelWords).join(QLatin1Char(' '));
    if (words.size() > labelWords)
        label += QStringLiteral(" \u2026");
    return QStringLiteral("\u201C%1\u201D").arg(label);
}

qsizetype ComparisonReport::characterCount(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++count;
    }
    return count;
}

QString ComparisonReport::madeLine() const
{
    return QStringLiteral("Made on %1 (%2) by Quendry %3.")
        .arg(QLocale::c().toString(m_made, QStringLiteral("yyyy-MM-dd 'at' HH:mm")), utcOffset(m_made),
            m_version.isEmpty() ? QStringLiteral("(version unknown)") : m_version);
}

QString ComparisonReport::html() const
{
    QString html;
    html += QStringLiteral(
        "<!DOCTYPE html>\n"
        "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Quendry comparison report</title>\n"
        "<style>\n"
        "body { font-family: 'DejaVu Sans', Verdana, sans-serif; font-size: 10pt; color: #222222; }\n"
        "h1 { font-size: 16pt; }\n"
        "h2 { font-size: 12pt; margin-top: 14pt; }\n"
        "th { text-align: left; background-color: #fde9ac; }\n"
        ".percent { font-size: 24pt; font-weight: bold; }\n"
        "</style>\n</head>\n<body>\n"
        "<h1>Quendry comparison report</h1>\n");
    html += QStringLiteral("<p class=\"made\">%1</p>\n").arg(escaped(madeLine()));

    html += QStringLiteral("<h2>Result</h2>\n<p class=\"percent\">%1%</p>\n"
                           "<p>Quendry's estimate that one person wrote both texts.</p>\n")
                .arg(m_percent);

    html += QStringLiteral(
        "<h2>The texts</h2>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
        "<tr><th>Pane</th><th>Text</th><th>Characters</th><th>Words</th></tr>\n");
    const QString panes[2] = {QStringLiteral("Upper"), QStringLiteral("Lower")};
    for (int i = 0; i < 2; ++i) {
        html += QStringLiteral(
            "<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td><td align=\"right\">%4</td></tr>\n")
                    .arg(panes[i], escaped(label(m_texts[i])), QString::number(characterCount(m_texts[i].text)),
                        QString::number(m_texts[i].wordCount));
    }
    html += QStringLiteral("</table>\n");

    html += QStringLiteral("<h2>Why</h2>\n");
    if (m_reasons.isEmpty()) {
        html += QStringLiteral("<p>No rule found evidence either way.</p>\n");
    } else {
        html += QStringLiteral(
            "<p>The rules that moved the result, largest first. Positive points point to one writer, "
            "negative points to two.</p>\n"
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
            "<tr><th>Points</th><th>What the texts show</th></tr>\n");
        for (const Reason& reason : m_reasons) {
            html += QStringLiteral("<tr><td align=\"right\">%1</td><td>%2</td></tr>\n")
                        .arg(escaped(reason.points), escaped(reason.text));
        }
        html += QStringLiteral("</table>\n");
    }

    html += QStringLiteral("<h2>What the percentage means</h2>\n<p>%1</p>\n</body>\n</html>\n")
                .arg(escaped(QString::fromUtf8(meaningText)));
    return html;
}

} // namespace quendry
