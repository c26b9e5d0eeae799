// The program as main() starts it: where its files live, and how it saves the panes when the
// session ends other than by closing the window.
#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/PaneFile.h"
#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/Application.h"
#include "app/shell/DesktopOpener.h"
#include "app/shell/FileLocations.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryLog.h"
#include "samples/SampleLibrary.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <csignal>

using namespace quendry;
using quendry::test::GuiTestFolder;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

// The text a pane file loads back as.
QString savedText(const QString& path)
{
    QTextDocument document;
    if (PaneFile::load(path, document))
        return QStringLiteral("<unreadable>");
    return document.toPlainText();
}

// Every file under the folder with its bytes, to show that nothing in it changed.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        files.insert(entry.fileName(), entry.isDir() ? QByteArray("<folder>") : readFile(entry.filePath()));
    return files;
}

void setPaneText(Application& program, Pane pane, const QString& text)
{
    program.window().pane(pane).editor()->setPlainText(text);
}


// A per-user layout: the temporary program folder stands for the installed data folder (it holds
// the dictionary and the help page), and the user's folder is not there yet.
struct PerUser {
    GuiTestFolder folder;
    QString user = folder.siblingPath(QStringLiteral("home/data/Quendry"));
    FileLocations files{ProgramFolder(user), folder.folder()};

    PerUser() { folder.writeFile(QStringLiteral("help.htm"), "<html>installed</html>"); }
    QString userFile(const QString& name) const { return ProgramFolder(user).filePath(name); }
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void init() { MessageBox::clearShown(); }
    void layoutIsChosenByTheProgramFolder_data();
    void layoutIsChosenByTheProgramFolder();
    void perUserFilesLiveInTheUserFolder();
    void shippedFilesPreferTheUsersCopy();
    void readOnlyProgramFolderLosesNothing();
    void userFolderThatCannotBeMadeIsReported();
    void changedPanesAreSavedPeriodically();
    void terminationSavesAndEndsWithStatusZero_data();
    void terminationSavesAndEndsWithStatusZero();
    void sessionEndSavesWithoutAsking();
};

void ApplicationTest::layoutIsChosenByTheProgramFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("installedHere");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<FileLocations::Mode>("mode");

    QTest::newRow("writable folder: portable") << "program" << false << false << FileLocations::Mode::Portable;
    QTest::newRow("the installed program folder, even writable") << "program" << true << false
                                                                 << FileLocations::Mode::PerUser;
    QTest::newRow("read-only folder") << "program" << false << true << FileLocations::Mode::PerUser;
    QTest::newRow("folder that is not there") << "gone" << false << false << FileLocations::Mode::PerUser;
}

void ApplicationTest::layoutIsChosenByTheProgramFolder()
{
    QFETCH(QString, program);
    QFETCH(bool, installedHere);
    QFETCH(bool, readOnly);
    QFETCH(FileLocations::Mode, mode);
    GuiTestFolder folder;
    const QString programPath = folder.siblingPath(program);
    const QString user = folder.siblingPath(QStringLiteral("user"));
    const QString installedData = folder.siblingPath(QStringLiteral("share"));
    QFile::Permissions permissions = QFile::permissions(programPath);
    if (readOnly) {
        QVERIFY(QFile::setPermissions(programPath, QFile::ReadOwner | QFile::ExeOwner));
        if (FileLocations::canWrite(programPath)) {
            QFile::setPermissions(programPath, permissions);
            QSKIP("the administrator can write to any folder; the unprivileged run covers this row");
        }
    }
    const FileLocations files = FileLocations::choose(programPath,
        installedHere ? programPath : QStringLiteral("/nonexistent/bin"), user, installedData);
    if (readOnly)
        QFile::setPermissions(programPath, permissions);

    QCOMPARE(files.mode(), mode);
    const bool portable = mode == FileLocations::Mode::Portable;
    QCOMPARE(files.userFolder().path(), ProgramFolder(portable ? programPath : user).path());
    QCOMPARE(files.shippedFile(QStringLiteral("Dct.txt")),
        ProgramFolder(portable ? programPath : installedData).filePath(QStringLiteral("Dct.txt")));
    // Trying whether the folder can be written leaves nothing behind.
    if (portable)
        QCOMPARE(QDir(programPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("Dct.txt")});
}

