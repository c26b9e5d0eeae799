#pragma once

#include "analysis/run/Analyzer.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace quendry {

// Runs one comparison on a worker thread so that the window stays responsive, whatever the
// texts' size. The worker only writes a few atomic counters, which the window reads at its own
// pace; the outcome arrives through finished().
class ComparisonTask : public QObject {
    Q_OBJECT

public:
    struct Progress {
        int maximum = 0;
        int position = 0;
        bool normalised = false; // both texts are normalised: the start animation may play
    };

    // What the worker hands back: the engine's outcome, or the text of a failure such as a lack
    // of memory.
    struct Result {
        std::optional<ComparisonOutcome> outcome;
        QString failure;
    };

    // The analyzer is the program's one engine, which must outlive the task.
    explicit ComparisonTask(const Analyzer& analyzer, QObject* parent = nullptr);
    // Waits for a worker that is still running: it reads nothing of this object, but the program
    // must not end under it.
    ~ComparisonTask() override;

    bool isRunning() const { return m_running; }
    // Starts the comparison of two engine texts (Windows-1252, CR LF); the dictionary is read on
    // the worker thread, again only when the file changed since the last comparison. Does nothing
    // while a comparison runs.
    void start(std::string firstText, std::string secondText, std::filesystem::path dictionaryPath);
    Progress progress() const;
    // The result, once finished() came.
    Result takeResult();

signals:
    void finished();

public:
    // The counters the worker writes; defined in the source file.
    struct SharedProgress;

private:
    // Only read while a worker runs.
    const Analyzer& m_analyzer;
    // Used by one worker at a time; replaced, between runs, when the dictionary's path changes.
    std::unique_ptr<DictionaryFile> m_dictionaryFile;
    std::shared_ptr<SharedProgress> m_progress;
    QFutureWatcher<Result> m_watcher;
    bool m_running = false;
};

} // namespace quendry
