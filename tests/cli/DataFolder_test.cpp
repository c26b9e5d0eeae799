#include "cli/DataFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

// An installation laid out as prefix/bin and prefix/share/quendry, with the dictionary where each
// case puts it.
TEST(DataFolderTest, prefersTheProgramFolderThenTheInstalledDataFolder)
{
    struct Case {
        const char* name;
        bool besideProgram;
        bool installed;
        const char* expected; // relative to the prefix
    };
    const Case cases[] = {
        {"portable folder", true, false, "bin"},
        {"both: the program's own folder wins", true, true, "bin"},
        {"installed", false, true, "share/quendry"},
        {"neither: the installed folder is named", false, false, "share/quendry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path prefix = fs::temp_directory_path() / ("quendry-data-folder-" + std::to_string(::getpid()));
        fs::remove_all(prefix);
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share/quendry");
        if (c.besideProgram)
            std::ofstream(prefix / "bin/Dct.txt") << "#a#";
        if (c.installed)
            std::ofstream(prefix / "share/quendry/Dct.txt") << "#a#";

        EXPECT_EQ(defaultDataFolder(prefix / "bin", "../share/quendry"), prefix / c.expected);
        fs::remove_all(prefix);
    }
}

} // namespace
} // namespace quendry::cli
