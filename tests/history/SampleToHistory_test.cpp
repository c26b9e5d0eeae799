// The whole road from a sample to a history line, as a user walks it: save a pane as a sample, put
// it into the other pane through the Samples window, compare, and prune the log in the History
// window reached from the Settings window.
#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryDialog.h"
#include "history/HistoryFile.h"
#include "history/HistoryList.h"
#include "history/HistoryLog.h"
#include "samples/SamplesDialog.h"
#include "tests/samples/support/ModalDriver.h"
#include "tests/samples/support/SampleFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::child;
using quendry::test::GuiTestFolder;
using quendry::test::ModalDriver;
using quendry::test::SampleFixture;

namespace {

constexpr int runTimeoutMs = 60000;

// The program as it starts.
struct Program : SampleFixture {
    HistoryLog& history = SampleFixture::history();

    Program()
        : SampleFixture(GuiTestFolder::Dictionary::Present)
    {
        if (!application().start())
            qFatal("the program did not start");
    }

    void saveUpperPaneAsSample(const QString& name)
    {
        QAction* saveSample = child<QAction>(*child<QWidget>(window(), "upperToolbar"), "saveSampleAction");
        ModalDriver driver(QStringLiteral("saveSampleDialog"), [&](QWidget* dialog) {
            QTest::keyClicks(child<QLineEdit>(*dialog, "nameEdit"), name);
            QTest::mouseClick(child<QPushButton>(*dialog, "okButton"), Qt::LeftButton);
        });
        saveSample->trigger();
        QVERIFY(driver.ran());
    }

    void putSampleIntoLowerPane(const QString& name)
    {
        ModalDriver driver(QStringLiteral("samplesDialog"), [&](QWidget* dialog) {
            auto* list = child<QListWidget>(*dialog, "sampleList");
            list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
            child<QAction>(*dialog, "pasteLowerAction")->trigger();
        });
        QTest::mouseClick(child<QPushButton>(window(), "samplesButton"), Qt::LeftButton);
        QVERIFY(driver.ran());
    }

    // Presses "Analyze" and waits for the run to end; the percentage shown.
    int compare()
    {
        QTest::mouseClick(child<QPushButton>(window(), "analyzeButton"), Qt::LeftButton);
        QTest::qWait(0);
        if (!QTest::qWaitFor([this] { return !window().analysisRun().isRunning(); }, runTimeoutMs))
            qFatal("the comparison did not end");
        return child<ResultGauge>(window(), "resultGauge")->value();
    }

    QList<QByteArray> logLines() const { return HistoryFile(history.filePath()).read().lines; }
};

} // namespace

class SampleToHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void sampleIsLoggedByNameAndTheLineCanBeDeleted();
    void historySwitchedOffKeepsTheRememberedName();
};

void SampleToHistoryTest::sampleIsLoggedByNameAndTheLineCanBeDeleted()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());

    program.saveUpperPaneAsSample(QStringLiteral("known writer"));
    QCOMPARE(MessageBox::shown().value(0).text, QStringLiteral("Sample saved successfully."));
    program.putSampleIntoLowerPane(QStringLiteral("known writer"));
    QCOMPARE(program.paneText(Pane::Lower), program.paneText(Pane::Upper));

    // The upper pane was typed in, the lower one holds the sample.
    const int first = program.compare();
    QCOMPARE(program.logLines().size(), 1);
    const QString named = HistoryFile::decode(program.logLines().at(0));
    QVERIFY2(named.startsWith(QStringLiteral("\"USER TEXT\"<->\"known writer\" ")), qPrintable(named));
    QVERIFY2(named.endsWith(QLatin1Char(' ') + QString::number(first) + QLatin1Char('%')), qPrintable(named));

    // A letter typed into the lower pane: from now on it is user text.
    QTextEdit& lower = program.editor(Pane::Lower);
    lower.moveCursor(QTextCursor::End);
    QTest::keyClicks(&lower, QStringLiteral(" Yes."));
    const int second = program.compare();
    QCOMPARE(program.logLines().size(), 2);
    const QString unnamed = HistoryFile::decode(program.logLines().at(1));
    QVERIFY2(unnamed.startsWith(QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" ")), qPrintable(unnamed));
    QVERIFY2(unnamed.endsWith(QLatin1Char(' ') + QString::number(second) + QLatin1Char('%')), qPrintable(unnamed));

    // Settings, "History", right-click the sample's line and "Delete".
    QStringList listed;
    ModalDriver history(QStringLiteral("historyDialog"), [&](QWidget* window) {
        auto* dialog = qobject_cast<HistoryDialog*>(window);
        HistoryList& list = dialog->list();
        const QPoint line = list.visualItemRect(list.item(0)).center();
        QTest::mousePress(list.viewport(), Qt::RightButton, {}, line);
        QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, line);
        dialog->deleteAction().trigger();
        for (int i = 0; i < list.count(); ++i)
            listed.append(list.item(i)->text());
        QTest::mouseClick(child<QPushButton>(*dialog, "exitButton"), Qt::LeftButton);
    });
    ModalDriver settings(QStringLiteral("settingsDialog"), [&](QWidget* window) {
        QTest::mouseClick(child<QPushButton>(*window, "historyButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*window, "exitButton"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(program.window(), "settingsButton"), Qt::LeftButton);
    QVERIFY(settings.ran());
    QVERIFY(history.ran());

    QCOMPARE(listed, QStringList{unnamed});
    QCOMPARE(program.logLines(), QList<QByteArray>{unnamed.toUtf8()});
    QCOMPARE(HistoryFile(program.history.filePath()).read().lines.size(), 1);
}

void SampleToHistoryTest::historySwitchedOffKeepsTheRememberedName()
{
    Program program;
    program.setPaneText(Pane::Upper, test::englishText1());
    program.setPaneText(Pane::Lower, test::englishText2());
    program.saveUpperPaneAsSample(QStringLiteral("known writer"));
    program.putSampleIntoLowerPane(QStringLiteral("known writer"));
    program.settings().setText(Setting::Hist, QStringLiteral("0"));
    QTest::keyClicks(&program.editor(Pane::Lower), QStringLiteral("Well. "));

    program.compare();
    QVERIFY(program.logLines().isEmpty());
    QCOMPARE(program.library().remembered().name(Pane::Lower), QStringLiteral("known writer"));
}

QTEST_MAIN(SampleToHistoryTest)
#include "SampleToHistory_test.moc"
