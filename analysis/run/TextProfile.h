#pragma once

#include "analysis/features/Contractions.h"
#include "analysis/features/Habits.h"
#include "analysis/profile/Characters.h"
#include "analysis/profile/RepeatedMarks.h"

#include <cstdint>
#include <optional>

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

    // What the comparison step reads besides the values above, built from them and the text by
    // indexProfile once every pass has run, so that comparing two profiles never goes through
    // either text.
    std::vector<std::uint32_t> unknownWordOrder; // positions in unknownWords, in the order of the words
    std::vector<std::uint32_t> capsWordOrder;    // positions in capsWords, likewise
    std::vector<std::uint32_t> symbolRunOrder;   // positions in symbolRuns, likewise
    std::vector<std::int32_t> symbolRunPenalties; // parallel to symbolRuns: its penalty were it not shared
    std::int32_t symbolRunPenaltyTotal = 0;
    std::vector<MarkTotal> repeatedMarks;
    std::vector<LoneSymbol> loneSymbols;
    HyphenSpacing hyphenSpacing;
    bool usesAmpersand = false;
    bool plainCharset = false; // nothing but letters, digits, spaces, line breaks and - . , ?

    bool operator==(const TextProfile&) const = default;
};

// Builds the indexes above from the profile's values and text.
void indexProfile(TextProfile& profile);

// The position in `list` of `key`, found through `order` (the list's positions in the order of
// their text), if the list holds it.
std::optional<std::size_t> findInOrder(const StringList& list, const std::vector<std::uint32_t>& order,
    std::string_view key);

} // namespace quendry
