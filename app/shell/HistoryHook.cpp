#include "app/shell/HistoryHook.h"

#include <QDir>
#include <QSaveFile>

namespace quendry {

HistoryHook::HistoryHook(ProgramFolder folder)
    : m_folder(std::move(folder))
{
}

HistoryHook::~HistoryHook() = default;

void HistoryHook::recordComparison(int, QWidget*) {}

bool HistoryHook::hasViewer() const
{
    return false;
}

void HistoryHook::showViewer(QWidget*) {}

std::optional<QString> HistoryHook::clear()
{
    // Replaced in one step, so the log is either whole or empty, never cut in the middle.
    const QString path = m_folder.filePath(fileName());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit())
        return QStringLiteral("Cannot clear the history %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

} // namespace quendry
