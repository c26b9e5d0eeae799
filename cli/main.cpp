#include "cli/CommandLine.h"
#include "cli/DataFolder.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

namespace {

std::filesystem::path programFolder(const char* argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        const auto dataFolder = quendry::cli::defaultDataFolder(programFolder(argv[0]),
            quendry::cli::userDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
            quendry::cli::installedDataFromProgram());
        return quendry::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr, dataFolder);
    } catch (const std::exception& error) {
        std::cerr << "error: " << error.what() << '\n';
        return quendry::cli::ReadError;
    }
}
