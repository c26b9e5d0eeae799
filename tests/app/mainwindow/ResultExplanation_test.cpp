#include "app/mainwindow/ResultExplanation.h"

#include "analysis/run/ComparisonResult.h"

#include <QtTest>

using namespace quendry;

class ResultExplanationTest : public QObject {
    Q_OBJECT

private slots:
    void noTermMovedTheResult();
    void rewardsThenPenaltiesStrongestFirst();
};

namespace {

QString reasonOf(std::string_view term, bool reward)
{
    for (const TermInfo& info : termTable())
        if (info.name == term) {
            const std::string_view reason = reward ? info.rewardReason : info.penaltyReason;
            return QStringLiteral("\u2022 ") + QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size()));
        }
    return {};
}

} // namespace

void ResultExplanationTest::noTermMovedTheResult()
{
    QCOMPARE(resultExplanation(ComparisonResult{}), QStringLiteral("No habit pointed either way."));
}

void ResultExplanationTest::rewardsThenPenaltiesStrongestFirst()
{
    ComparisonResult terms;
    terms.ampersandPoints = 15;
    terms.colonPoints = 30;
    terms.wordLengthPoints = 12.5; // a reward this term has no words for: left out
    terms.lowercaseIPoints = -15;
    terms.sentenceLengthPoints = -45;
    const QStringList expected{
        QStringLiteral("Pointing to one writer:"),
        reasonOf("colonPoints", true),
        reasonOf("ampersandPoints", true),
        QString(),
        QStringLiteral("Pointing to different writers:"),
        reasonOf("sentenceLengthPoints", false),
        reasonOf("lowercaseIPoints", false),
    };
    QCOMPARE(resultExplanation(terms).split(QLatin1Char('\n')), expected);
}

QTEST_GUILESS_MAIN(ResultExplanationTest)
#include "ResultExplanation_test.moc"
