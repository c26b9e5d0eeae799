// Prints the engine's cost on large and hostile inputs as a table: the time of one whole
// comparison (engine alone, one thread), its ratio to prose of the same size, the peak memory of
// the process that ran it, and the time of the plain reference steps where they finish within a
// minute. Each measurement runs in a child process of its own, so that peak memory is its own.
//
// Usage: comparison_table [--no-reference] [--corpus DIR]

#include "ReferenceRun.h"

#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Windows1252.h"
#include "analysis/run/Analyzer.h"
#include "analysis/run/TwoTextComparison.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr std::size_t megabyte = 1'000'000;

fs::path g_corpus = QUENDRY_DEFAULT_CORPUS;

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A novel of the corpus; a missing one ends the program, as every text built from it would
// otherwise wait for an empty string to grow.
std::string novel(const char* name)
{
    std::string text = quendry::toEngineText(readFile(g_corpus / name));
    if (text.empty()) {
        std::fprintf(stderr, "cannot read %s (set QUENDRY_CORPUS or pass --corpus)\n", (g_corpus / name).c_str());
        std::exit(1);
    }
    return text;
}

std::string repeatedTo(const std::string& unit, std::size_t size)
{
    std::string out;
    out.reserve(size + unit.size());
    while (out.size() < size)
        out += unit;
    out.resize(size);
    return out;
}

// Two different English texts of the given size, from the corpus novels taken in two orders.
std::string prose(std::size_t size, int which)
{
    static const char* const novels[] = {"dickens_-_bleak_house.txt", "austen_-_emma.txt",
        "conan_doyle_-_adventures_of_sherlock_holmes.txt", "carroll_-_alice_in_wonderland.txt",
        "swift_-_a_modest_proposal.txt"};
    std::string text;
    text.reserve(size);
    for (std::size_t k = 0; text.size() < size; ++k)
        text += novel(novels[(k + (which == 0 ? 0 : 1)) % std::size(novels)]);
    text.resize(size);
    text.shrink_to_fit();
    return text;
}

std::string initials()
{
    std::string unit;
    for (char c = 'A'; c <= 'Z'; ++c)
        unit += std::string(1, c) + ". ";
    return repeatedTo(unit, megabyte);
}

std::string phrasesGlued()
{
    std::string unit;
    for (const std::string& phrase : quendry::builtInReferenceLists().phrases)
        unit += phrase;
    return repeatedTo(unit, megabyte);
}

// Beyond the hostile inputs above: every emoticon word after a full stop, and every emoticon,
// each of which the emoticon pass then looks for through the whole text.
std::string emoticonWordsAfterStops()
{
    std::string unit;
    for (const std::string& word : quendry::builtInReferenceLists().emoticonWords)
        unit += "Yes. " + word + " then. ";
    return repeatedTo(unit, megabyte);
}

std::string everyEmoticon()
{
    std::string unit;
    for (const std::string& emoticon : quendry::builtInReferenceLists().emoticons)
        unit += emoticon + " and ";
    return repeatedTo(unit, megabyte);
}

std::string distinctUnknownWords()
{
    std::string out;
    for (int i = 0; out.size() < megabyte; ++i) {
        std::string word = "zq";
        for (int n = i; n > 0; n /= 26)
            word += static_cast<char>('a' + n % 26);
        out += word + ' ';
    }
    out.resize(megabyte);
    return out;
}

struct Case {
    const char* name;
    std::function<std::string()> first;
    std::function<std::string()> second;
};

struct Measurement {
    double seconds = -1; // below 0: did not finish
    double processorSeconds = -1; // the processor time of the same round
    long peakKilobytes = 0;
};

