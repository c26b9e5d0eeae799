// "Save report..." as a user meets it: the button follows the gauge, the report describes what the
// window compared, and every way the save can end (written, cancelled, failed) is visible.
#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/report/ComparisonReport.h"
#include "app/report/ReportSaver.h"
#include "app/shell/FileDialogs.h"
#include "app/shell/MessageBox.h"
#include "tests/samples/support/SampleFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::child;
using quendry::test::GuiTestFolder;
using quendry::test::SampleFixture;

namespace {

constexpr int runTimeoutMs = 60000;

const QDateTime firstDate(QDate(2026, 5, 4), QTime(8, 15), QTimeZone::utc());
const QDateTime secondDate(QDate(2026, 5, 9), QTime(21, 40), QTimeZone::utc());

struct Program : SampleFixture {
    Program()
        : SampleFixture(GuiTestFolder::Dictionary::Present)
    {
        if (!application().start())
            qFatal("the program did not start");
        application().reports().setClock([this] { return now; });
    }

    QPushButton* saveButton() { return child<QPushButton>(window(), "saveReportButton"); }

    // Presses "Analyze" and waits for the run to end; the percentage shown.
    int compare()
    {
        QTest::mouseClick(child<QPushButton>(window(), "analyzeButton"), Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return !window().analysisRun().isRunning(); }, runTimeoutMs))
            qFatal("the comparison did not end");
        return child<ResultGauge>(window(), "resultGauge")->value();
    }

    // Presses "Save report..." with the chooser answering path (empty: cancelled).
    void saveReport(const QString& path)
    {
        if (!path.isEmpty())
            FileDialogs::setNextAnswer(path);
        QTest::mouseClick(saveButton(), Qt::LeftButton);
    }

    QDateTime now = firstDate;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SaveReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        test::prepareGuiTests();
        FileDialogs::setTestMode(true);
    }
    void init()
    {
        MessageBox::clearShown();
        FileDialogs::setTestMode(true);
    }

    void buttonFollowsTheGauge();
    void savesWhatTheWindowCompared_data();
    void savesWhatTheWindowCompared();
    void aPaneNamesItsSampleOnlyWhileUnchanged();
    void sameTextsGiveTheSameReportButTheDate();
    void cancellingWritesNothing();
    void aFailedSaveIsShown();
    void anAddedSuffixAsksBeforeReplacing();
};

void SaveReportTest::buttonFollowsTheGauge()
{
    Program program;
    QVERIFY(!program.saveButton()->isEnabled());

    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    program.compare();
    QVERIFY(program.saveButton()->isEnabled());

    // A refused comparison shows no result, so there is nothing to report.
    program.setPaneText(Pane::Lower, QStringLiteral("Too short."));
    program.compare();
    QVERIFY(!program.saveButton()->isEnabled());
    QCOMPARE(MessageBox::shown().size(), 1);
}

void SaveReportTest::savesWhatTheWindowCompared_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("pdf");

    QTest::newRow("web page") << "report.html" << "report.html" << false;
    QTest::newRow("web page, short suffix") << "report.htm" << "report.htm" << false;
    QTest::newRow("PDF") << "report.pdf" << "report.pdf" << true;
    QTest::newRow("no suffix: PDF") << "report" << "report.pdf" << true;
    QTest::newRow("another suffix: PDF added") << "report.txt" << "report.txt.pdf" << true;
}

void SaveReportTest::savesWhatTheWindowCompared()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(bool, pdf);

    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    const int percent = program.compare();

    QTemporaryDir out;
    program.saveReport(out.filePath(answer));
    QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::shown().value(0).text));
    const QByteArray bytes = readFile(out.filePath(written));
    if (pdf) {
        QVERIFY(bytes.startsWith("%PDF-"));
        return;
    }
    const QString html = QString::fromUtf8(bytes);
    QVERIFY(html.contains(QStringLiteral(">%1%<").arg(percent)));
    QVERIFY(html.contains(QStringLiteral("\u201CI went down to the harbour this morning \u2026\u201D")));
    QVERIFY(html.contains(QStringLiteral("Made on 2026-05-04 at 08:15")));
    QVERIFY(html.contains(QStringLiteral("What the percentage means")));
}

