#pragma once

#include "analysis/profile/Characters.h"
#include "analysis/profile/Dictionary.h"
#include "analysis/profile/WordIndex.h"

#include <cstdint>
#include <string>
#include <unordered_set>

namespace quendry {

// What the classifier collects over one text's word tokens.
struct WordLists {
    std::int32_t unrecognisedWordCount = 0; // unrecognised tokens, repeats included
    StringList unknownWords;      // distinct unrecognised tokens not written with a capital first
    CountedTexts capsWords;       // tokens of three or more characters without lowercase, first seen first
};

using WordSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

// The items of the emoticon list that a word token can be ("rofl", "zzz"), upper-cased; they
// never count as unknown words. A token holds only letters and apostrophes, so the other items
// (":-)") are left out. Prepared once with the lists.
class EmoticonKeywords {
public:
    EmoticonKeywords() = default;
    template <typename Emoticons>
    explicit EmoticonKeywords(const Emoticons& emoticons)
    {
        for (const auto& emoticon : emoticons)
            add(emoticon);
    }

    bool contains(std::string_view upperToken) const { return m_words.contains(upperToken); }

private:
    void add(std::string_view emoticon);

    WordSet m_words;
};

// Sorts each word token of a text into a name, a dictionary word or an unrecognised word.
class WordClassifier {
public:
    // The names are the name list joined with CR LF, trimmed. The classifier keeps references to
    // all three, which must outlive it.
    WordClassifier(const Dictionary& dictionary, const Dictionary& names, const EmoticonKeywords& emoticons);
    WordClassifier(const Dictionary&, const Dictionary&, EmoticonKeywords&&) = delete;

    // Classifies one token (letters and apostrophes, none at either end, possibly empty); the
    // previous token is the one before it. Sets skipNext when the token is a name, so that the
    // caller leaves the next token unclassified.
    void classify(std::string_view previous, std::string_view token, bool& skipNext);

    const WordLists& lists() const;
    // The lists, moved out; the classifier starts afresh.
    WordLists takeLists();
    void clear();

private:
    enum class Kind : std::uint8_t { Name, DictionaryWord, Unrecognised };
    // A packed word with its kind in the top bits of its length byte, which a length of at most
    // 15 leaves free; sixteen bytes, so that the table stays small.
    struct KnownWord {
        static constexpr std::uint64_t kindShift = 62;
        static constexpr std::uint64_t kindBits = std::uint64_t{3} << kindShift;
        static constexpr PackedWord unused{0, ~std::uint64_t{0}}; // no word is 255 characters long
        PackedWord entry = unused;

        bool holds(const PackedWord& word) const { return entry.low == word.low && (entry.high & ~kindBits) == word.high; }
        Kind kind() const { return static_cast<Kind>(entry.high >> kindShift); }
        PackedWord word() const { return {entry.low, entry.high & ~kindBits}; }
        static KnownWord of(const PackedWord& word, Kind kind)
        {
            return {{word.low, word.high | (static_cast<std::uint64_t>(kind) << kindShift)}};
        }
    };
    // The packed word is the token's when it fits.
    Kind kindOf(std::string_view upperToken, const PackedWord& packed) const;
    void growKnownWords() const;
    bool isName(std::string_view upperToken) const;
    bool isDictionaryWord(std::string_view upperToken) const;
    void forgetUnknownWord(std::string_view upperWord);
    void countCapsWord(std::string_view token);

    const Dictionary& m_dictionary;
    const Dictionary& m_names;
    const EmoticonKeywords& m_emoticons;
    // The lists, and indexes into them for lookups in constant time; they change only together.
    // A forgotten unknown word stays in its list as an empty entry until the list is read.
    mutable WordLists m_lists;
    mutable WordIndex m_unknownWordIndex;
    mutable bool m_unknownWordsBlanked = false;
    WordIndex m_capsWordIndex;
    // The kind of every word of up to PackedWord::capacity characters classified so far, in a flat
    // table probed linearly that doubles when half full; a power of two long.
    static constexpr std::size_t mostKnownWordSlots = 32768;
    mutable std::vector<KnownWord> m_knownWords = std::vector<KnownWord>(256);
    mutable std::size_t m_knownWordCount = 0;
};

} // namespace quendry
