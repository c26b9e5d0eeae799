#include "samples/RankingTask.h"

#include "richtext/FileText.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace quendry {
namespace {

std::optional<std::string> readSample(const std::filesystem::path& path, QString& error)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // One byte past the limit tells a file too large for a pane.
    const QByteArray bytes = file.read(static_cast<qint64>(maxPaneFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    std::string problem;
    auto text = sampleEngineText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), problem);
    if (!text)
        error = QString::fromStdString(problem);
    return text;
}

} // namespace

RankingTask::RankingTask(QObject* parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, [this] {
        m_running = false;
        emit finished();
    });
}

RankingTask::~RankingTask()
{
    cancel();
    m_watcher.waitForFinished();
}

void RankingTask::start(const Analyzer& analyzer, std::string questioned, std::vector<Sample> samples, std::filesystem::path dictionaryPath,
    int pieceWords)
{
    if (m_running)
        return;
    m_running = true;
    m_total = static_cast<int>(samples.size());
    m_shared = std::make_shared<Shared>();
    m_watcher.setFuture(QtConcurrent::run([&analyzer, shared = m_shared, questioned = std::move(questioned),
                                              samples = std::move(samples), path = std::move(dictionaryPath),
                                              pieceWords]() -> Result {
        Result result;
        try {
            const Dictionary dictionary = Dictionary::fromFile(path);
            const TextScorer scorer(analyzer, dictionary, pieceWords);
            const PreparedText prepared = scorer.prepare(questioned);
            if (prepared.refusal) {
                result.questionedRefusal = *prepared.refusal;
                return result;
            }
            for (const Sample& sample : samples) {
                if (shared->cancelled.load(std::memory_order_relaxed)) {
                    result.cancelled = true;
                    break;
                }
                Row row{sample.name, std::nullopt, {}};
                QString error;
                if (const auto text = readSample(sample.path, error))
                    row.score = scorer.score(prepared, scorer.prepare(*text));
                else
                    row.unreadable = error;
                result.rows.push_back(std::move(row));
                shared->done.fetch_add(1, std::memory_order_relaxed);
            }
        } catch (const std::exception& error) {
            return Result{TextRefusal::None, {}, false, QString::fromLocal8Bit(error.what())};
        }
        return result;
    }));
}

void RankingTask::cancel()
{
    if (m_shared)
        m_shared->cancelled.store(true, std::memory_order_relaxed);
}

int RankingTask::done() const
{
    return m_shared ? m_shared->done.load(std::memory_order_relaxed) : 0;
}

RankingTask::Result RankingTask::takeResult()
{
    if (!m_watcher.isFinished() || m_watcher.future().resultCount() == 0)
        return {};
    return m_watcher.result();
}

} // namespace quendry
