#include "app/mainwindow/AnalysisRun.h"

#include "analysis/run/ProgressListener.h"
#include "app/mainwindow/ResultGauge.h"
#include "app/mainwindow/StatusPicture.h"
#include "app/shell/MessageBox.h"

#include <QProgressBar>
#include <QWidget>

#include <algorithm>

namespace quendry {
namespace {

// The bar's maximum as the engine counts it: both texts' lengths and ten fixed steps, plus one.
int progressMaximum(std::size_t firstLength, std::size_t secondLength)
{
    return progressSteps(firstLength) + progressSteps(secondLength) + 11;
}

} // namespace

AnalysisRun::AnalysisRun(const Analyzer& analyzer, const Widgets& widgets, QObject* parent)
    : QObject(parent)
    , m_widgets(widgets)
    , m_task(analyzer)
{
    m_pollTimer.setInterval(progressPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &AnalysisRun::poll);
    connect(&m_task, &ComparisonTask::finished, this, &AnalysisRun::outcomeReady);
}

bool AnalysisRun::start(std::string firstText, std::string secondText, std::filesystem::path dictionaryPath)
{
    if (m_running)
        return false;
    m_running = true;
    m_startAnimationStarted = false;
    m_startAnimationDone = false;
    m_outcomeReady = false;
    m_lastComparison.reset();

    m_widgets.resultStrip->hide();
    QProgressBar* bar = m_widgets.progressBar;
    bar->setMinimum(0);
    bar->setMaximum(progressMaximum(firstText.size(), secondText.size()));
    bar->setValue(0);
    m_widgets.progressStrip->show();

    m_task.start(std::move(firstText), std::move(secondText), std::move(dictionaryPath));
    m_pollTimer.start();
    return true;
}

void AnalysisRun::poll()
{
    const ComparisonTask::Progress progress = m_task.progress();
    if (progress.normalised && !m_startAnimationStarted)
        beginStartAnimation();
    // The bar waits for the start animation, as the passes it counts come after it.
    if (m_startAnimationDone)
        m_widgets.progressBar->setValue(std::min(progress.position, m_widgets.progressBar->maximum()));
}

void AnalysisRun::beginStartAnimation()
{
    m_startAnimationStarted = true;
    m_widgets.picture->playStart([this] { startAnimationDone(); });
}

void AnalysisRun::startAnimationDone()
{
    m_startAnimationDone = true;
    poll();
    if (m_outcomeReady)
        present();
}

void AnalysisRun::outcomeReady()
{
    m_outcomeReady = true;
    // Every outcome comes after normalisation, so the start animation plays first in any case.
    if (!m_startAnimationStarted)
        beginStartAnimation();
    else if (m_startAnimationDone)
        present();
}

void AnalysisRun::present()
{
    m_pollTimer.stop();
    ComparisonTask::Result result = m_task.takeResult();
    if (!result.outcome) {
        const QString reason = result.failure.isEmpty() ? QStringLiteral("unknown error") : result.failure;
        MessageBox::error(m_widgets.dialogParent, QStringLiteral("The comparison failed: %1").arg(reason));
        abandon();
        return;
    }
    if (const auto* refusal = std::get_if<Refusal>(&*result.outcome)) {
        const std::string_view message = refusal->message();
        MessageBox::information(m_widgets.dialogParent,
            QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
        abandon();
        return;
    }

    Comparison& comparison = std::get<Comparison>(*result.outcome);
    QProgressBar* bar = m_widgets.progressBar;
    bar->setValue(bar->maximum());
    m_widgets.progressStrip->hide();
    m_widgets.gauge->setValue(comparison.percent);
    m_widgets.resultStrip->show();
    const int percent = comparison.percent;
    m_lastComparison = std::move(comparison);
    emit completed(percent);
    playEndAnimation();
}

void AnalysisRun::abandon()
{
    m_widgets.progressBar->setValue(0);
    m_widgets.progressStrip->hide();
    playEndAnimation();
}

void AnalysisRun::playEndAnimation()
{
    m_widgets.picture->playEnd([this] {
        m_running = false;
        emit finished();
    });
}

} // namespace quendry
