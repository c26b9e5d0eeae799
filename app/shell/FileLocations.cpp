#include "app/shell/FileLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quendry {

FileLocations::FileLocations(ProgramFolder folder)
    : m_mode(Mode::Portable)
    , m_user(folder)
    , m_installedData(std::move(folder))
{
}

FileLocations::FileLocations(ProgramFolder userFolder, ProgramFolder installedData)
    : m_mode(Mode::PerUser)
    , m_user(std::move(userFolder))
    , m_installedData(std::move(installedData))
{
}

FileLocations FileLocations::ofApplication()
{
    return choose(QCoreApplication::applicationDirPath(), QStringLiteral(QUENDRY_INSTALL_BIN_DIR),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QStringLiteral(QUENDRY_INSTALL_DATA_DIR));
}

FileLocations FileLocations::choose(const QString& programFolder, const QString& installedProgramFolder,
    const QString& userDataFolder, const QString& installedDataFolder)
{
    const ProgramFolder program(programFolder);
    const bool installed = ProgramFolder(installedProgramFolder).path() == program.path();
    if (!installed && canWrite(program.path()))
        return FileLocations(program);
    return FileLocations(ProgramFolder(userDataFolder), ProgramFolder(installedDataFolder));
}

bool FileLocations::canWrite(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quendry-write-test-XXXXXX")));
    return probe.open();
}

QString FileLocations::shippedFile(const QString& name) const
{
    const QString own = m_user.filePath(name);
    if (m_mode == Mode::Portable || QFileInfo::exists(own))
        return own;
    return m_installedData.filePath(name);
}

std::optional<QString> FileLocations::ensureUserFolder() const
{
    if (QDir().mkpath(m_user.path()))
        return std::nullopt;
    return QStringLiteral("Cannot create %1").arg(QDir::toNativeSeparators(m_user.path()));
}

QString FileLocations::description() const
{
    const QString folder = QDir::toNativeSeparators(m_user.path());
    if (m_mode == Mode::Portable)
        return QStringLiteral("Your texts, samples and history are kept beside the program, in %1").arg(folder);
    return QStringLiteral("Your texts, samples and history are kept in %1").arg(folder);
}

} // namespace quendry
