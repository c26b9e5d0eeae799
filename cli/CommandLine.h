#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace quendry::cli {

// Exit statuses of quendry-cli.
enum ExitStatus : int {
    Success = 0,
    ReadError = 1,
    UsageError = 2,
    Refused = 3,
};

// Runs quendry-cli with its arguments (without the program name). Standard input is read for a
// file named "-". The folder of the executable locates the default data folder.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
    std::ostream& err, const std::filesystem::path& programFolder);

} // namespace quendry::cli