// Runs the work in a child process, at most timeoutSeconds, and returns its time and peak memory.
Measurement measure(const std::function<void()>& prepare, const std::function<void()>& work, int timeoutSeconds)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        prepare();
        alarm(static_cast<unsigned>(timeoutSeconds));
        // On a machine shared with other work the wall time says more about the others than
        // about the engine, which runs on one thread: the processor time is kept beside it.
        double best[2] = {1e9, 1e9};
        for (int round = 0; round < 3; ++round) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t startClock = std::clock();
            work();
            best[0] = std::min(best[0], std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            best[1] = std::min(best[1], static_cast<double>(std::clock() - startClock) / CLOCKS_PER_SEC);
            if (best[0] > 5)
                break;
        }
        const ssize_t written = write(pipeEnds[1], best, sizeof best);
        _exit(written == sizeof best ? 0 : 1);
    }
    close(pipeEnds[1]);
    Measurement result;
    double seconds[2] = {-1, -1};
    if (read(pipeEnds[0], seconds, sizeof seconds) == sizeof seconds) {
        result.seconds = seconds[0];
        result.processorSeconds = seconds[1];
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    result.peakKilobytes = usage.ru_maxrss;
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    bool withReference = true;
    if (const char* folder = std::getenv("QUENDRY_CORPUS"))
        g_corpus = folder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-reference") == 0)
            withReference = false;
        else if (std::strcmp(argv[i], "--corpus") == 0 && i + 1 < argc)
            g_corpus = argv[++i];
    }
    const fs::path dictionaryPath = fs::path(QUENDRY_BIN_DIR) / "Dct.txt";
    const auto p1 = [] { return prose(megabyte, 0); };
    const auto p2 = [] { return prose(megabyte, 1); };
    const std::vector<Case> cases = {
        {"prose, 1 MB each", p1, p2},
        {"prose, 4 MB each", [] { return prose(4 * megabyte, 0); }, [] { return prose(4 * megabyte, 1); }},
        {"initials \"A. B. C.\"", p1, initials},
        {"\"ok ok ...\"", p1, [] { return repeatedTo("ok ", megabyte); }},
        {"full stops", p1, [] { return std::string(megabyte, '.'); }},
        {"exclamation marks", p1, [] { return std::string(megabyte, '!'); }},
        {"spaces", p1, [] { return std::string(megabyte, ' '); }},
        {"mail addresses", p1, [] { return repeatedTo("someone@example.org ", megabyte); }},
        {"web addresses", p1, [] { return repeatedTo("http://www.example.org/page ", megabyte); }},
        {"one emoticon", p1, [] { return repeatedTo(":-) ", megabyte); }},
        {"every stock phrase, glued", p1, phrasesGlued},
        {"one unknown word", p1, [] { return repeatedTo("zqxv ", megabyte); }},
        {"100,000 distinct unknown words", p1, distinctUnknownWords},
        {"every emoticon word after a full stop", p1, emoticonWordsAfterStops},
        {"every emoticon", p1, everyEmoticon},
    };

    std::printf("| Input (second text; first text: 1 MB of prose) | Engine | Processor | vs prose | Peak memory | Limit | Reference |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    double proseSeconds = 0;
    for (const Case& c : cases) {
        std::string first, second;
        std::string dictionaryText;
        quendry::Dictionary dictionary;
        std::optional<quendry::Analyzer> analyzer;
        const auto prepareTexts = [&] {
            first = c.first();
            second = c.second();
        };
        // The engine gets the dictionary as the program loads it, and is prepared once; the
        // reference searches the dictionary's text.
        const auto prepareEngine = [&] {
            prepareTexts();
            dictionary = quendry::Dictionary::fromFile(dictionaryPath);
            analyzer.emplace();
        };
        const auto prepareReference = [&] {
            prepareTexts();
            dictionaryText = readFile(dictionaryPath);
        };
        const Measurement engine = measure(prepareEngine, [&] {
            (void)analyzer->compare(first, second, dictionary);
        }, 600);
        Measurement plain;
        if (withReference)
            plain = measure(prepareReference, [&] {
                (void)quendry::reference::compareTexts(first, second, quendry::builtInReferenceLists(), dictionaryText);
            }, 60);
        const std::size_t size = c.first().size() + c.second().size();
        if (proseSeconds == 0)
            proseSeconds = engine.seconds;
        const double ratio = engine.seconds / (std::strstr(c.name, "4 MB") ? proseSeconds * 4 : proseSeconds);
        char reference[32] = "not run";
        if (withReference)
            std::snprintf(reference, sizeof reference, plain.seconds < 0 ? "> 60 s" : "%.2f s", plain.seconds);
        std::printf("| %s | %.0f ms | %.0f ms | %.2f | %.0f MB | %.0f MB | %s |\n", c.name, engine.seconds * 1000,
            engine.processorSeconds * 1000, ratio,
            static_cast<double>(engine.peakKilobytes) / 1024, 10.0 * static_cast<double>(size) / megabyte + 30, reference);
        std::fflush(stdout);
    }
    return 0;
}
