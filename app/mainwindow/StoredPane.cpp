#include "app/mainwindow/StoredPane.h"

#include "app/mainwindow/PaneFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

namespace quendry {

namespace {

constexpr int maxBackups = 100;

std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

StoredPane::StoredPane(QString path)
    : m_path(std::move(path))
{
}

std::optional<QString> StoredPane::load(QTextDocument& document)
{
    if (!QFileInfo::exists(m_path))
        return std::nullopt;
    const TextFileReader::Result result = PaneFile::read(m_path, document);
    if (result.error) {
        m_loadFailed = true;
        m_keepOriginal = true;
        return *result.error
            + QStringLiteral("\n\nThe file is left as it is. If you write into the pane, the file is kept as %1 "
                             "before the pane is saved.")
                  .arg(QDir::toNativeSeparators(backupPath()));
    }
    if (result.incomplete) {
        m_keepOriginal = true;
        return *result.incomplete
            + QStringLiteral("\n\nThe pane shows the text that could be read. Before the pane is saved, the file "
                             "is kept as it is now as %1.")
                  .arg(QDir::toNativeSeparators(backupPath()));
    }
    return std::nullopt;
}

std::optional<QString> StoredPane::save(const QTextDocument& document)
{
    if (m_loadFailed && document.isEmpty())
        return std::nullopt;
    if (m_keepOriginal && QFileInfo::exists(m_path)) {
        const QString backup = backupPath();
        const auto original = readWhole(m_path);
        if (!original) {
            return QStringLiteral("Cannot read %1 to keep a copy of it before it is replaced.")
                .arg(QDir::toNativeSeparators(m_path));
        }
        if (readWhole(backup) != original) {
            QSaveFile file(backup);
            if (!file.open(QIODevice::WriteOnly) || file.write(*original) != original->size() || !file.commit()) {
                return QStringLiteral("Cannot keep a copy of %1 as %2: %3")
                    .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(backup), file.errorString());
            }
        }
    }
    if (auto error = PaneFile::save(m_path, document))
        return error;
    m_loadFailed = false;
    m_keepOriginal = false;
    return std::nullopt;
}

std::optional<QString> StoredPane::pendingBackupPath() const
{
    if (!m_keepOriginal)
        return std::nullopt;
    return backupPath();
}

// The first of "<name>.bak", "<name>.2.bak", ... that is free or already holds the file's bytes.
QString StoredPane::backupPath() const
{
    const auto original = readWhole(m_path);
    QString candidate = m_path + QStringLiteral(".bak");
    for (int number = 2; number <= maxBackups; ++number) {
        if (!QFileInfo::exists(candidate) || (original && readWhole(candidate) == original))
            return candidate;
        candidate = m_path + QStringLiteral(".%1.bak").arg(number);
    }
    return candidate;
}

} // namespace quendry
