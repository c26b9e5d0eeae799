#include "app/mainwindow/ComparisonTask.h"

#include "analysis/run/ProgressListener.h"

#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <exception>

namespace quendry {

struct ComparisonTask::SharedProgress {
    std::atomic<int> maximum{0};
    std::atomic<int> position{0};
    std::atomic<bool> normalised{false};
};

namespace {

// Called on the worker thread for every character, so it only stores numbers.
class AtomicProgressListener final : public ProgressListener {
public:
    explicit AtomicProgressListener(std::shared_ptr<ComparisonTask::SharedProgress> shared)
        : m_shared(std::move(shared))
    {
    }
    void started(int maximum) override
    {
        m_shared->maximum.store(maximum, std::memory_order_relaxed);
        m_shared->position.store(0, std::memory_order_relaxed);
    }
    void normalised() override { m_shared->normalised.store(true, std::memory_order_release); }
    void advanced(int steps) override { m_shared->position.fetch_add(steps, std::memory_order_relaxed); }
    void filled() override
    {
        m_shared->position.store(m_shared->maximum.load(std::memory_order_relaxed), std::memory_order_relaxed);
    }

private:
    std::shared_ptr<ComparisonTask::SharedProgress> m_shared;
};

} // namespace

ComparisonTask::ComparisonTask(const Analyzer& analyzer, QObject* parent)
    : QObject(parent)
    , m_analyzer(analyzer)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, [this] {
        m_running = false;
        emit finished();
    });
}

ComparisonTask::~ComparisonTask()
{
    m_watcher.waitForFinished();
}

void ComparisonTask::start(std::string firstText, std::string secondText, std::filesystem::path dictionaryPath)
{
    if (m_running)
        return;
    m_running = true;
    m_progress = std::make_shared<SharedProgress>();
    if (!m_dictionaryFile || m_dictionaryFile->path() != dictionaryPath)
        m_dictionaryFile = std::make_unique<DictionaryFile>(std::move(dictionaryPath));
    auto shared = m_progress;
    // The destructor waits for the worker, so the analyzer and the dictionary file outlive it.
    m_watcher.setFuture(QtConcurrent::run([shared, first = std::move(firstText), second = std::move(secondText),
                                              analyzer = &m_analyzer, dictionaryFile = m_dictionaryFile.get()]() -> Result {
        try {
            AtomicProgressListener listener(shared);
            const std::shared_ptr<const Dictionary> dictionary = dictionaryFile->load();
            return Result{analyzer->compare(first, second, *dictionary, &listener), {}};
        } catch (const std::exception& error) {
            return Result{std::nullopt, QString::fromLocal8Bit(error.what())};
        }
    }));
}

ComparisonTask::Progress ComparisonTask::progress() const
{
    if (!m_progress)
        return {};
    return Progress{m_progress->maximum.load(std::memory_order_relaxed),
        m_progress->position.load(std::memory_order_relaxed),
        m_progress->normalised.load(std::memory_order_acquire)};
}

ComparisonTask::Result ComparisonTask::takeResult()
{
    if (!m_watcher.isFinished() || m_watcher.future().resultCount() == 0)
        return {};
    return m_watcher.result();
}

} // namespace quendry
