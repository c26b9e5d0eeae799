#include "cli/CommandLine.h"
#include "cli/ManyTexts.h"
#include "cli/ScoreJson.h"
#include "cli/TextFiles.h"

#include <atomic>
#include <mutex>
#include <ostream>

namespace quendry::cli {
namespace {

struct Member {
    std::string name;
    std::optional<std::string> unreadable;
    PreparedText prepared;
    bool usable() const { return !unreadable && !prepared.refusal; }
};

// Shows how far the pairs have come, on one line of a terminal.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool shown, std::size_t total)
        : m_err(err)
        , m_shown(shown)
        , m_total(total)
    {
    }
    void advance()
    {
        const std::size_t done = ++m_done;
        if (!m_shown || (done % 256 != 0 && done != m_total))
            return;
        const std::lock_guard lock(m_mutex);
        m_err << "\rcompared " << done << " of " << m_total << " pairs" << std::flush;
    }
    void finish()
    {
        if (m_shown && m_total > 0)
            m_err << '\n';
    }

private:
    std::ostream& m_err;
    bool m_shown;
    std::size_t m_total;
    std::atomic<std::size_t> m_done{0};
    std::mutex m_mutex;
};

} // namespace

int matrix(const MatrixOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams)
{
    std::vector<std::string> names = options.listFile ? readListFile(*options.listFile) : options.files;
    if (names.size() < 2)
        throw CannotRead("a matrix needs at least two texts; " + std::to_string(names.size()) + " given");
    const TextScorer scorer(analyzer, dictionary);
    std::vector<Member> members(names.size());
    parallelFor(members.size(), options.threads, [&](std::size_t i) {
        members[i].name = names[i];
        try {
            members[i].prepared = scorer.prepare(readTextFile(names[i], streams.in));
        } catch (const CannotRead& error) {
            members[i].unreadable = error.what();
        }
    });

    // Each problem text is reported once, and left out of every pair.
    int status = Success;
    for (const Member& member : members) {
        if (member.unreadable) {
            streams.err << "error: " << *member.unreadable << '\n';
            status = ReadError;
        } else if (member.prepared.refusal) {
            streams.err << member.name << ": refused: " << textRefusalMessage(*member.prepared.refusal) << '\n';
        }
    }

    // Pair (a, b) with a < b, in a fixed order: the results land in place, whatever the threads.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t a = 0; a < members.size(); ++a)
        for (std::size_t b = a + 1; b < members.size(); ++b)
            if (members[a].usable() && members[b].usable())
                pairs.emplace_back(a, b);
    std::vector<TextScore> scores(pairs.size());
    ProgressLine progress(streams.err, streams.showProgress, pairs.size());
    parallelFor(pairs.size(), options.threads, [&](std::size_t i) {
        scores[i] = scorer.score(members[pairs[i].first].prepared, members[pairs[i].second].prepared);
        progress.advance();
    });
    progress.finish();

    if (options.format == OutputFormat::Json) {
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            Json line;
            line["first"] = members[pairs[i].first].name;
            line["second"] = members[pairs[i].second].name;
            addScore(line, scores[i], false);
            streams.out << jsonLine(line) << '\n';
        }
        return status;
    }

    // Both cells of a pair hold the comparison with the earlier text of the list as the first.
    std::vector<std::vector<std::string>> cells(members.size(), std::vector<std::string>(members.size()));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [a, b] = pairs[i];
        const std::string cell = scores[i].refusal ? std::string("refused") : formatPercent(scores[i].percent);
        cells[a][b] = cell;
        cells[b][a] = cell;
    }
    streams.out << "text";
    for (const Member& member : members)
        streams.out << ',' << csvField(member.name);
    streams.out << '\n';
    for (std::size_t a = 0; a < members.size(); ++a) {
        streams.out << csvField(members[a].name);
        for (std::size_t b = 0; b < members.size(); ++b)
            streams.out << ',' << cells[a][b];
        streams.out << '\n';
    }
    return status;
}

} // namespace quendry::cli
