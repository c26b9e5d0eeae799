#pragma once

#include "analysis/profile/Characters.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// A dictionary's tables, as views: into the storage of the dictionary that built them, or into
// constant data prepared when the program was built (the generated source writes them out).
struct DictionaryTables {
    // The short stretches, each packed into its slot; a power of two of slots, or none. A slot
    // that holds no stretch holds Dictionary::unusedSlot.
    std::span<const PackedWord> shortWords;
    std::span<const std::string_view> longWords; // the longer stretches: sorted, each once
    std::string_view text;                       // upper-cased, up to the first NUL
    std::size_t shortWordCount = 0;              // stretches in the slots
};

// A text in which every word is framed by '#'. A candidate is in it when the upper-cased text
// contains '#' + candidate + '#'. For a candidate without '#' that holds exactly when it is one of
// the stretches between two neighbouring '#'; those are kept in a table, which answers such
// lookups as the substring search would, the empty candidate included. A candidate with '#' inside
// can span several stretches, so it is searched for in the text itself.
//
// A dictionary never changes once built: copies share what it built.
class Dictionary {
public:
    // No slot holds a word 255 characters long.
    static constexpr PackedWord unusedSlot{0, ~std::uint64_t{0}};

    Dictionary() = default;
    // Looks words up in tables built before, which must outlive the dictionary: constant data
    // compiled into the program, or the tables() of a dictionary that is kept.
    explicit Dictionary(const DictionaryTables& tables)
        : m_tables(tables)
    {
    }

    // The text is read up to its first NUL byte.
    static Dictionary fromText(std::string_view text);
    static Dictionary fromStream(std::istream& input);
    // A file that cannot be opened or read gives the empty dictionary.
    static Dictionary fromFile(const std::filesystem::path& path);

    // The candidate is upper-cased by the caller.
    bool contains(std::string_view candidate) const;
    bool empty() const { return m_tables.shortWordCount == 0 && m_tables.longWords.empty(); }
    const DictionaryTables& tables() const { return m_tables; }

private:
    // Classifying a text looks words up several hundred thousand times, mostly words of a few
    // letters, so the stretches live in one flat table probed linearly: a word of up to 15
    // characters is stored in its slot, and a look-up reads one or two cache lines. Longer
    // stretches are few; they are kept sorted apart.
    struct Storage;
    static Dictionary fromOwnedText(std::string text);

    std::shared_ptr<const Storage> m_storage; // what m_tables views, when this dictionary built it
    DictionaryTables m_tables;
};

} // namespace quendry
