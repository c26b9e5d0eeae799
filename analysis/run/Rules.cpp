#include "analysis/run/Rules.h"

namespace quendry {

std::int32_t exclamationPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t colonPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t semicolonPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t sentenceLengthPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t unknownWordRatePoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t otherSymbolRatePoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t emoticonRatePoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t capsWordRatePoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t lowercaseStartPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t phraseRatePoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t unsharedSymbolRunPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t ampersandPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t plainCharsetPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t specialCharPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t lowercaseIPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t sharedUnknownWordPoints(std::size_t) { return 0; }

} // namespace quendry
