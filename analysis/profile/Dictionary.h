#pragma once

#include "analysis/profile/Characters.h"

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quendry {

// A text in which every word is framed by '#'. A candidate is in it when the upper-cased text
// contains '#' + candidate + '#'. For a candidate without '#' that holds exactly when it is one of
// the stretches between two neighbouring '#'; those are kept in a set, which answers such lookups
// as the substring search would, the empty candidate included. A candidate with '#' inside can
// span several stretches, so it is searched for in the text itself.
class Dictionary {
public:
    Dictionary() = default;

    // The text is read up to its first NUL byte.
    static Dictionary fromText(std::string_view text);
    static Dictionary fromStream(std::istream& input);
    // A file that cannot be opened or read gives the empty dictionary.
    static Dictionary fromFile(const std::filesystem::path& path);

    // The candidate is upper-cased by the caller.
    bool contains(std::string_view candidate) const;
    bool empty() const { return m_words.empty(); }

private:
    std::unordered_set<std::string, TextHash, std::equal_to<>> m_words;
    std::string m_text; // upper-cased, up to the first NUL
};

} // namespace quendry
