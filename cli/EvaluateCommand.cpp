#include "cli/CommandLine.h"
#include "cli/ManyTexts.h"
#include "cli/Metrics.h"
#include "cli/TextFiles.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <numeric>
#include <ostream>
#include <set>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

struct Problem {
    std::string name;
    bool sameAuthor = false;
    std::string unknownPath;
    std::vector<std::string> knownPaths;
};

// The lines of a file without line ends and without a byte-order mark in front.
std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> result;
    std::size_t start = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        result.push_back(std::move(line));
        start = end + 1;
    }
    return result;
}

std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            result.push_back(line.substr(start, i - start));
    }
    return result;
}

std::optional<bool> parseLabel(std::string label)
{
    std::transform(label.begin(), label.end(), label.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (label == "y" || label == "1" || label == "yes" || label == "true")
        return true;
    if (label == "n" || label == "0" || label == "no" || label == "false")
        return false;
    return std::nullopt;
}

std::vector<Problem> panProblems(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw CannotRead("cannot read " + folder.string() + ": it is not a folder");
    const fs::path truthPath = folder / "truth.txt";
    const std::vector<std::string> truth = lines(readFileBytes(truthPath));

    std::map<std::string, bool> labels;
    for (std::size_t i = 0; i < truth.size(); ++i) {
        const std::vector<std::string> fields = words(truth[i]);
        if (fields.empty())
            continue;
        const std::string where = truthPath.string() + " line " + std::to_string(i + 1) + ": ";
        const auto label = fields.size() == 2 ? parseLabel(fields[1]) : std::nullopt;
        if (!label || fields[1].size() != 1)
            throw CannotRead(where + "expected a problem and Y or N, found \"" + truth[i] + "\"");
        if (!labels.emplace(fields[0], *label).second)
            throw CannotRead(where + "problem " + fields[0] + " is listed twice");
    }
    if (labels.empty())
        throw CannotRead(truthPath.string() + " lists no problems");

    std::set<std::string> folders;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.is_directory())
            folders.insert(entry.path().filename().string());
    if (error)
        throw CannotRead("cannot read " + folder.string() + ": " + error.message());
    for (const std::string& name : folders)
        if (!labels.contains(name))
            throw CannotRead("problem folder " + (folder / name).string() + " has no line in " + truthPath.string());

    std::vector<Problem> problems;
    for (const auto& [name, sameAuthor] : labels) {
        const fs::path problemFolder = folder / name;
        if (!folders.contains(name))
            throw CannotRead(truthPath.string() + " lists " + name + ", but there is no folder " + problemFolder.string());
        Problem problem{name, sameAuthor, (problemFolder / "unknown.txt").string(), {}};
        for (const fs::directory_entry& entry : fs::directory_iterator(problemFolder, error)) {
            const std::string file = entry.path().filename().string();
            if (file.starts_with("known") && file.ends_with(".txt"))
                problem.knownPaths.push_back(entry.path().string());
        }
        std::sort(problem.knownPaths.begin(), problem.knownPaths.end());
        if (problem.knownPaths.empty())
            throw CannotRead("problem folder " + problemFolder.string() + " holds no known*.txt");
        problems.push_back(std::move(problem));
    }
    return problems;
}

// CSV fields of one record, quotes undone; nothing when the quoting is broken.
std::optional<std::vector<std::string>> csvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    bool wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            if (!fields.back().empty() || wasQuoted)
                return std::nullopt;
            quoted = wasQuoted = true;
        } else if (c == ',') {
            fields.emplace_back();
            wasQuoted = false;
        } else {
            if (wasQuoted)
                return std::nullopt;
            fields.back() += c;
        }
    }
    if (quoted)
        return std::nullopt;
    return fields;
}

