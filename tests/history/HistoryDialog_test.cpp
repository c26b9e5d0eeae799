#include "app/settings/SettingsDialog.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryDialog.h"
#include "history/HistoryList.h"
#include "history/HistoryLog.h"
#include "tests/samples/support/ModalDriver.h"
#include "tests/samples/support/SampleFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace quendry;
using quendry::test::child;
using quendry::test::ModalDriver;
using quendry::test::SampleFixture;

namespace {

const QByteArray threeLines = "\"USER TEXT\"<->\"USER TEXT\" 1 May 2010 10:00:00 10%\r\n"
                              "\"memo\"<->\"USER TEXT\" 2 May 2010 11:00:00 20%\r\n"
                              "\"USER TEXT\"<->\"caf\xe9\" 3 May 2010 30%\r\n";

struct Fixture : SampleFixture {
    HistoryLog& history = SampleFixture::history();

    void writeLog(const QByteArray& bytes) { folder().writeFile(HistoryLog::fileName(), bytes); }
    // Opens the Settings window from the main window and runs the action in it; the action's
    // window is closed afterwards.
    bool inSettingsWindow(const std::function<void(QWidget*)>& action)
    {
        ModalDriver driver(QStringLiteral("settingsDialog"), [&](QWidget* dialog) {
            action(dialog);
            dialog->close();
        });
        QTest::mouseClick(child<QPushButton>(window(), "settingsButton"), Qt::LeftButton);
        return driver.ran();
    }
    QByteArray log() const
    {
        QFile file(history.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    std::unique_ptr<HistoryDialog> open()
    {
        auto dialog = std::make_unique<HistoryDialog>(HistoryFile(history.filePath()), settings());
        dialog->show();
        return dialog;
    }
};

QStringList shownLines(HistoryDialog& dialog)
{
    QStringList lines;
    for (int i = 0; i < dialog.list().count(); ++i)
        lines.append(dialog.list().item(i)->text());
    return lines;
}

int selectedRow(HistoryDialog& dialog)
{
    const auto selected = dialog.list().selectedItems();
    return selected.isEmpty() ? -1 : dialog.list().row(selected.first());
}

// The bytes of the given lines of threeLines, each with its line end.
QByteArray linesOf(std::initializer_list<int> rows)
{
    const QList<QByteArray> all = threeLines.split('\n');
    QByteArray bytes;
    for (const int row : rows)
        bytes += all.at(row) + '\n';
    return bytes;
}

} // namespace

class HistoryDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void opensWithTheLogsLines();
    void missingLogGivesAnEmptyList();
    void deleteRewritesTheLog_data();
    void deleteRewritesTheLog();
    void deletingTheOnlyLineEmptiesTheLog();
    void deleteOnAnEmptyListDoesNothing();
    void rightButtonSelectsTheLineUnderThePointer();
    void deleteThatCannotWriteKeepsTheLine();
    void placementComesBack();
    void settingsWindowOpensTheHistory();
    void clearHistory_data();
    void clearHistory();
    void clearHistoryFailureIsReported();
};

void HistoryDialogTest::opensWithTheLogsLines()
{
    Fixture fixture;
    fixture.writeLog(threeLines);
    const auto dialog = fixture.open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("History"));
    QCOMPARE(shownLines(*dialog),
        (QStringList{QStringLiteral("\"USER TEXT\"<->\"USER TEXT\" 1 May 2010 10:00:00 10%"),
            QStringLiteral("\"memo\"<->\"USER TEXT\" 2 May 2010 11:00:00 20%"),
            QStringLiteral("\"USER TEXT\"<->\"café\" 3 May 2010 30%")}));
    QCOMPARE(selectedRow(*dialog), -1);
    QCOMPARE(fixture.log(), threeLines);
}

void HistoryDialogTest::missingLogGivesAnEmptyList()
{
    Fixture fixture;
    const auto dialog = fixture.open();
    QCOMPARE(dialog->list().count(), 0);
    QVERIFY(MessageBox::shown().isEmpty());
}

void HistoryDialogTest::deleteRewritesTheLog_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("first") << 0 << linesOf({1, 2});
    QTest::newRow("middle") << 1 << linesOf({0, 2});
    QTest::newRow("last") << 2 << linesOf({0, 1});
    QTest::newRow("none selected") << -1 << threeLines;
}

void HistoryDialogTest::deleteRewritesTheLog()
{
    QFETCH(int, selected);
    QFETCH(QByteArray, left);
    Fixture fixture;
    fixture.writeLog(threeLines);
    const auto dialog = fixture.open();
    if (selected >= 0)
        dialog->list().setCurrentRow(selected);
    dialog->deleteAction().trigger();

    QCOMPARE(fixture.log(), left);
    QCOMPARE(dialog->list().count(), selected >= 0 ? 2 : 3);
    QCOMPARE(selectedRow(*dialog), 0);
    QCOMPARE(HistoryFile(fixture.history.filePath()).read().lines.size(), dialog->list().count());
}

void HistoryDialogTest::deletingTheOnlyLineEmptiesTheLog()
{
    Fixture fixture;
    fixture.writeLog("\"USER TEXT\"<->\"USER TEXT\" 1 May 2010 10:00:00 10%\r\n");
    const auto dialog = fixture.open();
    dialog->list().setCurrentRow(0);
    dialog->deleteAction().trigger();
    QCOMPARE(dialog->list().count(), 0);
    QCOMPARE(fixture.log(), QByteArray());
}

