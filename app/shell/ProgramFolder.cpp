#include "app/shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace quendry {

ProgramFolder ProgramFolder::ofApplication()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

ProgramFolder::ProgramFolder(const QString& path)
    : m_path(QDir::cleanPath(QDir(path).absolutePath()))
{
    if (!m_path.endsWith(QLatin1Char('/')))
        m_path += QLatin1Char('/');
}

std::filesystem::path ProgramFolder::fileSystemPath(const QString& name) const
{
    return std::filesystem::path(filePath(name).toStdU16String());
}

} // namespace quendry
