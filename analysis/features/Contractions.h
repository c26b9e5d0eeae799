#pragma once

#include "analysis/profile/Characters.h"
#include "analysis/run/ComparisonResult.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// One row of the contraction table: a contracted form and a full form it stands for.
struct ContractionPair {
    std::string_view contracted;
    std::string_view full;
};

inline constexpr std::size_t contractionPairCount = 44;

// The rows in the order they are evaluated. Some forms appear in several rows ("i'd" stands for
// "i had", "I should" and "I would"); every row counts on its own.
const std::array<ContractionPair, contractionPairCount>& contractionPairs();

// What the pass over all rows found in the two texts.
struct ContractionTally {
    bool formsAbsent = true;       // no form of any row in either text
    bool firstFormsAbsent = true;  // no form of any row in the first text
    bool secondFormsAbsent = true;
    std::int32_t firstFormsFound = 0;  // row forms (contracted and full counted apart) seen at least once
    std::int32_t secondFormsFound = 0;
    std::int32_t firstFormTotal = 0;   // occurrences of all row forms
    std::int32_t secondFormTotal = 0;
    double crossStep = terms::named("contractionPoints").penalty; // the size of the next crossing penalty
    double crossingPoints = 0.0;   // the crossing penalties so far
};

// The forms of the table as sequences of words, prepared once: each distinct word of a form has an
// id, each distinct form a slot. Words are found packed in a small table probed linearly: no
// form's word is longer than a packed word holds. The table depends on nothing but the rows above,
// so the program carries it prepared (builtIn()); the constructor builds it from the rows.
class ContractionFormTable {
public:
    static constexpr std::size_t mostWords = 4; // per form
    static constexpr std::size_t wordSlotCount = 256; // powers of two
    static constexpr std::size_t formSlotCount = 256;

    struct WordSlot {
        PackedWord key;
        std::int32_t id = -1; // -1: unused
        bool operator==(const WordSlot&) const = default;
    };
    struct FormSlot {
        std::uint64_t sequence = 0; // the word ids read back from the latest word; 0: unused
        std::int32_t form = -1;
        bool operator==(const FormSlot&) const = default;
    };
    // Everything the table holds, as plain data that can be compiled into the program.
    struct Tables {
        std::size_t formCount = 0;
        // The slots of each row's contracted and full form.
        std::array<std::array<std::uint8_t, 2>, contractionPairCount> rowSlots{};
        std::array<WordSlot, wordSlotCount> words{};
        // The forms by their sequence of word ids, probed linearly.
        std::array<FormSlot, formSlotCount> forms{};
        // For each length, the first letters of the forms' words.
        std::array<std::uint32_t, PackedWord::capacity + 1> firstLetters{};
        bool otherFirst = false; // some word of a form starts with an apostrophe
        bool operator==(const Tables&) const = default;
    };

    ContractionFormTable();
    explicit constexpr ContractionFormTable(const Tables& tables)
        : m_tables(tables)
    {
    }
    // The table prepared when the program was built, the same as the constructor builds.
    static const ContractionFormTable& builtIn();

    std::size_t formCount() const { return m_tables.formCount; }
    const std::array<std::array<std::uint8_t, 2>, contractionPairCount>& rowSlots() const { return m_tables.rowSlots; }
    const Tables& tables() const { return m_tables; }

    // Most words of a text are in no form; a word's length and first letter (any case) rule out
    // nearly all of those before any look-up.
    bool mayBeWordOfAForm(std::string_view word) const;
    // The id of a word (upper case, at most PackedWord::capacity characters), or -1.
    std::int32_t idOf(std::string_view upperWord) const;
    // The slot of the form made of the last `length` words, the latest first, or -1.
    std::int32_t formEndingWith(const std::array<std::int32_t, mostWords>& recent, std::size_t length) const;

private:
    static std::size_t wordIndexOf(const PackedWord& key)
    {
        return static_cast<std::size_t>(key.hash() >> 40) & (wordSlotCount - 1);
    }
    static std::size_t formIndexOf(std::uint64_t sequence)
    {
        return static_cast<std::size_t>((sequence * 0x9E3779B97F4A7C15ull) >> 56) & (formSlotCount - 1);
    }

    Tables m_tables;
};

// How often a text uses the contracted and the full form of each row of the table.
class ContractionForms {
public:
    // The counts of row `row`: the contracted form's, then the full form's.
    const std::array<std::int32_t, 2>& row(std::size_t row) const { return m_rows[row]; }
    // How often the form (any case) occurs; 0 for a form not in the table.
    std::int32_t of(std::string_view form) const;

    bool operator==(const ContractionForms&) const = default;

private:
    friend class ContractionCounter;
    std::array<std::array<std::int32_t, 2>, contractionPairCount> m_rows{};
};

// Counts the forms of the table in a text. The forms are looked for word by word: a text's words
// are its runs of letters and apostrophes (any case), line feeds deleted and everything else
// separating them, and a form stands where its words follow one another. Neighbouring occurrences
// may share a word boundary, so "it's it's" holds "it's" twice.
class ContractionCounter {
public:
    explicit ContractionCounter(const ContractionFormTable& table);

    // The next word of a text, as written.
    void addWord(std::string_view word);
    ContractionForms forms() const;

private:
    const ContractionFormTable& m_table;
    std::vector<std::int32_t> m_counts; // by slot
    std::array<std::int32_t, ContractionFormTable::mostWords> m_recentWords; // ids of the last words, the latest first; -1: none
};

// Counts the forms in a text (quotes folded), walking its words.
ContractionForms countContractionForms(std::string_view text);

// Counts every row in both texts and adds a penalty for each row where one text uses only the
// contracted form and the other only the full form, each penalty half the previous one.
ContractionTally tallyContractions(const ContractionForms& first, const ContractionForms& second);
ContractionTally tallyContractions(std::string_view firstText, std::string_view secondText);

// The final rules over a tally; the word-token counts are those after 0 was raised to 1.
double contractionPoints(const ContractionTally& tally, std::int32_t firstWordTokenCount,
    std::int32_t secondWordTokenCount);

double contractionPoints(const ContractionForms& first, const ContractionForms& second,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount);

// Compares how the two texts use 44 contracted forms against their full forms ("don't" against
// "do not"). The word-token counts are those after the comparison step raised 0 to 1.
double contractionPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount);

} // namespace quendry
