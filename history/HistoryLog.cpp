#include "history/HistoryLog.h"

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/TextPane.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryDialog.h"
#include "history/HistoryFile.h"
#include "history/HistoryLine.h"
#include "samples/SampleLibrary.h"
#include "samples/SampleName.h"

#include <QLocale>
#include <QTextDocument>

namespace quendry {

HistoryLog::HistoryLog(MainWindow& window, SampleLibrary& samples)
    : HistoryHook(window.programFolder())
    , m_window(window)
    , m_samples(samples)
{
}

void HistoryLog::recordComparison(int percent, QWidget* parent)
{
    if (!checkRememberedSample(Pane::Upper, parent) || !checkRememberedSample(Pane::Lower, parent))
        return;
    const RememberedSamples& remembered = m_samples.remembered();
    const QString line = HistoryLine::compose(remembered.name(Pane::Upper), remembered.name(Pane::Lower), m_clock(),
        percent, QLocale());
    if (const auto error = HistoryFile(filePath()).append(line))
        MessageBox::error(parent, *error);
}

void HistoryLog::showViewer(QWidget* parent)
{
    HistoryDialog dialog(HistoryFile(filePath()), m_window.settings(), parent);
    dialog.exec();
}

QString HistoryLog::filePath() const
{
    return folder().filePath(fileName());
}

bool HistoryLog::checkRememberedSample(Pane pane, QWidget* parent)
{
    RememberedSamples& remembered = m_samples.remembered();
    const QString name = remembered.name(pane);
    if (name.isEmpty())
        return true;
    const SampleStore& store = m_samples.store();
    if (const auto error = store.ensureFolder()) {
        MessageBox::error(parent, *error);
        return false;
    }
    QTextDocument sample;
    if (!store.exists(name) || store.load(name, sample)) {
        remembered.forget(pane);
        return true;
    }
    const QString sampleText = SampleName::trimmed(sample.toPlainText());
    const QString paneText = SampleName::trimmed(m_window.pane(pane).document()->toPlainText());
    if (sampleText.isEmpty() || paneText.isEmpty() || sampleText != paneText)
        remembered.forget(pane);
    return true;
}

} // namespace quendry
