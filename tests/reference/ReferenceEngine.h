#pragma once

// Straightforward implementations of the engine's costly steps, written as plainly as the rules
// read: every deleting step restarts its scan from the beginning, every lookup walks its list or
// searches the whole text. They are slow on purpose and exist only so that tests can check the
// engine's fast versions against them, field by field.

#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Characters.h"
#include "analysis/profile/WordClassifier.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendry::reference {

// The key as it is, compared exactly with each item's text in list order.
template <typename List>
std::optional<std::size_t> indexOfExact(const List& list, std::string_view key)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (textOf(list[i]) == key)
            return i;
    return std::nullopt;
}

// The key, trimmed of codes 0-32, compared exactly with each item's text in list order.
template <typename List>
std::optional<std::size_t> indexOfTrimmed(const List& list, std::string_view key)
{
    return indexOfExact(list, trimmed(key));
}

struct Normalised {
    std::string text;
    std::int32_t okCount = 0;
};
Normalised normaliseText(std::string_view text);

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords);

std::int32_t countSentences(std::string_view text);

// What the classifier collects, the unrecognised tokens listed one by one.
struct WordLists {
    StringList unrecognisedWords;
    StringList unknownWords;
    CountedTexts capsWords;
};

// The classifier over the dictionary and name texts themselves, searched for '#' + word + '#'.
class Classifier {
public:
    Classifier(std::string_view dictionaryText, const StringList& nameList, const StringList& emoticons);
    void classify(std::string_view previous, std::string_view token, bool& skipNext);
    WordLists lists;

private:
    bool inDictionary(const std::string& candidate) const;
    bool inNames(const std::string& candidate) const;
    std::string m_dictionary;
    std::string m_names;
    const StringList& m_emoticons;
};

CharacterProfile profileCharacters(std::string_view text, Classifier& classifier);

std::int32_t countPhrases(std::string_view text, const StringList& phrases);

double contractionPoints(std::string_view firstText, std::string_view secondText, std::int32_t firstWordTokenCount,
    std::int32_t secondWordTokenCount);

StringList findSharedUnknownWords(const StringList& first, const StringList& second);

std::int32_t sharedCapsWordPoints(const CountedTexts& firstWords, const CountedTexts& secondWords);

std::int32_t sharedSymbolRunPoints(const CountedTexts& firstRuns, const CountedTexts& secondRuns);

std::int32_t unsharedSymbolRunPoints(const CountedTexts& firstRuns, std::int32_t firstWordCount,
    const CountedTexts& secondRuns, std::int32_t secondWordCount);

std::int32_t loneSymbolPoints(std::string_view firstText, std::string_view secondText, std::int32_t firstWordCount,
    std::int32_t secondWordCount);

std::int32_t compareRepeatedMarks(const CountedTexts& firstRuns, const CountedTexts& secondRuns);

// The presence rules that read the texts themselves.
std::int32_t ampersandPoints(std::string_view firstText, std::string_view secondText);
std::int32_t plainCharsetPoints(std::string_view firstText, std::string_view secondText);

} // namespace quendry::reference
