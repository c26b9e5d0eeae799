#pragma once

#include "analysis/profile/PatternMatcher.h"
#include "analysis/run/TextProfile.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quendry {

// The phrase list prepared once: entries upper-cased, trimmed, line breaks made spaces and space
// runs halved once, empty entries dropped; and one automaton for all of them.
class PhrasePatterns {
public:
    explicit PhrasePatterns(const StringList& phrases);
    // Runs over entries and an automaton prepared before, which must outlive this value (the
    // constant tables built into the program).
    PhrasePatterns(const PatternSetTables& entries, bool entriesHaveSpacePairs);

    std::span<const std::string_view> entries() const { return m_entries; }
    const PatternMatcher* matcher() const { return m_matcher ? &*m_matcher : nullptr; }
    bool entriesHaveSpacePairs() const { return m_entriesHaveSpacePairs; }

private:
    std::vector<std::string> m_entryTexts; // what m_entries views, when this value prepared them
    std::vector<std::string_view> m_entryViews;
    std::span<const std::string_view> m_entries;
    std::optional<PatternMatcher> m_matcher; // none for no entries
    bool m_entriesHaveSpacePairs = false;
};

// How many entries of the phrase list a text (quotes folded, line breaks kept) uses, each at most once.
std::int32_t countPhrases(std::string_view text, const PhrasePatterns& phrases);
std::int32_t countPhrases(std::string_view text, const StringList& phrases);

// One item "WORD-WORD" for every unknown word that both texts use; sorted, without duplicates.
StringList findSharedUnknownWords(const StringList& firstUnknownWords, const StringList& secondUnknownWords);
// The same through the profiles' indexes, looking up the words of the shorter list.
StringList findSharedUnknownWords(const TextProfile& first, const TextProfile& second);

// 6 points per shared use of a word written in capitals.
std::int32_t sharedCapsWordPoints(const TextProfile& first, const TextProfile& second);

// 10 points for every shared run of full stops and closing parentheses, 25 for any other shared run.
std::int32_t sharedSymbolRunPoints(const TextProfile& first, const TextProfile& second);

} // namespace quendry
