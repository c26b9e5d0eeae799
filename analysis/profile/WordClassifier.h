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

// Sorts each word token of a text into a name, a dictionary word or an unrecognised word.
class WordClassifier {
public:
    // The names are the name list joined with CR LF, trimmed; the emoticons are the emoticon
    // list, whose items never count as unknown words.
    WordClassifier(const Dictionary& dictionary, const Dictionary& names, const StringList& emoticons);

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
    struct RecentWord {
        PackedWord word;
        Kind kind = Kind::Unrecognised;
        bool known = false;
    };
    Kind kindOf(std::string_view upperToken) const;
    bool isName(std::string_view upperToken) const;
    bool isDictionaryWord(std::string_view upperToken) const;
    void forgetUnknownWord(std::string_view upperWord);
    void countCapsWord(std::string_view token);

    using WordSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

    const Dictionary& m_dictionary;
    const Dictionary& m_names;
    WordSet m_upperEmoticons;
    // The lists, and indexes into them for lookups in constant time; they change only together.
    // A forgotten unknown word stays in its list as an empty entry until the list is read.
    mutable WordLists m_lists;
    mutable WordIndex m_unknownWordIndex;
    mutable bool m_unknownWordsBlanked = false;
    WordIndex m_capsWordIndex;
    mutable std::vector<RecentWord> m_recentWords = std::vector<RecentWord>(4096);
};

} // namespace quendry