void ApplicationTest::perUserFilesLiveInTheUserFolder()
{
    PerUser layout;
    const auto installedBefore = snapshot(layout.folder.folder().path());
    {
        Application program(layout.folder.settings(), layout.files);
        QVERIFY(program.start());
        QVERIFY(QFileInfo(layout.user).isDir());
        setPaneText(program, Pane::Upper, QStringLiteral("upper text"));
        setPaneText(program, Pane::Lower, QStringLiteral("lower text"));
        QTextDocument sample(QStringLiteral("sample text"));
        QVERIFY(!program.samples().store().write(QStringLiteral("memo"), sample));
        program.history().recordComparison(40, QStringLiteral("a"), QStringLiteral("b"), nullptr);
        QVERIFY(program.window().close());
    }
    QCOMPARE(savedText(layout.userFile(QStringLiteral("Top.txt"))), QStringLiteral("upper text"));
    QCOMPARE(savedText(layout.userFile(QStringLiteral("Bottom.txt"))), QStringLiteral("lower text"));
    QVERIFY(QFile::exists(layout.userFile(QStringLiteral("Template/memo.tqd"))));
    QVERIFY(readFile(layout.userFile(QStringLiteral("history.qdm"))).endsWith(" 40%\r\n"));
    QCOMPARE(snapshot(layout.folder.folder().path()), installedBefore);
    QVERIFY(MessageBox::shown().isEmpty());

    // The next start finds everything again.
    Application again(layout.folder.reopenSettings(), layout.files);
    QVERIFY(again.start());
    QCOMPARE(again.window().pane(Pane::Upper).editor()->toPlainText(), QStringLiteral("upper text"));
    QCOMPARE(again.samples().store().list().names, QStringList{QStringLiteral("memo")});
}

void ApplicationTest::shippedFilesPreferTheUsersCopy()
{
    PerUser layout;
    Application program(layout.folder.settings(), layout.files);
    QVERIFY(program.start());
    QList<QUrl> opened;
    DesktopOpener::setHandlerForTesting([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    auto* help = program.window().findChild<QPushButton*>(QStringLiteral("helpButton"));
    QTest::mouseClick(help, Qt::LeftButton);
    writeFile(layout.userFile(QStringLiteral("help.htm")), "<html>mine</html>");
    QTest::mouseClick(help, Qt::LeftButton);
    DesktopOpener::setHandlerForTesting({});
    QCOMPARE(opened,
        (QList<QUrl>{QUrl::fromLocalFile(layout.folder.filePath(QStringLiteral("help.htm"))),
            QUrl::fromLocalFile(layout.userFile(QStringLiteral("help.htm")))}));
    // The help button tells where the user's files are, in its tooltip and in "About Quendry...".
    const QString folderShown = QDir::toNativeSeparators(ProgramFolder(layout.user).path());
    QVERIFY(help->toolTip().contains(folderShown));
    QAction* about = help->findChild<QAction*>(QStringLiteral("aboutAction"));
    QVERIFY(about && help->actions().contains(about));
    about->trigger();
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("About Quendry"));
    QVERIFY(MessageBox::shown().first().text.contains(folderShown));
}

void ApplicationTest::readOnlyProgramFolderLosesNothing()
{
    GuiTestFolder folder;
    const QString programPath = folder.folder().path();
    folder.writeFile(QStringLiteral("Top.txt"), "typed before the install");
    const QFile::Permissions permissions = QFile::permissions(programPath);
    QVERIFY(QFile::setPermissions(programPath, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(programPath, permissions); });
    if (FileLocations::canWrite(programPath))
        QSKIP("the administrator can write to any folder; the unprivileged run covers this test");
    const auto before = snapshot(programPath);
    const QString user = folder.siblingPath(QStringLiteral("user"));
    const FileLocations files = FileLocations::choose(programPath, QStringLiteral("/nonexistent/bin"), user, programPath);
    QCOMPARE(files.mode(), FileLocations::Mode::PerUser);
    {
        Application program(folder.settings(), files);
        QVERIFY(program.start());
        setPaneText(program, Pane::Upper, QStringLiteral("typed now"));
        QVERIFY(program.window().close());
    }
    QCOMPARE(snapshot(programPath), before);
    QCOMPARE(savedText(ProgramFolder(user).filePath(QStringLiteral("Top.txt"))), QStringLiteral("typed now"));
    QVERIFY(MessageBox::shown().isEmpty());
}

void ApplicationTest::userFolderThatCannotBeMadeIsReported()
{
    GuiTestFolder folder;
    // A file where the user's folder would go.
    const QString blocker = folder.siblingPath(QStringLiteral("blocker"));
    writeFile(blocker, "a file");
    const QString user = blocker + QStringLiteral("/Quendry");
    Application program(folder.settings(), FileLocations(ProgramFolder(user), folder.folder()));
    QVERIFY(program.start());
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(QDir::toNativeSeparators(user)));

    // Closing asks before the pane's text is given up, naming the file.
    setPaneText(program, Pane::Upper, QStringLiteral("precious"));
    MessageBox::clearShown();
    MessageBox::setNextAnswer(MessageBox::Button::No);
    QVERIFY(!program.window().close());
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Question);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("Top.txt")));
    QCOMPARE(program.window().pane(Pane::Upper).editor()->toPlainText(), QStringLiteral("precious"));
    MessageBox::setNextAnswer(MessageBox::Button::Yes);
    MessageBox::setNextAnswer(MessageBox::Button::Yes);
    QVERIFY(program.window().close());
}

