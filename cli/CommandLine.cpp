#include "cli/CommandLine.h"

#include "analysis/run/Analyzer.h"
#include "cli/CompareCommand.h"
#include "cli/ManyTexts.h"
#include "cli/ScoreJson.h"
#include "cli/TextFiles.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace quendry::cli {
namespace {

constexpr const char* exitStatusText = R"(Exit status: 0 with a result, 1 when a file cannot be read or is not what it
must be, 2 for a usage error, 3 when a text is refused (too small, or too few
English words).)";

constexpr const char* piecesText = "Compare the texts in pieces of about WORDS words, cut at sentence ends: every "
                                   "piece of one with every piece of the other, at most 100 pairs spread evenly; "
                                   "the result is the median percentage, with the lowest and highest.";

class BadUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CompareOptions {
    bool json = false;
    bool explain = false;
    std::vector<std::string> files;
    int pieceWords = 0;
};

Dictionary loadDictionary(const std::optional<std::string>& dataFolder, const std::filesystem::path& programFolder)
{
    const std::filesystem::path dictionaryPath
        = (dataFolder ? std::filesystem::path(*dataFolder) : programFolder) / "Dct.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(dictionaryPath, error))
        throw CannotRead("cannot find the dictionary " + dictionaryPath.string());
    return Dictionary::fromFile(dictionaryPath);
}

void printExplanation(std::ostream& out, const ComparisonResult& terms)
{
    const auto lines = explain(terms);
    if (lines.empty())
        out << "No rule found evidence either way.\n";
    for (const ExplanationLine& line : lines) {
        std::string points = formatPoints(line.points);
        points.resize(std::max<std::size_t>(points.size(), 6), ' ');
        out << points << line.reason << '\n';
    }
}

int compare(const CompareOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams)
{
    if (options.files.size() != 2)
        throw BadUsage("compare needs two texts, FIRST and SECOND");
    if (options.files[0] == "-" && options.files[1] == "-")
        throw BadUsage("only one of the texts can come from standard input");
    const std::string first = readTextFile(options.files[0], streams.in);
    const std::string second = readTextFile(options.files[1], streams.in);

    if (options.pieceWords > 0) {
        const TextScorer scorer(analyzer, dictionary, options.pieceWords);
        const TextScore score = scorer.score(scorer.prepare(first), scorer.prepare(second));
        if (options.json) {
            Json json = Json::object();
            addScore(json, score, true);
            streams.out << jsonLine(json) << '\n';
        } else if (score.refusal) {
            streams.err << score.refusal->message() << '\n';
        } else {
            streams.out << formatPercent(score.percent) << "%\n"
                        << "median of " << score.pieces.size() << " piece pairs; lowest " << score.lowest
                        << "%, highest " << score.highest << "%\n";
        }
        return score.refusal ? Refused : Success;
    }

    const ComparisonOutcome outcome = analyzer.compare(first, second, dictionary);
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        if (options.json)
            streams.out << refusalJson(*refusal) << '\n';
        else
            streams.err << refusal->message() << '\n';
        return Refused;
    }
    const auto& comparison = std::get<Comparison>(outcome);
    if (options.json) {
        streams.out << comparisonJson(comparison, options.explain) << '\n';
        return Success;
    }
    streams.out << comparison.percent << "%\n";
    if (options.explain)
        printExplanation(streams.out, comparison.terms);
    return Success;
}

