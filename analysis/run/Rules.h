#pragma once

#include "analysis/run/TextProfile.h"

#include <cstddef>

namespace quendry {

// The comparison rules that read only the values kept for the two texts. Each yields one term.
// Word-token counts are at least 1 when they run.

// Equal use: the rarer use of a mark, times a factor.
std::int32_t exclamationPoints(const TextProfile& first, const TextProfile& second);
std::int32_t colonPoints(const TextProfile& first, const TextProfile& second);
std::int32_t semicolonPoints(const TextProfile& first, const TextProfile& second);

// Rates: words per occurrence, compared by their ratio.
std::int32_t sentenceLengthPoints(const TextProfile& first, const TextProfile& second);
std::int32_t unknownWordRatePoints(const TextProfile& first, const TextProfile& second);
std::int32_t otherSymbolRatePoints(const TextProfile& first, const TextProfile& second);
std::int32_t emoticonRatePoints(const TextProfile& first, const TextProfile& second);
std::int32_t capsWordRatePoints(const TextProfile& first, const TextProfile& second);

// One-sided: a habit that only one text shows.
std::int32_t lowercaseStartPoints(const TextProfile& first, const TextProfile& second);
std::int32_t phraseRatePoints(const TextProfile& first, const TextProfile& second);
std::int32_t unsharedSymbolRunPoints(const TextProfile& first, const TextProfile& second);

// Presence.
std::int32_t ampersandPoints(const TextProfile& first, const TextProfile& second);
std::int32_t plainCharsetPoints(const TextProfile& first, const TextProfile& second);
std::int32_t specialCharPoints(const TextProfile& first, const TextProfile& second);
std::int32_t lowercaseIPoints(const TextProfile& first, const TextProfile& second);
std::int32_t sharedUnknownWordPoints(std::size_t sharedUnknownWordCount);

// The penalty a symbol run used that many times in a text of that many words gets when the other
// text never uses it; 0 below three uses.
std::int32_t unsharedRunPenalty(std::int32_t wordCount, std::int32_t uses);

} // namespace quendry