void SaveReportTest::aPaneNamesItsSampleOnlyWhileUnchanged()
{
    Program program;
    program.writeSampleFile(QStringLiteral("Harbour.tqd"), test::englishText1().toUtf8());
    QVERIFY(program.library().putIntoPane(QStringLiteral("Harbour"), Pane::Upper, &program.window()));
    program.setPaneText(Pane::Lower, test::englishText2());
    program.compare();

    QTemporaryDir out;
    program.saveReport(out.filePath(QStringLiteral("named.html")));
    QVERIFY(QString::fromUtf8(readFile(out.filePath(QStringLiteral("named.html"))))
                .contains(QStringLiteral("<td>Sample \u201CHarbour\u201D</td>")));

    program.editor(Pane::Upper).moveCursor(QTextCursor::End);
    program.editor(Pane::Upper).insertPlainText(QStringLiteral(" And then it rained."));
    program.compare();
    program.saveReport(out.filePath(QStringLiteral("edited.html")));
    const QString edited = QString::fromUtf8(readFile(out.filePath(QStringLiteral("edited.html"))));
    QVERIFY(!edited.contains(QStringLiteral("Harbour\u201D")));
    QVERIFY(edited.contains(QStringLiteral("\u201CI went down to the harbour")));
}

void SaveReportTest::sameTextsGiveTheSameReportButTheDate()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    QTemporaryDir out;

    program.compare();
    program.saveReport(out.filePath(QStringLiteral("first.html")));
    const QString firstMade = program.application().reports().report()->madeLine();
    program.now = secondDate;
    program.compare();
    program.saveReport(out.filePath(QStringLiteral("second.html")));
    const QString secondMade = program.application().reports().report()->madeLine();

    QString first = QString::fromUtf8(readFile(out.filePath(QStringLiteral("first.html"))));
    QString second = QString::fromUtf8(readFile(out.filePath(QStringLiteral("second.html"))));
    QVERIFY(!first.isEmpty());
    QVERIFY(first != second);
    first.replace(firstMade.toHtmlEscaped(), QStringLiteral("DATE"));
    second.replace(secondMade.toHtmlEscaped(), QStringLiteral("DATE"));
    QCOMPARE(first, second);
}

void SaveReportTest::cancellingWritesNothing()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    program.compare();
    program.saveReport(QString());
    QCOMPARE(FileDialogs::askedCount(), 1);
    QVERIFY(MessageBox::shown().isEmpty());
}

void SaveReportTest::aFailedSaveIsShown()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    program.compare();

    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("no such folder/report.pdf"));
    program.saveReport(path);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown()[0].kind, MessageBox::Kind::Error);
    QVERIFY(MessageBox::shown()[0].text.contains(QDir::toNativeSeparators(path)));
}

void SaveReportTest::anAddedSuffixAsksBeforeReplacing()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    program.compare();

    QTemporaryDir out;
    QFile existing(out.filePath(QStringLiteral("report.pdf")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("kept");
    existing.close();

    MessageBox::setNextAnswer(MessageBox::Button::No);
    program.saveReport(out.filePath(QStringLiteral("report")));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown()[0].kind, MessageBox::Kind::Question);
    QCOMPARE(readFile(out.filePath(QStringLiteral("report.pdf"))), QByteArray("kept"));

    MessageBox::setNextAnswer(MessageBox::Button::Yes);
    program.saveReport(out.filePath(QStringLiteral("report")));
    QVERIFY(readFile(out.filePath(QStringLiteral("report.pdf"))).startsWith("%PDF-"));
}

QTEST_MAIN(SaveReportTest)
#include "SaveReport_test.moc"