void HistoryDialogTest::deleteOnAnEmptyListDoesNothing()
{
    Fixture fixture;
    const auto dialog = fixture.open();
    dialog->deleteAction().trigger();
    QVERIFY(!QFile::exists(fixture.history.filePath()));
    QVERIFY(MessageBox::shown().isEmpty());
}

void HistoryDialogTest::rightButtonSelectsTheLineUnderThePointer()
{
    Fixture fixture;
    fixture.writeLog(threeLines);
    const auto dialog = fixture.open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    HistoryList& list = dialog->list();
    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, second);
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, second);
    QCOMPARE(selectedRow(*dialog), 1);

    const QPoint belowLast = list.visualItemRect(list.item(2)).bottomLeft() + QPoint(5, 20);
    QVERIFY(!list.itemAt(belowLast));
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, belowLast);
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, belowLast);
    QCOMPARE(selectedRow(*dialog), 1);

    dialog->deleteAction().trigger();
    QCOMPARE(fixture.log(), linesOf({0, 2}));
}

void HistoryDialogTest::deleteThatCannotWriteKeepsTheLine()
{
    Fixture fixture;
    fixture.writeLog(threeLines);
    const auto dialog = fixture.open();
    // The log turns into a folder behind the window's back, so it cannot be replaced.
    QVERIFY(QFile::remove(fixture.history.filePath()));
    QVERIFY(QDir().mkpath(fixture.history.filePath()));
    dialog->list().setCurrentRow(1);
    dialog->deleteAction().trigger();

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QCOMPARE(dialog->list().count(), 3);
    QCOMPARE(dialog->list().item(1)->text(), QStringLiteral("\"memo\"<->\"USER TEXT\" 2 May 2010 11:00:00 20%"));
}

void HistoryDialogTest::placementComesBack()
{
    Fixture fixture;
    {
        const auto dialog = fixture.open();
        // The default width is raised as far as the title needs.
        QVERIFY(dialog->width() >= 200);
        QCOMPARE(dialog->height(), 300);
        QFont titleFont = dialog->font();
        titleFont.setBold(true);
        QVERIFY(dialog->width() >= QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + 120);
        QCOMPARE(fixture.settings().text(Setting::HistoryWidth), QStringLiteral("200"));
        QCOMPARE(fixture.settings().text(Setting::HistoryHeight), QStringLiteral("300"));
        QCOMPARE(dialog->minimumSize(), QSize(200, 300));
        // Without a stored position the window is centred on the screen.
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((QRect(dialog->pos(), dialog->size()).center() - centre).manhattanLength() <= 2);
        dialog->resize(260, 340);
        dialog->move(40, 50);
        QTest::mouseClick(child<QPushButton>(*dialog, "exitButton"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(fixture.settings().text(Setting::HistoryLeft), QStringLiteral("40"));
    QCOMPARE(fixture.settings().text(Setting::HistoryTop), QStringLiteral("50"));
    const auto again = fixture.open();
    QCOMPARE(again->pos(), QPoint(40, 50));
    QCOMPARE(again->size(), QSize(260, 340));
}

void HistoryDialogTest::settingsWindowOpensTheHistory()
{
    Fixture fixture;
    fixture.writeLog(threeLines);
    int lines = -1;
    QWidget* historyParent = nullptr;
    bool historyRan = false;
    QVERIFY(fixture.inSettingsWindow([&](QWidget* settings) {
        ModalDriver driver(QStringLiteral("historyDialog"), [&](QWidget* window) {
            lines = qobject_cast<HistoryDialog*>(window)->list().count();
            historyParent = window->parentWidget();
            window->close();
        });
        QTest::mouseClick(child<QPushButton>(*settings, "historyButton"), Qt::LeftButton);
        historyRan = driver.ran();
        QCOMPARE(historyParent, settings);
    }));
    QVERIFY(historyRan);
    QCOMPARE(lines, 3);
}

void HistoryDialogTest::clearHistory_data()
{
    QTest::addColumn<bool>("logExists");
    QTest::newRow("with lines") << true;
    QTest::newRow("no log yet") << false;
}

void HistoryDialogTest::clearHistory()
{
    QFETCH(bool, logExists);
    Fixture fixture;
    if (logExists)
        fixture.writeLog(threeLines);
    bool stayedOpen = false;
    QVERIFY(fixture.inSettingsWindow([&](QWidget* settings) {
        QTest::mouseClick(child<QPushButton>(*settings, "clearHistoryButton"), Qt::LeftButton);
        stayedOpen = settings->isVisible();
    }));
    QVERIFY(QFile::exists(fixture.history.filePath()));
    QCOMPARE(fixture.log(), QByteArray());
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(stayedOpen);
}

void HistoryDialogTest::clearHistoryFailureIsReported()
{
    Fixture fixture;
    // A folder in the log's place cannot be replaced by a file.
    QVERIFY(QDir().mkpath(fixture.history.filePath()));
    QVERIFY(fixture.inSettingsWindow([](QWidget* settings) {
        QTest::mouseClick(child<QPushButton>(*settings, "clearHistoryButton"), Qt::LeftButton);
    }));
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("history.qdm")));
}

QTEST_MAIN(HistoryDialogTest)
#include "HistoryDialog_test.moc"
