#pragma once

#include "analysis/run/Comparison.h"
#include "app/mainwindow/ComparisonTask.h"

#include <QObject>
#include <QTimer>

#include <filesystem>
#include <optional>
#include <string>

class QProgressBar;
class QWidget;

namespace quendry {

class ResultGauge;
class StatusPicture;

// One "Analyze" command from the button press to the end animation: hides the result strip,
// sizes and shows the progress strip, plays the start animation once both texts are normalised,
// shows a refusal in a message box or the percentage in the gauge, and plays the end animation.
// The comparison itself runs on a worker thread; only one runs at a time.
class AnalysisRun : public QObject {
    Q_OBJECT

public:
    // The main window's parts that a run drives.
    struct Widgets {
        QWidget* progressStrip = nullptr;
        QProgressBar* progressBar = nullptr;
        QWidget* resultStrip = nullptr;
        ResultGauge* gauge = nullptr;
        StatusPicture* picture = nullptr;
        QWidget* dialogParent = nullptr;
    };

    static constexpr int progressPollMs = 40;

    AnalysisRun(const Analyzer& analyzer, const Widgets& widgets, QObject* parent = nullptr);

    // From the button press until the end animation has finished.
    bool isRunning() const { return m_running; }
    // Starts a comparison of two engine texts; false, and nothing happens, while one runs.
    bool start(std::string firstText, std::string secondText, std::filesystem::path dictionaryPath);
    // The last completed comparison, for explaining its result.
    const std::optional<Comparison>& lastComparison() const { return m_lastComparison; }

signals:
    // The result shows in the gauge; percent is the shown integer.
    void completed(int percent);
    // The run is over, end animation included.
    void finished();

private:
    void poll();
    void beginStartAnimation();
    void startAnimationDone();
    void outcomeReady();
    void present();
    void abandon();
    void playEndAnimation();

    Widgets m_widgets;
    ComparisonTask m_task;
    QTimer m_pollTimer;
    bool m_running = false;
    bool m_startAnimationStarted = false;
    bool m_startAnimationDone = false;
    bool m_outcomeReady = false;
    std::optional<Comparison> m_lastComparison;
};

} // namespace quendry
