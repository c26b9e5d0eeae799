#pragma once

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
    double crossStep = -20.0;      // the size of the next crossing penalty
    double crossingPoints = 0.0;   // the crossing penalties so far
};

// How often a text uses each form of the table. The forms are looked for word by word: a text's
// words are its runs of letters and apostrophes (any case), line feeds deleted and everything else
// separating them, and a form stands where its words follow one another. Neighbouring occurrences
// may share a word boundary, so "it's it's" holds "it's" twice.
class ContractionForms {
public:
    ContractionForms();

    // The next word of a text, as written.
    void addWord(std::string_view word);
    // How often the form (any case) occurs; 0 for a form not in the table.
    std::int32_t of(std::string_view form) const;

    // The count of each distinct form of the table, in the table's order of first appearance.
    const std::vector<std::int32_t>& counts() const { return m_counts; }

private:
    std::vector<std::int32_t> m_counts;
    std::array<std::int32_t, 4> m_recentWords; // ids of the last words, the latest first; -1: none
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
