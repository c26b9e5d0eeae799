#pragma once

#include "analysis/run/Analyzer.h"
#include "app/shell/FileLocations.h"

#include <QObject>

#include <memory>

namespace quendry {

class HistoryLog;
class MainWindow;
class ReportSaver;
class SampleLibrary;
class SettingsStore;
class TerminationWatcher;

// The program as a whole: builds the main window, the sample library and the history over one
// settings store and one set of file locations, and joins them with signals. Nothing but this
// class knows all three. When the session ends without the window being closed (logout, SIGTERM),
// it saves what closing would save.
class Application : public QObject {
    Q_OBJECT

public:
    Application(SettingsStore& settings, FileLocations files, QObject* parent = nullptr);
    ~Application() override;

    // Creates the user's folder when it is missing, and shows the main window. False, after
    // telling the user, when the dictionary is missing: the program must then end without
    // showing the window, and nothing is saved. From here on SIGTERM and SIGHUP save the session
    // and end the program with status 0.
    bool start();

    // Saves what closing the window would save, asking nothing; a failure goes to the error
    // output, as nobody may be there to answer.
    void saveSession();

    MainWindow& window() const { return *m_window; }
    SampleLibrary& samples() const { return *m_samples; }
    HistoryLog& history() const { return *m_history; }
    ReportSaver& reports() const { return *m_reports; }

private:
    void connectParts();
    void terminate();

    // The one engine, prepared once; it outlives the window and the library, whose workers use it.
    const Analyzer m_analyzer;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SampleLibrary> m_samples;
    std::unique_ptr<HistoryLog> m_history;
    FileLocations m_files;
    std::unique_ptr<TerminationWatcher> m_termination;
    std::unique_ptr<ReportSaver> m_reports;
};

} // namespace quendry
