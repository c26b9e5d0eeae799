#pragma once

#include "analysis/features/Contractions.h"
#include "analysis/profile/Characters.h"

#include <cstdint>

namespace quendry {

// Why a text cannot be compared at all.
enum class TextRefusal : std::uint8_t {
    None,
    TooSmall,   // five words or fewer
    NotEnglish, // three in four words or more unrecognised
};

// The values a comparison keeps for one text, once every pass over it has run.
struct TextProfile {
    TextRefusal refusal = TextRefusal::None; // when set, the passes after the check did not run
    std::int32_t okCount = 0;
    std::int32_t emoticonCount = 0;
    std::int32_t sentenceCount = 0;
    std::int32_t wordCount = 0;
    std::int32_t commaCount = 0;
    std::int32_t periodCount = 0;
    std::int32_t spaceCommaCount = 0;
    std::int32_t spacePeriodCount = 0;
    std::int32_t commaSpaceCount = 0;
    std::int32_t periodSpaceCount = 0;
    StringList specialChars; // sorted, without duplicates
    bool lowercaseIFlag = false;
    std::int32_t questionMarkCount = 0;
    std::int32_t spaceQuestionCount = 0;
    std::int32_t questionSpaceCount = 0;
    std::int32_t otherSymbolCount = 0;
    std::int32_t semicolonCount = 0;
    std::int32_t exclamationCount = 0;
    std::int32_t colonCount = 0;
    std::int32_t letterCount = 0;
    std::int32_t wordTokenCount = 0; // raised from 0 to 1 by the comparison step
    StringList symbolRuns;
    std::vector<std::int32_t> symbolRunCounts; // parallel to symbolRuns
    StringList capsWords;
    std::vector<std::int32_t> capsWordCounts; // parallel to capsWords
    StringList unknownWords;
    std::int32_t phraseCount = 0;
    std::int32_t lowercaseSentenceStarts = 0;
    ContractionForms contractionForms;

    // The normalised text as the later passes read it: emoticons removed, quotes folded,
    // line breaks kept.
    std::string text;

    bool operator==(const TextProfile&) const = default;
};

} // namespace quendry
