// Benchmarks of the analysis engine on the public-domain novels of the shared corpus.
// The corpus folder is QUENDRY_CORPUS when set, otherwise the one beside the repository.

#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/profile/Windows1252.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/Analyzer.h"
#include "analysis/run/ProgressListener.h"
#include "analysis/run/TwoTextComparison.h"

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
    const quendry::ReferenceData reference(quendry::builtInReferenceLists());
    quendry::ProgressListener progress;
    for (auto _ : state) {
        quendry::WordClassifier classifier(dictionary(), reference.names, reference.emoticonKeywords);
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
    const quendry::Analyzer analyzer;
    for (auto _ : state)
        benchmark::DoNotOptimize(analyzer.compare(first, second, dictionary()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (first.size() + second.size())));
}
BENCHMARK(wholeComparison)->Unit(benchmark::kMillisecond);

// Preparing the engine from the lists built into the program.
void prepareAnalyzer(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(quendry::Analyzer());
}
BENCHMARK(prepareAnalyzer)->Unit(benchmark::kMicrosecond);

// Reading and parsing Dct.txt, as each comparison does when the file changed.
void readDictionary(benchmark::State& state)
{
    const std::filesystem::path path = std::filesystem::path(QUENDRY_BIN_DIR) / "Dct.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(quendry::Dictionary::fromFile(path));
}
BENCHMARK(readDictionary)->Unit(benchmark::kMillisecond);

// Texts of about 5 KB cut from the novels one after the other.
std::vector<std::string> pieces(std::size_t count, std::size_t size)
{
    std::vector<std::string> result;
    std::size_t novelIndex = 0;
    std::size_t offset = 0;
    while (result.size() < count) {
        const std::string& text = novel(novels[novelIndex % std::size(novels)]);
        if (offset + size > text.size()) {
            ++novelIndex;
            offset = 0;
            continue;
        }
        result.push_back(text.substr(offset, size));
        offset += size;
    }
    return result;
}

// Profiles 1,000 texts of 5 KB, one after the other on one thread.
void profileThousandTexts(benchmark::State& state)
{
    const quendry::Analyzer analyzer;
    const std::vector<std::string> texts = pieces(1000, 5000);
    for (auto _ : state)
        for (const std::string& text : texts)
            benchmark::DoNotOptimize(analyzer.profile(text, dictionary()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * texts.size()));
}
BENCHMARK(profileThousandTexts)->Unit(benchmark::kMillisecond);

// Compares one profile with 1,000 others: the work that remains when every text was profiled once.
void compareOneWithThousandProfiles(benchmark::State& state)
{
    const quendry::Analyzer analyzer;
    const std::vector<std::string> texts = pieces(1001, 5000);
    std::vector<quendry::TextProfile> profiles;
    for (const std::string& text : texts)
        profiles.push_back(analyzer.profile(text, dictionary()));
    for (auto _ : state)
        for (std::size_t i = 1; i < profiles.size(); ++i)
            benchmark::DoNotOptimize(analyzer.compare(profiles[0], profiles[i]));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * (profiles.size() - 1)));
}
BENCHMARK(compareOneWithThousandProfiles)->Unit(benchmark::kMillisecond);

// Compares the profiles of two whole novels: the pair step alone, which reads the profiles' lists
// and indexes and never the texts.
void compareTwoNovelProfiles(benchmark::State& state)
{
    const quendry::Analyzer analyzer;
    const quendry::TextProfile first = analyzer.profile(novel("conan_doyle_-_adventures_of_sherlock_holmes.txt"), dictionary());
    const quendry::TextProfile second = analyzer.profile(novel("austen_-_emma.txt"), dictionary());
    for (auto _ : state)
        benchmark::DoNotOptimize(analyzer.compare(first, second));
}
BENCHMARK(compareTwoNovelProfiles)->Unit(benchmark::kMicrosecond);

// The heap a list of strings holds beyond its own size: the buffers of the strings too long to
// be held inline.
std::size_t heapBytes(const quendry::StringList& list)
{
    std::size_t bytes = list.capacity() * sizeof(std::string);
    for (const std::string& item : list)
        if (item.capacity() > std::string().capacity())
            bytes += item.capacity() + 1;
    return bytes;
}

std::size_t heapBytes(const quendry::CountedTexts& list)
{
    std::size_t bytes = list.capacity() * sizeof(quendry::CountedText);
    for (const quendry::CountedText& item : list)
        if (item.text.capacity() > std::string().capacity())
            bytes += item.text.capacity() + 1;
    return bytes;
}

template <typename T>
std::size_t heapBytes(const std::vector<T>& list)
{
    return list.capacity() * sizeof(T);
}

// What a stored profile of a 5 KB text takes, its heap included, on average over 1,000 texts.
void storedProfileSize(benchmark::State& state)
{
    const quendry::Analyzer analyzer;
    const std::vector<std::string> texts = pieces(1000, 5000);
    std::size_t total = 0;
    for (const std::string& text : texts) {
        const quendry::TextProfile p = analyzer.profile(text, dictionary());
        total += sizeof p + heapBytes(p.characters.specialChars)
            + heapBytes(p.characters.symbolRuns) + heapBytes(p.capsWords) + heapBytes(p.unknownWords)
            + heapBytes(p.unknownWordOrder) + heapBytes(p.capsWordOrder) + heapBytes(p.symbolRunOrder)
            + heapBytes(p.repeatedMarks) + heapBytes(p.loneSymbols);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(total);
    state.counters["bytes"] = static_cast<double>(total) / static_cast<double>(texts.size());
}
BENCHMARK(storedProfileSize)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
