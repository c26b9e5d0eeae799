#include "analysis/features/Phrases.h"

namespace quendry {

std::int32_t countPhrases(std::string_view, const StringList&) { return 0; }
StringList findSharedUnknownWords(const StringList&, const StringList&) { return {}; }
std::int32_t sharedCapsWordPoints(const TextProfile&, const TextProfile&) { return 0; }
std::int32_t sharedSymbolRunPoints(const TextProfile&, const TextProfile&) { return 0; }

} // namespace quendry
