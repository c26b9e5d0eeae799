#include "cli/DataFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

// An installation laid out as prefix/bin and prefix/share/quendry, a user's data folder, and the
// dictionary where each case puts it.
TEST(DataFolderTest, prefersTheProgramFolderThenTheUsersCopyThenTheInstalledOne)
{
    struct Case {
        const char* name;
        bool besideProgram;
        bool users;
        bool installed;
        const char* expected; // relative to the prefix
    };
    const Case cases[] = {
        {"portable folder", true, false, false, "bin"},
        {"all three: the program's own folder wins", true, true, true, "bin"},
        {"installed, with the user's own copy", false, true, true, "home/Quendry/Quendry"},
        {"installed", false, false, true, "share/quendry"},
        {"none: the installed folder is named", false, false, false, "share/quendry"},
    };
    const fs::path prefix = fs::temp_directory_path() / ("quendry-data-folder-" + std::to_string(::getpid()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(prefix);
        for (const char* folder : {"bin", "share/quendry", "home/Quendry/Quendry"})
            fs::create_directories(prefix / folder);
        if (c.besideProgram)
            std::ofstream(prefix / "bin/Dct.txt") << "#a#";
        if (c.users)
            std::ofstream(prefix / "home/Quendry/Quendry/Dct.txt") << "#a#";
        if (c.installed)
            std::ofstream(prefix / "share/quendry/Dct.txt") << "#a#";

        EXPECT_EQ(defaultDataFolder(prefix / "bin", prefix / "home/Quendry/Quendry", "../share/quendry"),
            prefix / c.expected);
    }
    fs::remove_all(prefix);
}

// The user's folder is where the desktop application keeps its files: under XDG_DATA_HOME when that
// names an absolute folder, otherwise under the home folder.
TEST(DataFolderTest, theUsersFolderFollowsTheDesktopsRules)
{
    EXPECT_EQ(userDataFolder("/data", "/home/ann"), fs::path("/data/Quendry/Quendry"));
    EXPECT_EQ(userDataFolder(nullptr, "/home/ann"), fs::path("/home/ann/.local/share/Quendry/Quendry"));
    EXPECT_EQ(userDataFolder("relative", "/home/ann"), fs::path("/home/ann/.local/share/Quendry/Quendry"));
    EXPECT_EQ(userDataFolder(nullptr, nullptr), fs::path());
    EXPECT_EQ(userDataFolder("", ""), fs::path());
}

} // namespace
} // namespace quendry::cli
