#include "cli/DataFolder.h"

namespace quendry::cli {

std::filesystem::path defaultDataFolder(const std::filesystem::path& programFolder,
    const std::filesystem::path& userFolder, const std::filesystem::path& installedDataFromProgram)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(programFolder / "Dct.txt", error))
        return programFolder;
    if (!userFolder.empty() && std::filesystem::is_regular_file(userFolder / "Dct.txt", error))
        return userFolder;
    return (programFolder / installedDataFromProgram).lexically_normal();
}

std::filesystem::path installedDataFromProgram()
{
    return QUENDRY_DATA_FROM_BINDIR;
}

std::filesystem::path userDataFolder(const char* xdgDataHome, const char* home)
{
    // As the desktop's rules ask, a relative XDG_DATA_HOME is ignored.
    std::filesystem::path data;
    if (xdgDataHome && std::filesystem::path(xdgDataHome).is_absolute())
        data = xdgDataHome;
    else if (home && std::filesystem::path(home).is_absolute())
        data = std::filesystem::path(home) / ".local" / "share";
    else
        return {};
    return data / "Quendry" / "Quendry";
}

} // namespace quendry::cli
