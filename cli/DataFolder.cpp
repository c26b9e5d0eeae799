#include "cli/DataFolder.h"

namespace quendry::cli {

std::filesystem::path defaultDataFolder(const std::filesystem::path& programFolder,
    const std::filesystem::path& installedDataFromProgram)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(programFolder / "Dct.txt", error))
        return programFolder;
    return (programFolder / installedDataFromProgram).lexically_normal();
}

std::filesystem::path installedDataFromProgram()
{
    return QUENDRY_DATA_FROM_BINDIR;
}

} // namespace quendry::cli
