#include "history/HistoryLog.h"

#include "app/settings/SettingsStore.h"
#include "app/shell/MessageBox.h"
#include "history/HistoryDialog.h"
#include "history/HistoryFile.h"
#include "history/HistoryLine.h"
#include "samples/SampleLibrary.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

namespace quendry {

HistoryLog::HistoryLog(SettingsStore& settings, ProgramFolder folder, SampleLibrary& samples, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_folder(std::move(folder))
    , m_samples(samples)
{
}

void HistoryLog::recordComparison(int percent, const QString& upperText, const QString& lowerText, QWidget* parent)
{
    if (!m_settings.isOnOrDefault(Setting::Hist))
        return;
    if (!checkRememberedSample(Pane::Upper, upperText, parent) || !checkRememberedSample(Pane::Lower, lowerText, parent))
        return;
    const RememberedSamples& remembered = m_samples.remembered();
    const QString line = HistoryLine::compose(remembered.name(Pane::Upper), remembered.name(Pane::Lower), m_clock(),
        percent, QLocale());
    if (const auto error = HistoryFile(filePath()).append(line))
        MessageBox::error(parent, *error);
}

void HistoryLog::showViewer(QWidget* parent)
{
    HistoryDialog dialog(HistoryFile(filePath()), m_settings, parent);
    dialog.exec();
}

std::optional<QString> HistoryLog::clear()
{
    // Replaced in one step, so the log is either whole or empty, never cut in the middle.
    const QString path = filePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit())
        return QStringLiteral("Cannot clear the history %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

QString HistoryLog::filePath() const
{
    return m_folder.filePath(fileName());
}

bool HistoryLog::checkRememberedSample(Pane pane, const QString& paneText, QWidget* parent)
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
    if (m_samples.unchangedSample(pane, paneText).isEmpty())
        remembered.forget(pane);
    return true;
}

} // namespace quendry