void addFormatFlags(CLI::App& command, OutputFormat& format, const char* jsonHelp)
{
    auto* json = command.add_flag_callback("--json", [&format] { format = OutputFormat::Json; }, jsonHelp);
    auto* csv = command.add_flag_callback("--csv", [&format] { format = OutputFormat::Csv; }, "Print CSV.");
    json->excludes(csv);
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
    std::ostream& err, const std::filesystem::path& programFolder)
{
    CLI::App app("Estimates how likely it is that one person wrote both of two texts, and ranks, "
                 "compares and evaluates many texts at once.",
        "quendry-cli");
    app.footer(exitStatusText);
    app.set_version_flag("--version", std::string("quendry-cli ") + QUENDRY_VERSION);
    app.require_subcommand(1);

    std::optional<std::string> dataFolder;
    auto addData = [&dataFolder](CLI::App& command) {
        command
            .add_option("--data", dataFolder,
                "The folder that holds Dct.txt (default: the program's folder, the user's data folder or the "
                "installed one, the first that holds it).")
            ->type_name("DIR");
    };
    auto addThreads = [](CLI::App& command, int& threads) {
        command.add_option("-j,--jobs", threads, "Threads to use (default: the machine's cores).")
            ->type_name("N")
            ->check(CLI::PositiveNumber);
    };
    auto addPieces = [](CLI::App& command, int& words) {
        command.add_option("--chunks", words, piecesText)->type_name("WORDS")->check(CLI::PositiveNumber);
    };

    CompareOptions compareOptions;
    CLI::App* compareCommand = app.add_subcommand("compare",
        "Compare two texts, each a file path or - for standard input. Prints the percentage, "
        "for example \"63%\".");
    compareCommand->add_option("FIRST SECOND", compareOptions.files, "The two texts.")->type_name("FILE");
    compareCommand->add_flag("--json", compareOptions.json,
        "Print one JSON object with the percentage, the score, every score term and the values measured "
        "in each text.");
    compareCommand->add_flag("--explain", compareOptions.explain,
        "After the percentage, list the terms that moved it, largest first.");
    addData(*compareCommand);
    addPieces(*compareCommand, compareOptions.pieceWords);

    RankOptions rankOptions;
    std::string sampleFolder;
    CLI::App* rankCommand = app.add_subcommand("rank",
        "Compare a questioned text with every candidate and list the candidates by percentage, highest "
        "first (equal percentages by name); refused candidates come last, with the reason.");
    rankCommand->add_option("QUESTIONED", rankOptions.questioned, "The questioned text (- for standard input).")
        ->required()
        ->type_name("FILE");
    auto* samplesOption = rankCommand->add_option("--samples", sampleFolder,
        "A sample folder as the window keeps it (its \"Template\" folder): every *.tqd file is a "
        "candidate, named as the sample list shows it.")->type_name("FOLDER");
    auto* filesOption = rankCommand->add_option("FILE", rankOptions.files, "Candidate texts.")->type_name("FILE");
    samplesOption->excludes(filesOption);
    rankCommand->add_option("--top", rankOptions.top, "Show only the first K candidates.")
        ->type_name("K")
        ->check(CLI::PositiveNumber);
    addFormatFlags(*rankCommand, rankOptions.format,
        "Print JSON Lines: one object per candidate with its percentage and the 26 score terms.");
    addPieces(*rankCommand, rankOptions.pieceWords);
    addThreads(*rankCommand, rankOptions.threads);
    addData(*rankCommand);

    MatrixOptions matrixOptions;
    std::string listFile;
    CLI::App* matrixCommand = app.add_subcommand("matrix",
        "Compare every pair of a set of texts. Prints a CSV matrix of percentages (both cells of a pair "
        "hold the comparison with the text listed earlier as the first). A text that cannot be read or is "
        "refused is reported once and left out.");
    auto* matrixFiles = matrixCommand->add_option("FILE", matrixOptions.files, "The texts.")->type_name("FILE");
    auto* listOption = matrixCommand->add_option("--list", listFile,
        "A file naming the texts, one a line (relative to its folder; blank lines and lines starting "
        "with # are skipped).")->type_name("LISTFILE");
    listOption->excludes(matrixFiles);
    matrixCommand->add_flag_callback("--json", [&matrixOptions] { matrixOptions.format = OutputFormat::Json; },
        "Print JSON Lines, one object per pair with its percentage and the 26 score terms.");
    addThreads(*matrixCommand, matrixOptions.threads);
    addData(*matrixCommand);

    EvaluateOptions evaluateOptions;
    std::string panFolder;
    std::string pairsFile;
    std::string scoresFile;
    std::string rocFile;
    CLI::App* evaluateCommand = app.add_subcommand("evaluate",
        "Run labelled verification problems and report how well the percentage separates same-author "
        "from different-author problems: the number of problems and refusals, AUC, c@1 and accuracy at "
        "the threshold of 50, and the threshold that would maximise accuracy. A refused problem counts "
        "as no answer (a score of 0.5).");
    auto* panOption = evaluateCommand->add_option("--pan", panFolder,
        "A folder of problems in the PAN layout: one folder per problem holding known*.txt and "
        "unknown.txt, and truth.txt with one line \"PROBLEM Y\" or \"PROBLEM N\" each. A problem's "
        "percentage is the mean over its known texts.")->type_name("FOLDER");
    auto* pairsOption = evaluateCommand->add_option("--pairs", pairsFile,
        "A CSV file with a header naming the columns first, second and label (Y or N); file names are "
        "relative to its folder.")->type_name("CSV");
    panOption->excludes(pairsOption);
    evaluateCommand->add_option("--scores", scoresFile, "Write each problem's percentage and score to a CSV file.")
        ->type_name("FILE");
    evaluateCommand->add_option("--roc", rocFile, "Draw the ROC curve, with the AUC in its title, as SVG.")
        ->type_name("FILE.svg");
    addPieces(*evaluateCommand, evaluateOptions.pieceWords);
    addThreads(*evaluateCommand, evaluateOptions.threads);
    addData(*evaluateCommand);

    try {
        if (!arguments.empty() && !arguments[0].starts_with("-")
            && app.get_subcommands([&](const CLI::App* command) { return command->get_name() == arguments[0]; }).empty())
            throw BadUsage("unknown command " + arguments[0]);
        try {
            std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
            app.parse(reversed);
        } catch (const CLI::CallForHelp&) {
            out << app.help();
            return Success;
        } catch (const CLI::CallForVersion&) {
            out << "quendry-cli " << QUENDRY_VERSION << '\n';
            return Success;
        } catch (const CLI::ParseError& error) {
            throw BadUsage(error.what());
        }

        const Streams streams{in, out, err, &err == &std::cerr && ::isatty(STDERR_FILENO) == 1};
        const Analyzer analyzer;
        if (compareCommand->parsed())
            return compare(compareOptions, analyzer, loadDictionary(dataFolder, programFolder), streams);
        if (rankCommand->parsed()) {
            if (samplesOption->count() > 0)
                rankOptions.sampleFolder = sampleFolder;
            else if (rankOptions.files.empty())
                throw BadUsage("rank needs candidates: --samples FOLDER or FILE...");
            if (std::find(rankOptions.files.begin(), rankOptions.files.end(), "-") != rankOptions.files.end())
                throw BadUsage("only the questioned text can come from standard input");
            return rank(rankOptions, analyzer, loadDictionary(dataFolder, programFolder), streams);
        }
        if (matrixCommand->parsed()) {
            if (listOption->count() > 0)
                matrixOptions.listFile = listFile;
            else if (matrixOptions.files.size() < 2)
                throw BadUsage("matrix needs two texts or more, or --list LISTFILE");
            if (std::count(matrixOptions.files.begin(), matrixOptions.files.end(), "-") > 1)
                throw BadUsage("only one of the texts can come from standard input");
            return matrix(matrixOptions, analyzer, loadDictionary(dataFolder, programFolder), streams);
        }
        if (panOption->count() > 0)
            evaluateOptions.panFolder = panFolder;
        else if (pairsOption->count() > 0)
            evaluateOptions.pairsFile = pairsFile;
        else
            throw BadUsage("evaluate needs --pan FOLDER or --pairs CSV");
        if (!scoresFile.empty())
            evaluateOptions.scoresFile = scoresFile;
        if (!rocFile.empty())
            evaluateOptions.rocFile = rocFile;
        return evaluate(evaluateOptions, analyzer, loadDictionary(dataFolder, programFolder), streams);
    } catch (const BadUsage& error) {
        err << "error: " << error.what() << "\n"
            << "Try 'quendry-cli --help'.\n";
        return UsageError;
    } catch (const CannotRead& error) {
        err << "error: " << error.what() << '\n';
        return ReadError;
    }
}

} // namespace quendry::cli