std::vector<Problem> pairProblems(const std::string& csvPath)
{
    const std::vector<std::string> rows = lines(readFileBytes(csvPath));
    const fs::path base = fs::path(csvPath).parent_path();
    std::map<std::string, std::size_t> columns;
    std::vector<Problem> problems;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].find_first_not_of(" \t") == std::string::npos)
            continue;
        const std::string where = csvPath + " line " + std::to_string(i + 1) + ": ";
        const auto fields = csvFields(rows[i]);
        if (!fields)
            throw CannotRead(where + "broken quotes");
        if (columns.empty()) {
            for (std::size_t c = 0; c < fields->size(); ++c)
                columns.emplace((*fields)[c], c);
            for (const char* wanted : {"first", "second", "label"})
                if (!columns.contains(wanted))
                    throw CannotRead(where + "the header must name the columns first, second and label");
            continue;
        }
        if (fields->size() != columns.size())
            throw CannotRead(where + "expected " + std::to_string(columns.size()) + " fields, found "
                + std::to_string(fields->size()));
        const std::string& labelText = (*fields)[columns["label"]];
        const auto label = parseLabel(labelText);
        if (!label)
            throw CannotRead(where + "the label must be Y or N, found \"" + labelText + "\"");
        auto resolve = [&](const std::string& name) {
            const fs::path path(name);
            return path.is_absolute() || base.empty() ? name : (base / path).string();
        };
        const std::string first = (*fields)[columns["first"]];
        const std::string second = (*fields)[columns["second"]];
        if (first.empty() || second.empty())
            throw CannotRead(where + "a file name is empty");
        // The first text is the questioned one, as the unknown text of a PAN problem.
        problems.push_back({first + " vs " + second, *label, resolve(first), {resolve(second)}});
    }
    if (columns.empty())
        throw CannotRead(csvPath + " is empty");
    if (problems.empty())
        throw CannotRead(csvPath + " lists no pairs");
    return problems;
}

std::string fixed(double value, int digits)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
    return buffer;
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    file.close();
    if (!file)
        throw CannotRead("cannot write " + path);
}

} // namespace

int evaluate(const EvaluateOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams)
{
    const std::vector<Problem> problems = options.panFolder ? panProblems(*options.panFolder) : pairProblems(*options.pairsFile);
    const TextScorer scorer(analyzer, dictionary, options.pieceWords);

    std::vector<ScoredProblem> scored(problems.size());
    std::vector<std::string> refusals(problems.size());
    parallelFor(problems.size(), options.threads, [&](std::size_t i) {
        const Problem& problem = problems[i];
        const PreparedText unknown = scorer.prepare(readTextFile(problem.unknownPath, streams.in));
        std::vector<double> percents;
        for (const std::string& knownPath : problem.knownPaths) {
            const TextScore score = scorer.score(unknown, scorer.prepare(readTextFile(knownPath, streams.in)));
            if (score.refusal)
                refusals[i] = score.refusal->message();
            else
                percents.push_back(score.percent);
        }
        scored[i].name = problem.name;
        scored[i].sameAuthor = problem.sameAuthor;
        if (!percents.empty())
            scored[i].percent = std::accumulate(percents.begin(), percents.end(), 0.0) / static_cast<double>(percents.size());
    });

    const Evaluation result = evaluate(scored);
    if (options.scoresFile) {
        std::string csv = "problem,label,percent,score,refusal\n";
        for (std::size_t i = 0; i < scored.size(); ++i) {
            const ScoredProblem& problem = scored[i];
            csv += csvField(problem.name) + ',' + (problem.sameAuthor ? "Y" : "N") + ','
                + (problem.percent ? formatPercent(*problem.percent) : std::string()) + ','
                + fixed(problem.percent ? *problem.percent / 100.0 : 0.5, 4) + ','
                + (problem.percent ? std::string() : csvField(refusals[i])) + '\n';
        }
        writeFile(*options.scoresFile, csv);
    }
    if (options.rocFile)
        writeFile(*options.rocFile, rocSvg(scored, result.auc));

    streams.out << "Problems:        " << result.problems << '\n'
                << "Refusals:        " << result.refusals << '\n'
                << "AUC:             " << fixed(result.auc, 3) << '\n'
                << "c@1:             " << fixed(result.cAt1, 3) << '\n'
                << "Accuracy at 50:  " << fixed(result.accuracy, 3) << '\n'
                << "Best threshold:  " << formatPercent(result.bestThreshold) << " (accuracy "
                << fixed(result.bestAccuracy, 3) << ")\n";
    return Success;
}

} // namespace quendry::cli
