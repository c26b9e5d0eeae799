#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendry {

struct NormalisedText {
    std::string text;
    std::int32_t okCount = 0; // lowercase "ok" words removed
};

// Cleans a text of what says nothing about its writer: web addresses, mail tokens, paths behind
// domain names, initials, the word "ok" and letters stretched by repetition; then trims it.
NormalisedText normaliseText(std::string_view text);

// Typographic right single quote and grave accent become "'", typographic double quotes become
// '"'. The left single quote (145) stays.
std::string foldQuotes(std::string text);

// The text without line feeds; carriage returns stay.
std::string stripLineFeeds(std::string_view text);

} // namespace quendry