void ApplicationTest::changedPanesAreSavedPeriodically()
{
    GuiTestFolder folder;
    folder.writeFile(QStringLiteral("Top.txt"), "first ");
    folder.writeFile(QStringLiteral("Bottom.txt"), "second");
    Application program(folder.settings(), folder.folder());
    QVERIFY(program.start());
    program.window().setAutosaveInterval(20);
    // Unchanged panes are not written again.
    QTest::qWait(200);
    QCOMPARE(folder.readFile(QStringLiteral("Top.txt")), QByteArray("first "));

    QTextEdit* upper = program.window().pane(Pane::Upper).editor();
    upper->moveCursor(QTextCursor::End);
    QTest::keyClicks(upper, QStringLiteral("typed"));
    QTRY_COMPARE(savedText(folder.filePath(QStringLiteral("Top.txt"))), QStringLiteral("first typed"));
    QCOMPARE(folder.readFile(QStringLiteral("Bottom.txt")), QByteArray("second"));
    QVERIFY(MessageBox::shown().isEmpty());

    // A failure is told once, not at every attempt, and the text stays in the pane.
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("Top.txt"))));
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("Top.txt"))));
    QTest::keyClicks(upper, QStringLiteral(" more"));
    QTRY_COMPARE(MessageBox::shown().size(), 1);
    QTest::qWait(200);
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("Top.txt")));
    QCOMPARE(upper->toPlainText(), QStringLiteral("first typed more"));
}

void ApplicationTest::terminationSavesAndEndsWithStatusZero_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void ApplicationTest::terminationSavesAndEndsWithStatusZero()
{
    QFETCH(int, signal);
    GuiTestFolder folder;
    folder.writeFile(QStringLiteral("Top.txt"), "before");
    Application program(folder.settings(), folder.folder());
    QVERIFY(program.start());
    setPaneText(program, Pane::Upper, QStringLiteral("typed before the end"));
    program.window().move(70, 80);

    // The program's own main loop, as main() runs it; ended with status 1 if the signal is lost.
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    limit.start(20000);
    QVERIFY(std::raise(signal) == 0);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(savedText(folder.filePath(QStringLiteral("Top.txt"))), QStringLiteral("typed before the end"));
    QVERIFY(folder.exists(QStringLiteral("Bottom.txt")));
    QVERIFY(!folder.settings().text(Setting::WindowLeft).isEmpty());
    QVERIFY(MessageBox::shown().isEmpty());
}

void ApplicationTest::sessionEndSavesWithoutAsking()
{
    GuiTestFolder folder;
    Application program(folder.settings(), folder.folder());
    QVERIFY(program.start());
    setPaneText(program, Pane::Lower, QStringLiteral("lower"));
    // The upper pane's file cannot be written: that goes to the error output, as nobody may be
    // there to answer, and the other pane is saved all the same.
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("Top.txt"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Top\\.txt")));
    program.saveSession();
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(savedText(folder.filePath(QStringLiteral("Bottom.txt"))), QStringLiteral("lower"));
    QCOMPARE(folder.settings().text(Setting::WindowWidth), QString::number(program.window().width()));
}

QTEST_MAIN(ApplicationTest)
#include "Application_test.moc"
