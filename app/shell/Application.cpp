#include "app/shell/Application.h"

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/PaneText.h"
#include "app/mainwindow/TextPane.h"
#include "app/report/ReportSaver.h"
#include "app/shell/MessageBox.h"
#include "app/shell/TerminationWatcher.h"
#include "history/HistoryLog.h"
#include "samples/SampleLibrary.h"

#include <QGuiApplication>
#include <QTextDocument>

namespace quendry {

Application::Application(SettingsStore& settings, FileLocations files, QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<MainWindow>(settings, files, m_analyzer))
    , m_samples(std::make_unique<SampleLibrary>(settings, files.userFolder(), m_analyzer))
    , m_history(std::make_unique<HistoryLog>(settings, files.userFolder(), *m_samples))
    , m_files(files)
    , m_reports(std::make_unique<ReportSaver>())
{
    connectParts();
}

Application::~Application() = default;

bool Application::start()
{
    if (const auto error = m_files.ensureUserFolder())
        MessageBox::error(nullptr, *error);
    if (!m_window->checkDictionary())
        return false;
    m_termination = std::make_unique<TerminationWatcher>();
    connect(m_termination.get(), &TerminationWatcher::terminationRequested, this, &Application::terminate);
    // The desktop session is ending: save now, as the window may never be closed.
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, &Application::saveSession);
    m_window->show();
    return true;
}

void Application::saveSession()
{
    for (const QString& error : m_window->saveSession())
        qWarning("%s", qUtf8Printable(error));
}

void Application::terminate()
{
    saveSession();
    QCoreApplication::exit(0);
}

void Application::connectParts()
{
    MainWindow* window = m_window.get();
    SampleLibrary* samples = m_samples.get();
    HistoryLog* history = m_history.get();
    ReportSaver* reports = m_reports.get();

    connect(window, &MainWindow::samplesRequested, samples, [samples, window] { samples->openSamples(window); });
    connect(window, &MainWindow::saveSampleRequested, samples,
        [samples, window](Pane pane) { samples->saveSampleAs(*window->pane(pane).document(), window); });
    connect(samples, &SampleLibrary::putTextInPane, window, &MainWindow::putTextInPane);
    connect(window, &MainWindow::rankRequested, samples, [samples, window] {
        const auto chosen = samples->rankAgainstSamples(paneEngineText(*window->pane(Pane::Upper).document()),
            window->dictionaryPath(), {window->progressStrip(), window->progressBar()}, window);
        // The chosen sample is in the lower pane: it is compared as "Analyze" compares it.
        if (chosen)
            window->analyze();
    });

    connect(window, &MainWindow::comparisonFinished, history, [history, window](int percent) {
        history->recordComparison(percent, window->pane(Pane::Upper).document()->toPlainText(),
            window->pane(Pane::Lower).document()->toPlainText(), window);
    });
    connect(window, &MainWindow::comparisonFinished, reports,
        [reports, window, samples] { reports->comparisonFinished(*window, *samples); });
    connect(window, &MainWindow::saveReportRequested, reports, [reports, window] { reports->save(window); });
    connect(window, &MainWindow::historyViewerRequested, history, &HistoryLog::showViewer);
    connect(window, &MainWindow::historyClearRequested, history, [history](QWidget* parent) {
        if (const auto error = history->clear())
            MessageBox::error(parent, *error);
    });
}

} // namespace quendry
