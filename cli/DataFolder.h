#pragma once

#include <filesystem>

namespace quendry::cli {

// The folder whose Dct.txt the tool reads when no --data is given: the program's own folder when
// it holds the dictionary (a portable folder, the build folder), otherwise the installed data
// folder, found from the program's folder the way the installation lays them out (/usr/bin and
// /usr/share/quendry), so that an installation moved elsewhere as a whole still finds it.
std::filesystem::path defaultDataFolder(const std::filesystem::path& programFolder,
    const std::filesystem::path& installedDataFromProgram);

// The installed data folder relative to the installed program's folder ("../share/quendry").
std::filesystem::path installedDataFromProgram();

} // namespace quendry::cli
