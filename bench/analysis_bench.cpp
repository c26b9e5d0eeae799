// Benchmarks of the analysis engine on the public-domain novels of the shared corpus.
// The corpus folder is QUENDRY_CORPUS when set, otherwise the one beside the repository.

#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/profile/Windows1252.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/Comparison.h"
#include "analysis/run/ProgressListener.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

std::filesystem::path corpusFolder()
{
    if (const char* folder = std::getenv("QUENDRY_CORPUS"))
        return folder;
    return QUENDRY_DEFAULT_CORPUS;
}

const std::string& novel(const std::string& name)
{
    static std::map<std::string, std::string> texts;
    auto found = texts.find(name);
    if (found == texts.end()) {
        std::ifstream file(corpusFolder() / name, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        found = texts.emplace(name, quendry::toEngineText(bytes)).first;
    }
    return found->second;
}

const quendry::Dictionary& dictionary()
{
    static const quendry::Dictionary loaded = quendry::Dictionary::fromFile(
        std::filesystem::path(QUENDRY_BIN_DIR) / "Dct.txt");
    return loaded;
}

const char* const novels[] = {
    "swift_-_a_modest_proposal.txt",
    "carroll_-_alice_in_wonderland.txt",
    "conan_doyle_-_adventures_of_sherlock_holmes.txt",
    "austen_-_emma.txt",
    "dickens_-_bleak_house.txt",
};

void normalise(benchmark::State& state)
{
    const std::string& text = novel(novels[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(quendry::normaliseText(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetLabel(novels[state.range(0)]);
}
BENCHMARK(normalise)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void characterPass(benchmark::State& state)
{
    const std::string text = quendry::stripLineFeeds(quendry::foldQuotes(quendry::normaliseText(novel(novels[state.range(0)])).text));
    const auto& reference = quendry::ReferenceData::builtIn();
    quendry::ProgressListener progress;
    for (auto _ : state) {
        quendry::WordClassifier classifier(dictionary(), reference.names, reference.lists.emoticons);
        benchmark::DoNotOptimize(quendry::profileCharacters(text, classifier, progress));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetLabel(novels[state.range(0)]);
}
BENCHMARK(characterPass)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void wholeComparison(benchmark::State& state)
{
    const std::string& first = novel("conan_doyle_-_adventures_of_sherlock_holmes.txt");
    const std::string& second = novel("austen_-_emma.txt");
    const auto& reference = quendry::ReferenceData::builtIn();
    for (auto _ : state)
        benchmark::DoNotOptimize(quendry::compareTexts(first, second, reference, dictionary()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (first.size() + second.size())));
}
BENCHMARK(wholeComparison)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
