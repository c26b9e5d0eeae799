// Draws the main window after a comparison of two example texts and saves it as a PNG, for the
// README. Run by tools/make_screenshot.sh on a virtual display; it starts the program as a user
// would (settings and program folder of its own, thrown away afterwards), puts the two texts into
// the panes, presses "Analyze" and waits for the result.
//
// Usage: quendry_screenshot DICTIONARY FIRST SECOND OUTPUT.png

#include "app/mainwindow/AnalysisRun.h"
#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/Application.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

int fail(const QString& message)
{
    std::fprintf(stderr, "quendry_screenshot: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendry"));
    QApplication::setOrganizationName(QStringLiteral("Quendry"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 5)
        return fail(QStringLiteral("usage: quendry_screenshot DICTIONARY FIRST SECOND OUTPUT.png"));

    QTemporaryDir folder;
    if (!folder.isValid() || !QFile::copy(arguments[1], folder.filePath(QStringLiteral("Dct.txt"))))
        return fail(QStringLiteral("cannot copy the dictionary %1").arg(arguments[1]));
    const QString first = readText(arguments[2]);
    const QString second = readText(arguments[3]);
    if (first.isEmpty() || second.isEmpty())
        return fail(QStringLiteral("cannot read %1 and %2").arg(arguments[2], arguments[3]));

    const auto settings = quendry::SettingsStore::openIniFile(folder.filePath(QStringLiteral("settings.ini")));
    quendry::Application program(*settings, quendry::ProgramFolder(folder.path()));
    if (!program.start())
        return fail(QStringLiteral("the program did not start"));
    quendry::MainWindow& window = program.window();
    window.pane(quendry::Pane::Upper).editor()->setPlainText(first);
    window.pane(quendry::Pane::Lower).editor()->setPlainText(second);

    QEventLoop loop;
    QObject::connect(&window.analysisRun(), &quendry::AnalysisRun::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    window.findChild<QPushButton*>(QStringLiteral("analyzeButton"))->click();
    loop.exec();
    if (window.analysisRun().isRunning())
        return fail(QStringLiteral("the comparison did not finish within a minute"));

    window.pane(quendry::Pane::Upper).editor()->moveCursor(QTextCursor::Start);
    window.pane(quendry::Pane::Lower).editor()->moveCursor(QTextCursor::Start);
    if (!window.grab().save(arguments[4], "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(arguments[4]));
    // Closing stores the panes into the throwaway folder, which goes with it.
    window.close();
    return 0;
}
