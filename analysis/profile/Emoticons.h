#pragma once

#include "analysis/profile/Characters.h"
#include "analysis/profile/PatternMatcher.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quendry {

// What the emoticon pass searches for, prepared once from the emoticon list (all but "ok") and the
// emoticon words: each list's patterns in their order, and one automaton for each.
class EmoticonPatterns {
public:
    EmoticonPatterns(const StringList& emoticons, const StringList& emoticonWords);
    // Runs over patterns and automata prepared before, which must outlive this value (the
    // constant tables built into the program).
    EmoticonPatterns(const PatternSetTables& groups, const PatternSetTables& wordsAfterMarks);

    struct Set {
        std::span<const std::string_view> patterns;
        std::optional<PatternMatcher> matcher; // none for no patterns
    };
    const Set& groups() const { return m_groups; }
    const Set& wordsAfterMarks() const { return m_wordsAfterMarks; }

private:
    // The patterns the sets view, when this value prepared them itself.
    std::vector<std::string> m_texts;
    std::vector<std::string_view> m_views;
    Set m_groups;
    Set m_wordsAfterMarks;
};

// Counts the emoticons of a text and removes them from it, as below, with prepared patterns.
std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const EmoticonPatterns& patterns);

// Counts the emoticons of a text and removes them from it: the symbol groups of the emoticon list
// (all but "ok"), then the emoticon words written straight after a sentence mark. The count starts
// at the number of "ok" words the normaliser removed.
std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords);

} // namespace quendry
