#pragma once

#include "analysis/batch/TextScorer.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quendry {

// Compares one text with every sample on a worker thread, so that the window stays responsive.
// The questioned text is profiled once; each sample is read with the same reader that puts a
// sample into a pane. The worker writes only atomic counters, which the window reads at its own
// pace, and stops early when cancelled; the ranking arrives through finished().
class RankingTask : public QObject {
    Q_OBJECT

public:
    struct Sample {
        QString name;
        std::filesystem::path path;
    };

    struct Row {
        QString name;
        std::optional<QString> unreadable; // why the file could not be read
        TextScore score;
    };

    struct Result {
        TextRefusal questionedRefusal = TextRefusal::None; // the questioned text is refused on its own
        std::vector<Row> rows; // the samples ranked before the end or the cancellation, in list order
        bool cancelled = false;
        QString failure; // a failure such as a lack of memory; nothing else is set then
    };

    explicit RankingTask(QObject* parent = nullptr);
    // Cancels a running worker and waits for it.
    ~RankingTask() override;

    bool isRunning() const { return m_running; }
    // Starts ranking; pieceWords 0 compares whole texts. Does nothing while a ranking runs. The
    // analyzer must outlive the task.
    void start(const Analyzer& analyzer, std::string questioned, std::vector<Sample> samples, std::filesystem::path dictionaryPath, int pieceWords);
    void cancel();
    // Samples done so far, out of total().
    int done() const;
    int total() const { return m_total; }
    // The result, once finished() came.
    Result takeResult();

signals:
    void finished();

public:
    struct Shared {
        std::atomic<int> done{0};
        std::atomic<bool> cancelled{false};
    };

private:
    std::shared_ptr<Shared> m_shared;
    QFutureWatcher<Result> m_watcher;
    bool m_running = false;
    int m_total = 0;
};

} // namespace quendry
