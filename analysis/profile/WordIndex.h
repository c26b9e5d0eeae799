#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quendry {

// Where each word of a list of distinct words stands, found by hashing. The table holds only
// positions in the list, a few bytes per word, where a map keyed by the words would hold a copy of
// every word; the list itself is passed to each call. A list of counted words is indexed by the
// words' text.
class WordIndex {
public:
    static constexpr std::uint32_t none = UINT32_MAX;

    // The position of the word in `words`, or none.
    std::uint32_t find(const StringList& words, std::string_view word) const;
    std::uint32_t find(const CountedTexts& words, std::string_view word) const;
    // Indexes words[position], a word not indexed yet.
    void add(const StringList& words, std::uint32_t position);
    void add(const CountedTexts& words, std::uint32_t position);
    // Forgets the indexed word at that position.
    void remove(const StringList& words, std::uint32_t position);
    // Indexes every word of the list afresh.
    void rebuild(const StringList& words);
    void clear();
    bool empty() const { return m_size == 0; }

private:
    static constexpr std::uint32_t removed = UINT32_MAX - 1;
    std::size_t slotFor(std::string_view word) const;
    template <typename List>
    std::uint32_t findIn(const List& words, std::string_view word) const;
    template <typename List>
    void addFrom(const List& words, std::uint32_t position);
    template <typename List>
    void grow(const List& words);

    std::vector<std::uint32_t> m_slots; // positions, none or removed; a power of two long
    std::size_t m_size = 0;             // indexed words
    std::size_t m_used = 0;             // slots that are not none
};

} // namespace quendry
