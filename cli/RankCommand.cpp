#include "cli/CommandLine.h"
#include "cli/ManyTexts.h"
#include "cli/ScoreJson.h"
#include "cli/TextFiles.h"

#include <algorithm>
#include <ostream>

namespace quendry::cli {
namespace {

struct Candidate {
    NamedFile file;
    bool fromSampleFolder = false;
    std::optional<std::string> unreadable;
    TextScore score;
};

bool rankedBefore(const Candidate& a, const Candidate& b)
{
    if (a.score.refusal.has_value() != b.score.refusal.has_value())
        return !a.score.refusal;
    if (!a.score.refusal && a.score.percent != b.score.percent)
        return a.score.percent > b.score.percent;
    return nameLess(a.file.name, b.file.name);
}

void writeText(std::ostream& out, const Candidate& candidate, bool inPieces)
{
    const TextScore& score = candidate.score;
    if (score.refusal) {
        out << "     -  " << candidate.file.name << "  (refused: " << score.refusal->message() << ")\n";
        return;
    }
    std::string percent = formatPercent(score.percent) + "%";
    percent.insert(0, percent.size() < 6 ? 6 - percent.size() : 0, ' ');
    out << percent << "  " << candidate.file.name;
    if (inPieces) {
        out << "  (pieces: lowest " << score.lowest << "%, highest " << score.highest << "%, "
            << score.pieces.size() << " pairs)";
    }
    out << '\n';
}

void writeCsv(std::ostream& out, const Candidate& candidate, int place, bool inPieces)
{
    const TextScore& score = candidate.score;
    out << (score.refusal ? std::string() : std::to_string(place)) << ',' << csvField(candidate.file.name) << ','
        << (score.refusal ? std::string() : formatPercent(score.percent));
    if (inPieces) {
        if (score.refusal)
            out << ",,";
        else
            out << ',' << score.lowest << ',' << score.highest;
        out << ',' << score.pieces.size();
    }
    out << ',' << (score.refusal ? csvField(std::string(score.refusal->message())) : std::string()) << '\n';
}

} // namespace

int rank(const RankOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams)
{
    const TextScorer scorer(analyzer, dictionary, options.pieceWords);
    std::vector<Candidate> candidates;
    if (options.sampleFolder) {
        for (NamedFile& file : sampleFolderFiles(*options.sampleFolder))
            candidates.push_back({std::move(file), true, {}, {}});
        if (candidates.empty())
            throw CannotRead("the sample folder " + options.sampleFolder->string() + " holds no samples (*.tqd files)");
    } else {
        for (const std::string& name : options.files)
            candidates.push_back({{name, name}, false, {}, {}});
    }

    const std::string questionedText = readTextFile(options.questioned, streams.in);
    const PreparedText questioned = scorer.prepare(questionedText);
    if (questioned.refusal) {
        streams.err << options.questioned << ": " << textRefusalMessage(*questioned.refusal) << '\n';
        return Refused;
    }

    parallelFor(candidates.size(), options.threads, [&](std::size_t i) {
        Candidate& candidate = candidates[i];
        std::string text;
        try {
            text = candidate.fromSampleFolder ? readSampleFile(candidate.file.path)
                                              : readTextFile(candidate.file.path.string(), streams.in);
        } catch (const CannotRead& error) {
            candidate.unreadable = error.what();
            return;
        }
        candidate.score = scorer.score(questioned, scorer.prepare(text));
    });

    int status = Success;
    for (const Candidate& candidate : candidates) {
        if (candidate.unreadable) {
            streams.err << "error: " << *candidate.unreadable << '\n';
            status = ReadError;
        }
    }
    std::erase_if(candidates, [](const Candidate& candidate) { return candidate.unreadable.has_value(); });
    std::stable_sort(candidates.begin(), candidates.end(), rankedBefore);
    if (options.top > 0 && candidates.size() > static_cast<std::size_t>(options.top))
        candidates.resize(static_cast<std::size_t>(options.top));

    const bool inPieces = options.pieceWords > 0;
    if (options.format == OutputFormat::Csv)
        streams.out << (inPieces ? "rank,name,percent,lowest,highest,pairs,refusal\n" : "rank,name,percent,refusal\n");
    int place = 0;
    for (const Candidate& candidate : candidates) {
        if (!candidate.score.refusal)
            ++place;
        switch (options.format) {
        case OutputFormat::Text:
            writeText(streams.out, candidate, inPieces);
            break;
        case OutputFormat::Csv:
            writeCsv(streams.out, candidate, place, inPieces);
            break;
        case OutputFormat::Json: {
            Json line;
            if (!candidate.score.refusal)
                line["rank"] = place;
            line["name"] = candidate.file.name;
            addScore(line, candidate.score, inPieces);
            streams.out << jsonLine(line) << '\n';
            break;
        }
        }
    }
    return status;
}

} // namespace quendry::cli
