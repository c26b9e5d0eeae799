// "Rank against samples" as a user meets it: the percentages it lists are those "Analyze" gives
// for the same pair, a double-click compares the chosen sample in the lower pane and logs it by
// name, and the ranking itself logs nothing.
#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryFile.h"
#include "history/HistoryLog.h"
#include "samples/RankingDialog.h"
#include "tests/samples/support/ModalDriver.h"
#include "tests/samples/support/SampleFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace quendry;
using quendry::test::child;
using quendry::test::GuiTestFolder;
using quendry::test::ModalDriver;
using quendry::test::SampleFixture;

namespace {

constexpr int runTimeoutMs = 60000;

struct Program : SampleFixture {
    HistoryLog& history = SampleFixture::history();

    Program()
        : SampleFixture(GuiTestFolder::Dictionary::Present)
    {
        if (!application().start())
            qFatal("the program did not start");
        setPaneText(Pane::Upper, test::englishText1());
        writeSampleFile(QStringLiteral("rich.tqd"),
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 We stayed at home for most of the afternoon because the rain "
            "would not stop.\\par My brother read a book about ships while I wrote letters to our friends in the "
            "city.\\par}");
        writeSampleFile(QStringLiteral("plain.tqd"), test::englishText2().toUtf8());
        writeSampleFile(QStringLiteral("Also plain.tqd"), test::englishText2().toUtf8());
        writeSampleFile(QStringLiteral("tiny.tqd"), "Too short.");
    }

    // Opens the ranking, lets it finish, runs the action on it; the action must close it.
    void rank(const std::function<void(RankingDialog&)>& action)
    {
        ModalDriver driver(QStringLiteral("rankingDialog"), [&](QWidget* window) {
            auto* dialog = qobject_cast<RankingDialog*>(window);
            if (!QTest::qWaitFor([dialog] { return !dialog->isRanking(); }, runTimeoutMs))
                qFatal("the ranking did not end");
            action(*dialog);
        });
        QTest::mouseClick(child<QPushButton>(window(), "rankButton"), Qt::LeftButton);
        QVERIFY(driver.ran());
    }

    int compare()
    {
        QTest::mouseClick(child<QPushButton>(window(), "analyzeButton"), Qt::LeftButton);
        waitForComparison();
        return child<ResultGauge>(window(), "resultGauge")->value();
    }
    void waitForComparison()
    {
        QTest::qWait(0);
        if (!QTest::qWaitFor([this] { return !window().analysisRun().isRunning(); }, runTimeoutMs))
            qFatal("the comparison did not end");
    }

    QList<QByteArray> logLines() const { return HistoryFile(history.filePath()).read().lines; }
};

struct Row {
    QString sample;
    QString percent;
    QString refusal;
};

QList<Row> rows(RankingDialog& dialog)
{
    auto* table = child<QTableWidget>(dialog, "rankingTable");
    QList<Row> result;
    for (int row = 0; row < table->rowCount(); ++row)
        result.append({table->item(row, 0)->text(), table->item(row, 1)->text(), table->item(row, 2)->text()});
    return result;
}

} // namespace

class RankingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void percentagesAreThoseOfAnalyze();
    void doubleClickComparesTheSampleInTheLowerPane();
    void emptyLibrary();
    void cancelKeepsWhatWasCompared();
    void tableAsCsv();
};

void RankingDialogTest::percentagesAreThoseOfAnalyze()
{
    Program program;
    QList<Row> ranked;
    program.rank([&](RankingDialog& dialog) {
        ranked = rows(dialog);
        dialog.reject();
    });
    QCOMPARE(ranked.size(), 4);
    // Highest first, equal percentages by name, the refused sample last.
    QCOMPARE(ranked[3].sample, QStringLiteral("tiny"));
    QCOMPARE(ranked[3].percent, QString());
    QCOMPARE(ranked[3].refusal, QStringLiteral("The second text is too small to be analyzed."));
    QStringList order;
    for (const Row& row : ranked)
        order.append(row.sample);
    QVERIFY2(order.indexOf(QStringLiteral("Also plain")) + 1 == order.indexOf(QStringLiteral("plain")), qPrintable(order.join(',')));
    QVERIFY(program.logLines().isEmpty());

    for (const Row& row : ranked.mid(0, 3)) {
        QVERIFY(program.library().putIntoPane(row.sample, Pane::Lower, &program.window()));
        const int analyzed = program.compare();
        QCOMPARE(row.percent, QString::number(analyzed) + QLatin1Char('%'));
    }
    QCOMPARE(program.logLines().size(), 3);
}

