#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>
#include <functional>

namespace quendry {

class ProgressListener;
class WordClassifier;

// The punctuation, spacing and character habits of one text, as the character pass finds them.
struct CharacterProfile {
    std::int32_t otherSymbolCount = 0;
    std::int32_t semicolonCount = 0;
    std::int32_t letterCount = 0;
    std::int32_t exclamationCount = 0;
    std::int32_t colonCount = 0;
    std::int32_t questionMarkCount = 0;
    std::int32_t questionSpaceCount = 0;
    std::int32_t spaceQuestionCount = 0;
    std::int32_t wordTokenCount = 0;
    StringList specialChars; // sorted; characters that differ only in case count once
    CountedTexts symbolRuns; // runs of two or more symbol characters, first seen first
    bool lowercaseIFlag = false;

    std::int32_t wordCount = 0; // maximal runs of characters with codes 65 and above
    std::int32_t commaCount = 0;
    std::int32_t periodCount = 0;
    std::int32_t commaSpaceCount = 0;
    std::int32_t periodSpaceCount = 0;
    std::int32_t spaceCommaCount = 0;
    std::int32_t spacePeriodCount = 0;

    bool operator==(const CharacterProfile&) const = default;
};

// Symbol characters: codes 33-47, 58-64 and 91-96. The apostrophe is one, and a word character too.
constexpr bool isSymbolCharacter(char c)
{
    const unsigned char value = code(c);
    return (value >= 33 && value <= 47) || (value >= 58 && value <= 64) || (value >= 91 && value <= 96);
}

// Walks a text (quotes folded, line feeds stripped) character by character. Every completed word
// token goes to the classifier, unless the token before it was a name, and to `onToken` as written,
// outer apostrophes included. The progress listener moves on by exactly one step per character.
CharacterProfile profileCharacters(std::string_view text, WordClassifier& classifier, ProgressListener& progress,
    const std::function<void(std::string_view)>& onToken = nullptr);

} // namespace quendry
