#include "cli/CommandLine.h"

#include "analysis/profile/Windows1252.h"
#include "analysis/run/Analyzer.h"
#include "cli/CompareCommand.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

namespace quendry::cli {
namespace {

constexpr const char* usageText = R"(Usage: quendry-cli compare [--json] [--explain] [--data DIR] FIRST SECOND
       quendry-cli --help | --version

Estimates how likely it is that one person wrote both texts.

Commands:
  compare FIRST SECOND   Compare two texts, each a file path or - for standard input.
                         Prints the percentage, for example "63%".

Options:
  --json        Print one JSON object with the percentage, the score, every score
                term and the values measured in each text.
  --explain     After the percentage, list the terms that moved it, largest first.
  --data DIR    The folder that holds Dct.txt (default: the program's folder).
  -h, --help    Show this help and exit.
  --version     Show the version and exit.

Exit status: 0 with a result, 1 when a file cannot be read, 2 for a usage error,
3 when a text is refused (too small, or too few English words).
)";

struct CompareOptions {
    bool json = false;
    bool explain = false;
    std::optional<std::filesystem::path> dataFolder;
    std::vector<std::string> files;
};

class BadUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CannotRead : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CompareOptions parseCompare(const std::vector<std::string>& arguments)
{
    CompareOptions options;
    bool onlyFiles = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyFiles || argument == "-" || argument.empty() || argument[0] != '-') {
            options.files.push_back(argument);
        } else if (argument == "--") {
            onlyFiles = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--explain") {
            options.explain = true;
        } else if (argument == "--data") {
            if (i + 1 == arguments.size())
                throw BadUsage("--data needs a folder");
            options.dataFolder = arguments[++i];
        } else if (argument.rfind("--data=", 0) == 0) {
            options.dataFolder = argument.substr(7);
        } else {
            throw BadUsage("unknown option " + argument);
        }
    }
    if (options.files.size() != 2)
        throw BadUsage("compare needs two texts, FIRST and SECOND");
    if (options.files[0] == "-" && options.files[1] == "-")
        throw BadUsage("only one of the texts can come from standard input");
    return options;
}

std::string readText(const std::string& name, std::istream& in)
{
    std::string bytes;
    if (name == "-") {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            throw CannotRead("cannot read standard input");
    } else {
        std::error_code error;
        if (std::filesystem::is_directory(name, error))
            throw CannotRead("cannot read " + name + ": it is a folder");
        std::ifstream file(name, std::ios::binary);
        if (!file)
            throw CannotRead("cannot read " + name + ": " + std::strerror(errno));
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad())
            throw CannotRead("cannot read " + name);
    }
    return toEngineText(bytes);
}

int compare(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
    const std::filesystem::path& programFolder)
{
    const CompareOptions options = parseCompare(arguments);
    const std::string first = readText(options.files[0], in);
    const std::string second = readText(options.files[1], in);

    const std::filesystem::path dictionaryPath = options.dataFolder.value_or(programFolder) / "Dct.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(dictionaryPath, error))
        throw CannotRead("cannot find the dictionary " + dictionaryPath.string());
    const Dictionary dictionary = Dictionary::fromFile(dictionaryPath);

    const Analyzer analyzer;
    const ComparisonOutcome outcome = analyzer.compare(first, second, dictionary);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        if (options.json)
            out << refusalJson(*refusal) << '\n';
        else
            err << refusal->message() << '\n';
        return Refused;
    }
    const auto& comparison = std::get<Comparison>(outcome);
    if (options.json) {
        out << comparisonJson(comparison, options.explain) << '\n';
        return Success;
    }
    out << comparison.percent << "%\n";
    if (options.explain) {
        const auto lines = explain(comparison.terms);
        if (lines.empty())
            out << "No rule found evidence either way.\n";
        for (const ExplanationLine& line : lines) {
            std::string points = formatPoints(line.points);
            points.resize(std::max<std::size_t>(points.size(), 6), ' ');
            out << points << line.reason << '\n';
        }
    }
    return Success;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
    std::ostream& err, const std::filesystem::path& programFolder)
{
    try {
        if (arguments.empty())
            throw BadUsage("no command given");
        const std::string& command = arguments[0];
        if (command == "--help" || command == "-h" || command == "help") {
            out << usageText;
            return Success;
        }
        if (command == "--version") {
            out << "quendry-cli " << QUENDRY_VERSION << '\n';
            return Success;
        }
        if (command == "compare") {
            for (const std::string& argument : arguments)
                if (argument == "--help" || argument == "-h") {
                    out << usageText;
                    return Success;
                }
            return compare(arguments, in, out, err, programFolder);
        }
        throw BadUsage("unknown command " + command);
    } catch (const BadUsage& error) {
        err << "error: " << error.what() << "\n" << "Try 'quendry-cli --help'.\n";
        return UsageError;
    } catch (const CannotRead& error) {
        err << "error: " << error.what() << '\n';
        return ReadError;
    }
}

} // namespace quendry::cli
