#include "analysis/run/Analyzer.h"
#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/PaneText.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/mainwindow/StatusPicture.h"
#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/MessageBox.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

namespace {

constexpr int runTimeoutMs = 60000;

// A main window over a temporary folder, with the finished comparisons and the status picture's
// frames written down.
struct Fixture {
    GuiTestFolder folder;
    std::unique_ptr<MainWindow> window;
    QList<int> percents;
    QList<int> frames;

    Fixture()
    {
        window = std::make_unique<MainWindow>(folder.settings(), folder.folder(), folder.analyzer());
        QObject::connect(window.get(), &MainWindow::comparisonFinished, [this](int percent) { percents.append(percent); });
        QObject::connect(child<StatusPicture>("statusPicture"), &StatusPicture::frameShown,
            [this](int frame) { frames.append(frame); });
        window->show();
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }

    void setTexts(const QString& upper, const QString& lower)
    {
        window->pane(Pane::Upper).editor()->setPlainText(upper);
        window->pane(Pane::Lower).editor()->setPlainText(lower);
    }

    void analyze() { QTest::mouseClick(child<QPushButton>("analyzeButton"), Qt::LeftButton); }
    bool running() const { return window->analysisRun().isRunning(); }
    bool resultShown() const { return !child<QWidget>("resultStrip")->isHidden(); }
    bool progressShown() const { return !child<QWidget>("progressStrip")->isHidden(); }
    ResultGauge* gauge() const { return child<ResultGauge>("resultGauge"); }
};

// The percentage the engine gives for the two pane texts, read the way the window reads them.
int enginePercent(const Fixture& fixture)
{
    const std::string first = paneEngineText(*fixture.window->pane(Pane::Upper).document());
    const std::string second = paneEngineText(*fixture.window->pane(Pane::Lower).document());
    const Dictionary dictionary = Dictionary::fromFile(fixture.folder.folder().fileSystemPath(QStringLiteral("Dct.txt")));
    const ComparisonOutcome outcome = Analyzer().compare(first, second, dictionary);
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        qFatal("the engine refused the texts: %s", std::string(refusal->message()).c_str());
    return std::get<Comparison>(outcome).percent;
}

} // namespace

class AnalysisRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void refusals_data();
    void refusals();
    void completedRunShowsTheEnginePercent();
    void refusalAfterAResultHidesIt();
    void secondAnalyzeWhileRunningIsIgnored();
    void progressBarCountsCrLfAsTwo();
    void closingWaitsForTheRun();
};

void AnalysisRunTest::refusals_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("message");

    const QString english = test::englishText1();
    const QString notEnglish = QStringLiteral("Zxqv brrtk plonq vvhrz qqmt xyzzq kwrrp tzztl frumbq glorpt.");
    QTest::newRow("two empty panes") << "" << "" << "The first text is too small to be analyzed.";
    QTest::newRow("five words") << "One two three four five." << english << "The first text is too small to be analyzed.";
    QTest::newRow("empty second pane") << english << "" << "The second text is too small to be analyzed.";
    QTest::newRow("first text not English") << notEnglish << english
                                            << "Too few English words for analysis in the first text.";
    QTest::newRow("second text not English") << english << notEnglish
                                             << "Too few English words for analysis in the second text.";
}

void AnalysisRunTest::refusals()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, message);

    Fixture fixture;
    fixture.setTexts(upper, lower);
    fixture.analyze();
    QVERIFY(fixture.running());
    QVERIFY(fixture.progressShown());
    QVERIFY(!fixture.child<QPushButton>("analyzeButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text, message);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Quendry"));
    QVERIFY(!fixture.progressShown());
    QCOMPARE(fixture.child<QProgressBar>("progressBar")->value(), 0);
    QVERIFY(!fixture.resultShown());
    QVERIFY(fixture.percents.isEmpty());
    // The start animation played before the message, the end animation after it.
    QCOMPARE(fixture.frames, (QList<int>{1, 2, 3, 4, 5, 5, 4, 3, 2, 1}));
    QVERIFY(fixture.child<QPushButton>("analyzeButton")->isEnabled());
    QCOMPARE(fixture.window->pane(Pane::Upper).document()->toPlainText(), upper);
    QCOMPARE(fixture.window->pane(Pane::Lower).document()->toPlainText(), lower);
}

void AnalysisRunTest::completedRunShowsTheEnginePercent()
{
    Fixture fixture;
    // Typographic quotes and line breaks go through the same conversion as in quendry-cli.
    fixture.setTexts(test::englishText1() + QStringLiteral(" \u201cReally?\u201d I\u2019d say so."),
        test::englishText2());
    const int expected = enginePercent(fixture);
    fixture.analyze();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);

    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(fixture.resultShown());
    QVERIFY(!fixture.progressShown());
    QCOMPARE(fixture.gauge()->value(), expected);
    QCOMPARE(fixture.gauge()->text(), QString::number(expected) + QLatin1Char('%'));
    QVERIFY(!fixture.gauge()->toolTip().isEmpty());
    QCOMPARE(fixture.percents, QList<int>{expected});
    QCOMPARE(fixture.frames, (QList<int>{1, 2, 3, 4, 5, 5, 4, 3, 2, 1}));
}

void AnalysisRunTest::refusalAfterAResultHidesIt()
{
    Fixture fixture;
    fixture.setTexts(test::englishText1(), test::englishText2());
    fixture.analyze();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);
    QVERIFY(fixture.resultShown());

    fixture.window->pane(Pane::Lower).clearText();
    fixture.analyze();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("The second text is too small to be analyzed."));
    QVERIFY(!fixture.resultShown());
    QCOMPARE(fixture.percents.size(), 1);
}

void AnalysisRunTest::secondAnalyzeWhileRunningIsIgnored()
{
    Fixture fixture;
    fixture.setTexts(test::englishText1(), test::englishText2());
    fixture.analyze();
    QVERIFY(fixture.running());
    fixture.window->analyze();
    QTest::qWait(100);
    fixture.window->analyze();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);
    QTest::qWait(200);
    QCOMPARE(fixture.percents.size(), 1);
    QCOMPARE(fixture.frames, (QList<int>{1, 2, 3, 4, 5, 5, 4, 3, 2, 1}));
}

void AnalysisRunTest::progressBarCountsCrLfAsTwo()
{
    Fixture fixture;
    // 5 characters and a line break, then 1 character beyond ASCII, and the 11 steps.
    fixture.setTexts(QStringLiteral("ab\ncd"), QStringLiteral("\u00e9"));
    fixture.analyze();
    auto* bar = fixture.child<QProgressBar>("progressBar");
    QCOMPARE(bar->maximum(), 6 + 1 + 11);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->value(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.running(), runTimeoutMs);
}

void AnalysisRunTest::closingWaitsForTheRun()
{
    Fixture fixture;
    fixture.setTexts(test::englishText1(), test::englishText2());
    fixture.analyze();
    QVERIFY(!fixture.window->close());
    QVERIFY(fixture.window->isVisible());
    QVERIFY(!fixture.folder.exists(QStringLiteral("Top.txt")));
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.window->isVisible(), runTimeoutMs);
    QVERIFY(!fixture.running());
    QCOMPARE(fixture.percents.size(), 1);
    QVERIFY(fixture.folder.exists(QStringLiteral("Top.txt")));
    QVERIFY(fixture.folder.exists(QStringLiteral("Bottom.txt")));
}

QTEST_MAIN(AnalysisRunTest)
#include "AnalysisRun_test.moc"
