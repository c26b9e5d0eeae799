#pragma once

#include "analysis/features/Contractions.h"
#include "analysis/features/Habits.h"
#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Characters.h"
#include "analysis/profile/RepeatedMarks.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// Why a text cannot be compared at all.
enum class TextRefusal : std::uint8_t {
    None,
    TooSmall,   // five words or fewer
    NotEnglish, // three in four words or more unrecognised
};

// The values a comparison keeps for one text, once every pass over it has run.
struct TextProfile {
    // When set, the checks stopped the profile: the character pass and the word lists are complete,
    // and everything from phraseCount on (the later passes and the indexes) keeps its default.
    TextRefusal refusal = TextRefusal::None;

    // The character pass: punctuation, spacing, letters, word tokens and symbol runs. A comparison's
    // copy has its wordTokenCount raised from 0 to 1.
    CharacterProfile characters;

    std::int32_t okCount = 0;       // lowercase "ok" words the normaliser removed
    std::int32_t emoticonCount = 0; // the "ok" words included
    std::int32_t sentenceCount = 0;
    ContractionForms contractionForms;
    CountedTexts capsWords; // tokens of three or more characters without lowercase, first seen first
    StringList unknownWords;

    std::int32_t phraseCount = 0;
    std::int32_t lowercaseSentenceStarts = 0;

    // What the comparison step reads besides the values above, built from them and the text by
    // indexProfile once every pass has run, so that comparing two profiles never goes through
    // either text. The profile does not keep the text itself: a comparison copies its profiles,
    // and that copy then grows with the lists, not with the length of the texts.
    std::vector<std::uint32_t> unknownWordOrder; // positions in unknownWords, in the order of the words
    std::vector<std::uint32_t> capsWordOrder;    // positions in capsWords, likewise
    std::vector<std::uint32_t> symbolRunOrder;   // positions in characters.symbolRuns, likewise
    std::int32_t symbolRunPenaltyTotal = 0;      // every run's penalty, as if the other text shared none
    std::vector<MarkTotal> repeatedMarks;
    std::vector<LoneSymbol> loneSymbols;
    HyphenSpacing hyphenSpacing;
    bool usesAmpersand = false;
    bool plainCharset = false; // nothing but letters, digits, spaces, line breaks and - . , ?

    bool operator==(const TextProfile&) const = default;
};

// Builds the indexes above from the profile's values and its text: the normalised text as the
// later passes read it (emoticons removed, quotes folded, line breaks kept).
void indexProfile(TextProfile& profile, std::string_view text);

// The position in `list` of the item whose text is `key`, found through `order` (the list's
// positions in the order of their text), if the list holds it.
template <typename List>
std::optional<std::size_t> findInOrder(const List& list, const std::vector<std::uint32_t>& order, std::string_view key)
{
    const auto found = std::lower_bound(order.begin(), order.end(), key,
        [&list](std::uint32_t position, std::string_view wanted) { return textOf(list[position]) < wanted; });
    if (found == order.end() || textOf(list[*found]) != key)
        return std::nullopt;
    return *found;
}

} // namespace quendry
