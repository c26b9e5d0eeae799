#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

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
    bool empty() const { return m_shortWordCount == 0 && m_longWords.empty(); }

private:
    // Classifying a text looks words up several hundred thousand times, mostly words of a few
    // letters, so the stretches live in one flat table probed linearly: a word of up to 15
    // characters is stored in its slot, and a look-up reads one or two cache lines. Longer
    // stretches are kept in a set of their own.
    // A slot holds a packed word, or `unused`: no word is 255 characters long.
    static constexpr PackedWord unused{0, ~std::uint64_t{0}};
    std::size_t slotIndex(const PackedWord& word) const;
    static Dictionary fromOwnedText(std::string text);
    void insert(std::string_view word);
    void insertPacked(const PackedWord& key);
    void resize(std::size_t shortWords);

    std::vector<PackedWord> m_slots;
    std::size_t m_slotMask = 0;
    std::unordered_set<std::string, TextHash, std::equal_to<>> m_longWords;
    std::size_t m_shortWordCount = 0; // words in m_slots
    std::string m_text; // upper-cased, up to the first NUL
};

} // namespace quendry
