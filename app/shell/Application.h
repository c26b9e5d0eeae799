#pragma once

#include "app/shell/ProgramFolder.h"

#include <QObject>

#include <memory>

namespace quendry {

class HistoryLog;
class MainWindow;
class SampleLibrary;
class SettingsStore;

// The program as a whole: builds the main window, the sample library and the history over one
// settings store and program folder, and joins them with signals. Nothing but this class knows
// all three.
class Application : public QObject {
    Q_OBJECT

public:
    Application(SettingsStore& settings, ProgramFolder folder, QObject* parent = nullptr);
    ~Application() override;

    // Shows the main window. False, after telling the user, when the dictionary is missing: the
    // program must then end without showing the window, and nothing is saved.
    bool start();

    MainWindow& window() const { return *m_window; }
    SampleLibrary& samples() const { return *m_samples; }
    HistoryLog& history() const { return *m_history; }

private:
    void connectParts();

    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SampleLibrary> m_samples;
    std::unique_ptr<HistoryLog> m_history;
};

} // namespace quendry
