#include "app/mainwindow/TextPane.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryLog.h"
#include "tests/samples/support/SampleFixture.h"

#include <QDir>
#include <QFile>
#include <QTextEdit>
#include <QtTest>

using namespace quendry;
using quendry::test::SampleFixture;

Q_DECLARE_METATYPE(quendry::Pane)

namespace {

const QDateTime when(QDate(2010, 5, 12), QTime(14, 3, 27));
// The C locale's short date and long time, as the tests set the locale.
const QString stamp = QStringLiteral(" 12 May 2010 14:03:27 ");
const QString user = QStringLiteral("\"USER TEXT\"");

// The sample library and the history over one main window.
struct Fixture : SampleFixture {
    HistoryLog& history = SampleFixture::history();

    // A comparison of what the panes hold now.
    void record(int percent) { history.recordComparison(percent, paneText(Pane::Upper), paneText(Pane::Lower), nullptr); }

    Fixture() { history.setClock([] { return when; }); }

    QList<QByteArray> lines() const
    {
        QFile file(history.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> result = file.readAll().split('\n');
        if (result.last().isEmpty())
            result.removeLast();
        return result;
    }

    // The last line's labels: what comes before the date, time and result.
    QString lastLabels() const
    {
        const QString last = QString::fromUtf8(lines().value(lines().size() - 1));
        if (!last.endsWith(stamp + QStringLiteral("50%\r")))
            return QStringLiteral("<unexpected line: %1>").arg(last);
        return last.left(last.size() - stamp.size() - 4);
    }

    void putSample(const QString& name, const QByteArray& bytes, Pane pane)
    {
        writeSampleFile(name + QStringLiteral(".tqd"), bytes);
        if (!library().putIntoPane(name, pane, nullptr))
            qFatal("the sample did not go into the pane");
    }
};

} // namespace

class HistoryLogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void typedTextsAreUserText();
    void historySwitch_data();
    void historySwitch();
    void sampleIsNamedUntilItsPaneChanges_data();
    void sampleIsNamedUntilItsPaneChanges();
    void blanksAtTheEndsAreNoChange();
    void blankSampleIsNeverNamed();
    void deletedSampleIsUserText();
    void missingSampleFolderWritesNoLine();
    void logThatCannotBeWrittenIsReported();
    void lineAtMidnightHasTheDateOnly();
};

void HistoryLogTest::typedTextsAreUserText()
{
    Fixture fixture;
    fixture.setPaneText(Pane::Upper, QStringLiteral("some typed text"));
    QVERIFY(!QFile::exists(fixture.history.filePath()));
    fixture.record(0);
    fixture.record(87);

    const QByteArray first = (user + QStringLiteral("<->") + user + stamp + QStringLiteral("0%")).toUtf8();
    const QByteArray second = (user + QStringLiteral("<->") + user + stamp + QStringLiteral("87%")).toUtf8();
    QFile file(fixture.history.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first + "\r\n" + second + "\r\n");
    QVERIFY(MessageBox::shown().isEmpty());
}

void HistoryLogTest::sampleIsNamedUntilItsPaneChanges_data()
{
    QTest::addColumn<Pane>("pane");
    QTest::addColumn<QString>("named");
    QTest::newRow("upper") << Pane::Upper << QStringLiteral("\"memo 3\"<->\"USER TEXT\"");
    QTest::newRow("lower") << Pane::Lower << QStringLiteral("\"USER TEXT\"<->\"memo 3\"");
}

void HistoryLogTest::sampleIsNamedUntilItsPaneChanges()
{
    QFETCH(Pane, pane);
    QFETCH(QString, named);
    const QString unnamed = user + QStringLiteral("<->") + user;
    Fixture fixture;
    fixture.putSample(QStringLiteral("memo 3"), "{\\rtf1\\ansi A known {\\b writer}'s text.}", pane);

    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), named);

    // One letter typed makes the pane user text, and it stays so even once the letter is gone.
    QTextEdit& editor = fixture.editor(pane);
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral("x"));
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), unnamed);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QCOMPARE(editor.toPlainText(), QStringLiteral("A known writer's text."));
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), unnamed);
    QCOMPARE(fixture.library().remembered().name(pane), QString());

    // Putting the sample into the pane again names it again.
    QVERIFY(fixture.library().putIntoPane(QStringLiteral("memo 3"), pane, nullptr));
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), named);
    QCOMPARE(fixture.lines().size(), 4);
}

