#include "samples/SampleStore.h"

#include "app/mainwindow/PaneFile.h"
#include "samples/SampleName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quendry {

SampleStore::SampleStore(ProgramFolder folder)
    : m_folder(std::move(folder))
{
}

QString SampleStore::folderPath() const
{
    return m_folder.filePath(folderName());
}

QString SampleStore::filePath(const QString& name) const
{
    return folderPath() + QLatin1Char('/') + name + SampleName::extension();
}

std::optional<QString> SampleStore::ensureFolder() const
{
    const QString path = folderPath();
    if (QFileInfo(path).isDir())
        return std::nullopt;
    if (QDir(m_folder.path()).mkdir(folderName()) || QFileInfo(path).isDir())
        return std::nullopt;
    return QStringLiteral("Cannot create ") + QDir::toNativeSeparators(path);
}

SampleStore::Listing SampleStore::list() const
{
    Listing listing;
    if (auto error = ensureFolder()) {
        listing.error = std::move(error);
        return listing;
    }
    // Without QDir::Hidden and QDir::System, hidden and system files are left out.
    const QDir folder(folderPath(), QStringLiteral("*") + SampleName::extension(), QDir::Name | QDir::IgnoreCase,
        QDir::Files);
    for (const QString& fileName : folder.entryList())
        listing.names.append(SampleName::fromFileName(fileName));
    return listing;
}

bool SampleStore::exists(const QString& name) const
{
    return !SampleName::escapesFolder(name) && QFileInfo(filePath(name)).isFile();
}

std::optional<QString> SampleStore::load(const QString& name, QTextDocument& document) const
{
    return read(name, document).error;
}

TextFileReader::Result SampleStore::read(const QString& name, QTextDocument& document) const
{
    QString path;
    if (auto error = checkedPath(name, path))
        return {std::move(error), std::nullopt};
    return PaneFile::read(path, document);
}

std::optional<QString> SampleStore::write(const QString& name, const QTextDocument& document) const
{
    QString path;
    if (auto error = checkedPath(name, path))
        return error;
    return PaneFile::save(path, document);
}

std::optional<QString> SampleStore::remove(const QString& name) const
{
    QString path;
    if (auto error = checkedPath(name, path))
        return error;
    QFile file(path);
    if (!file.exists() || file.remove())
        return std::nullopt;
    return QStringLiteral("Cannot delete %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
}

std::optional<QString> SampleStore::rename(const QString& name, const QString& newName) const
{
    QString path;
    QString newPath;
    if (auto error = checkedPath(name, path))
        return error;
    if (auto error = checkedPath(newName, newPath))
        return error;
    if (QFileInfo::exists(newPath))
        return QStringLiteral("Sample with that name already exists.");
    QFile file(path);
    if (!file.exists())
        return QStringLiteral("The sample file %1 does not exist.").arg(QDir::toNativeSeparators(path));
    if (!file.rename(newPath)) {
        return QStringLiteral("Cannot rename %1 to %2: %3")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(newPath), file.errorString());
    }
    return std::nullopt;
}

std::optional<QString> SampleStore::checkedPath(const QString& name, QString& path) const
{
    if (auto error = ensureFolder())
        return error;
    if (SampleName::escapesFolder(name))
        return QStringLiteral("The sample name \"%1\" cannot be used as a file name.").arg(name);
    path = filePath(name);
    return std::nullopt;
}

} // namespace quendry
