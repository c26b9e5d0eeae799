#include "app/shell/Application.h"

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryLog.h"
#include "samples/SampleLibrary.h"

#include <QTextDocument>

namespace quendry {

Application::Application(SettingsStore& settings, ProgramFolder folder, QObject* parent)
    : QObject(parent)
    , m_window(std::make_unique<MainWindow>(settings, folder))
    , m_samples(std::make_unique<SampleLibrary>(settings, folder))
    , m_history(std::make_unique<HistoryLog>(settings, folder, *m_samples))
{
    connectParts();
}

Application::~Application() = default;

bool Application::start()
{
    if (!m_window->checkDictionary())
        return false;
    m_window->show();
    return true;
}

void Application::connectParts()
{
    MainWindow* window = m_window.get();
    SampleLibrary* samples = m_samples.get();
    HistoryLog* history = m_history.get();

    connect(window, &MainWindow::samplesRequested, samples, [samples, window] { samples->openSamples(window); });
    connect(window, &MainWindow::saveSampleRequested, samples,
        [samples, window](Pane pane) { samples->saveSampleAs(*window->pane(pane).document(), window); });
    connect(samples, &SampleLibrary::putTextInPane, window, &MainWindow::putTextInPane);

    connect(window, &MainWindow::comparisonFinished, history, [history, window](int percent) {
        history->recordComparison(percent, window->pane(Pane::Upper).document()->toPlainText(),
            window->pane(Pane::Lower).document()->toPlainText(), window);
    });
    connect(window, &MainWindow::historyViewerRequested, history, &HistoryLog::showViewer);
    connect(window, &MainWindow::historyClearRequested, history, [history](QWidget* parent) {
        if (const auto error = history->clear())
            MessageBox::error(parent, *error);
    });
}

} // namespace quendry
