#pragma once

#include <filesystem>

namespace quendry::cli {

// The folder whose Dct.txt the tool reads when no --data is given, looked for as the desktop
// application looks for it: the program's own folder when it holds the dictionary (a portable
// folder, the build folder); otherwise the user's data folder when the user has put a copy there;
// otherwise the installed data folder, found from the program's folder the way the installation
// lays them out (/usr/bin and /usr/share/quendry), so that an installation moved elsewhere as a
// whole still finds it. An empty user folder is skipped.
std::filesystem::path defaultDataFolder(const std::filesystem::path& programFolder,
    const std::filesystem::path& userFolder, const std::filesystem::path& installedDataFromProgram);

// The installed data folder relative to the installed program's folder ("../share/quendry").
std::filesystem::path installedDataFromProgram();

// The desktop application's per-user data folder, where an installed window keeps its files and
// the user's own copy of the dictionary: $XDG_DATA_HOME/Quendry/Quendry, or
// ~/.local/share/Quendry/Quendry; empty when neither variable names an absolute folder.
std::filesystem::path userDataFolder(const char* xdgDataHome, const char* home);

} // namespace quendry::cli