void RankingDialogTest::doubleClickComparesTheSampleInTheLowerPane()
{
    Program program;
    QString chosen;
    QString percent;
    program.rank([&](RankingDialog& dialog) {
        auto* table = child<QTableWidget>(dialog, "rankingTable");
        chosen = table->item(0, 0)->text();
        percent = table->item(0, 1)->text();
        const QRect cell = table->visualItemRect(table->item(0, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        if (dialog.isVisible()) {
            dialog.reject();
            QFAIL("a double-click did not choose the sample");
        }
    });
    program.waitForComparison();
    QCOMPARE(program.paneText(Pane::Lower).trimmed(), program.sampleText(chosen).trimmed());
    QCOMPARE(QString::number(child<ResultGauge>(program.window(), "resultGauge")->value()) + QLatin1Char('%'), percent);
    QCOMPARE(program.logLines().size(), 1);
    const QString line = HistoryFile::decode(program.logLines().at(0));
    QVERIFY2(line.startsWith(QStringLiteral("\"USER TEXT\"<->\"") + chosen + QStringLiteral("\" ")), qPrintable(line));
}

void RankingDialogTest::emptyLibrary()
{
    SampleFixture fixture(GuiTestFolder::Dictionary::Present);
    MessageBox::setTestMode(true);
    QTest::mouseClick(child<QPushButton>(fixture.window(), "rankButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().at(0).text, SampleLibrary::emptyLibraryMessage());
}

void RankingDialogTest::cancelKeepsWhatWasCompared()
{
    Program program;
    QString longText;
    for (int i = 0; i < 40; ++i)
        longText += test::englishText2() + QLatin1Char('\n');
    for (int i = 0; i < 300; ++i)
        program.writeSampleFile(QStringLiteral("many %1.tqd").arg(i, 3, 10, QLatin1Char('0')), longText.toUtf8());
    ModalDriver driver(QStringLiteral("rankingDialog"), [&](QWidget* window) {
        auto* dialog = qobject_cast<RankingDialog*>(window);
        QTest::mouseClick(child<QPushButton>(*dialog, "cancelButton"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([dialog] { return !dialog->isRanking(); }, runTimeoutMs));
        QVERIFY(rows(*dialog).size() < 304);
        QVERIFY2(child<QLabel>(*dialog, "rankingStatus")->text().startsWith(QStringLiteral("Cancelled")),
            qPrintable(child<QLabel>(*dialog, "rankingStatus")->text()));
        QVERIFY(!child<QWidget>(program.window(), "progressStrip")->isVisible());
        dialog->reject();
    });
    QTest::mouseClick(child<QPushButton>(program.window(), "rankButton"), Qt::LeftButton);
    QVERIFY(driver.ran());
}

void RankingDialogTest::tableAsCsv()
{
    Program program;
    program.writeSampleFile(QStringLiteral("comma, \"quoted\".tqd"), test::englishText2().toUtf8());
    QString csv;
    QByteArray saved;
    program.rank([&](RankingDialog& dialog) {
        csv = dialog.csvText();
        const QString path = program.folder().filePath(QStringLiteral("ranking.csv"));
        QVERIFY(!dialog.saveCsv(path));
        saved = program.folder().readFile(QStringLiteral("ranking.csv"));
        // Sorting by sample name is the user's choice.
        child<QTableWidget>(dialog, "rankingTable")->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(rows(dialog).at(0).sample, QStringLiteral("Also plain"));
        dialog.reject();
    });
    const QStringList lines = csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QStringLiteral("sample,percent,refusal"));
    QVERIFY2(csv.contains(QStringLiteral("\"comma, \"\"quoted\"\"\",")), qPrintable(csv));
    QCOMPARE(lines[5], QStringLiteral("tiny,,The second text is too small to be analyzed."));
    QCOMPARE(saved, csv.toUtf8());
}

QTEST_MAIN(RankingDialogTest)
#include "RankingDialog_test.moc"