void HistoryLogTest::blanksAtTheEndsAreNoChange()
{
    Fixture fixture;
    fixture.putSample(QStringLiteral("memo"), "first line\r\nsecond line", Pane::Upper);
    QTextEdit& editor = fixture.editor(Pane::Upper);
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&editor, QStringLiteral("  "));
    QTest::keyClick(&editor, Qt::Key_Return);
    editor.moveCursor(QTextCursor::End);
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, QStringLiteral("\t "));
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), QStringLiteral("\"memo\"<->\"USER TEXT\""));
}

void HistoryLogTest::blankSampleIsNeverNamed()
{
    Fixture fixture;
    fixture.putSample(QStringLiteral("blank"), "  \r\n \t ", Pane::Lower);
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), user + QStringLiteral("<->") + user);
    QCOMPARE(fixture.library().remembered().name(Pane::Lower), QString());
}

void HistoryLogTest::deletedSampleIsUserText()
{
    Fixture fixture;
    fixture.putSample(QStringLiteral("memo"), "A known writer's text.", Pane::Lower);
    QCOMPARE(fixture.store().remove(QStringLiteral("memo")), std::nullopt);
    fixture.record(50);
    QCOMPARE(fixture.lastLabels(), user + QStringLiteral("<->") + user);
    QCOMPARE(fixture.library().remembered().name(Pane::Lower), QString());
}

void HistoryLogTest::missingSampleFolderWritesNoLine()
{
    Fixture fixture;
    fixture.putSample(QStringLiteral("memo"), "A known writer's text.", Pane::Upper);
    // The folder is gone and a file stands in its way.
    QVERIFY(QDir(fixture.store().folderPath()).removeRecursively());
    fixture.folder().writeFile(SampleStore::folderName(), "in the way");

    fixture.record(50);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text,
        QStringLiteral("Cannot create ") + QDir::toNativeSeparators(fixture.store().folderPath()));
    QVERIFY(!QFile::exists(fixture.history.filePath()));
}

void HistoryLogTest::logThatCannotBeWrittenIsReported()
{
    Fixture fixture;
    fixture.putSample(QStringLiteral("memo"), "A known writer's text.", Pane::Upper);
    QVERIFY(QDir().mkpath(fixture.history.filePath()));
    fixture.record(50);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY2(MessageBox::shown().first().text.contains(QDir::toNativeSeparators(fixture.history.filePath())),
        qPrintable(MessageBox::shown().first().text));
    QCOMPARE(fixture.paneText(Pane::Upper), QStringLiteral("A known writer's text."));
    QCOMPARE(fixture.library().remembered().name(Pane::Upper), QStringLiteral("memo"));
}

void HistoryLogTest::lineAtMidnightHasTheDateOnly()
{
    Fixture fixture;
    fixture.history.setClock([] { return QDateTime(QDate(2010, 5, 12), QTime(0, 0, 0)); });
    fixture.record(12);
    QCOMPARE(fixture.lines(), QList<QByteArray>{(user + QStringLiteral("<->") + user + " 12 May 2010 12%\r").toUtf8()});
}

void HistoryLogTest::historySwitch_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("hist");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<QString>("histAfter");

    QTest::newRow("missing: written as 1 and logged") << false << "" << true << "1";
    QTest::newRow("empty: written as 1 and logged") << true << "" << true << "1";
    QTest::newRow("0: not logged") << true << "0" << false << "0";
    QTest::newRow("anything else: not logged") << true << "yes" << false << "yes";
}

void HistoryLogTest::historySwitch()
{
    QFETCH(bool, stored);
    QFETCH(QString, hist);
    QFETCH(bool, logged);
    QFETCH(QString, histAfter);

    Fixture fixture;
    fixture.putSample(QStringLiteral("memo"), "memo text", Pane::Upper);
    fixture.setPaneText(Pane::Upper, QStringLiteral("changed"));
    // Set after the window started, which writes the default itself.
    fixture.settings().setText(Setting::Hist, stored ? hist : QString());
    fixture.record(50);
    QCOMPARE(fixture.lines().size(), logged ? 1 : 0);
    QCOMPARE(fixture.settings().text(Setting::Hist), histAfter);
    // Unlogged comparisons leave the remembered names alone.
    QCOMPARE(fixture.library().remembered().name(Pane::Upper), logged ? QString() : QStringLiteral("memo"));
}

QTEST_MAIN(HistoryLogTest)
#include "HistoryLog_test.moc"
