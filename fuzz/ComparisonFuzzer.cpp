// Fuzz target for the engine's entry point. The input is two texts separated by the first NUL byte
// (or cut in the middle when there is none), in any encoding. Whatever the bytes, a comparison
// must end in a refusal or in a score from 0 to 100 shown rounded up, and the prepared engine,
// profiling each text once, must give exactly what the direct two-text path gives.

#include "analysis/profile/Windows1252.h"
#include "analysis/run/Analyzer.h"
#include "analysis/run/TwoTextComparison.h"
#include "analysis/run/Verdict.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A few common words, so that some inputs get past the check for English.
    static const quendry::Dictionary dictionary = quendry::Dictionary::fromText(
        "#THE#A#AND#OF#TO#IN#IS#IT#THAT#WAS#HE#SHE#WE#YOU#NOT#BUT#ON#AT#FOR#WITH#AS#BE#HAVE#DO#GO#");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t cut = bytes.find('\0');
    const std::size_t rest = cut == std::string_view::npos ? (cut = size / 2) : cut + 1;
    const std::string first = quendry::toEngineText(bytes.substr(0, cut));
    const std::string second = quendry::toEngineText(bytes.substr(rest));
    static const quendry::Analyzer analyzer;
    static const quendry::ReferenceData reference(quendry::builtInReferenceLists());
    const auto outcome = analyzer.compare(analyzer.profile(first, dictionary), analyzer.profile(second, dictionary));
    if (!(outcome == quendry::compareTexts(first, second, reference, dictionary))) {
        std::fprintf(stderr, "the profiled comparison differs from the two-text path\n");
        std::abort();
    }
    if (const auto* comparison = std::get_if<quendry::Comparison>(&outcome)) {
        if (!(comparison->score >= 0.0 && comparison->score <= 100.0)
            || comparison->percent != quendry::shownPercent(comparison->score)) {
            std::fprintf(stderr, "score %f shown as %d\n", comparison->score, comparison->percent);
            std::abort();
        }
    }
    return 0;
}
