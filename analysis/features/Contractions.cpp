#include "analysis/features/Contractions.h"

#include "analysis/profile/Characters.h"
#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace quendry {
namespace {

// The row forms as they are stored; matching ignores the case of ASCII letters, so "Gonna",
// "They'd" and "I should" match however the texts write them.
constexpr std::array<ContractionPair, contractionPairCount> pairs{{
    {"doesn't", "does not"},
    {"won't", "will not"},
    {"they'd", "they had"},
    {"who's", "who has"},
    {"it's", "it is"},
    {"we'll", "we shall"},
    {"let's", "let us"},
    {"that's", "that is"},
    {"we're", "we are"},
    {"can't", "cannot"},
    {"ain't", "am not"},
    {"you're", "you are"},
    {"don't", "do not"},
    {"i've", "i have"},
    {"aren't", "are not"},
    {"haven't", "have not"},
    {"you've", "you have"},
    {"i'll", "i shall"},
    {"i'm", "i am"},
    {"i'd", "i had"},
    {"Gonna", "going to"},
    {"we'll", "we will"},
    {"ain't", "is not"},
    {"ain't", "have not"},
    {"i'll", "i will"},
    {"you'll", "you will"},
    {"you'll", "you shall"},
    {"he'll", "he will"},
    {"i'd", "I should"},
    {"i'd", "I would"},
    {"you'd", "you would"},
    {"you'd", "you had"},
    {"he'd", "he would"},
    {"They'd", "they would"},
    {"hain't", "have not"},
    {"hain't", "has not"},
    {"hadn't", "had not"},
    {"hasn't", "has not"},
    {"wasn't", "was not"},
    {"they're", "they are"},
    {"they've", "they have"},
    {"isn't", "is not"},
    {"we've", "we have"},
    {"it'll", "it will"},
}};

// A crossing needs two of the four counts to be zero; with three or four forms present the row
// shows mixed use, not a contrast.
bool atMostOneCountIsZero(std::int32_t c1, std::int32_t f1, std::int32_t c2, std::int32_t f2)
{
    const int zeros = (c1 == 0) + (f1 == 0) + (c2 == 0) + (f2 == 0);
    return zeros <= 1;
}

void updateForRow(ContractionTally& tally, std::int32_t c1, std::int32_t f1, std::int32_t c2, std::int32_t f2)
{
    if (!atMostOneCountIsZero(c1, f1, c2, f2) && ((c1 > 0 && f2 > 0) || (f1 > 0 && c2 > 0))) {
        tally.crossingPoints += tally.crossStep;
        tally.crossStep /= 2;
    }
    if (c1 > 0 || f1 > 0 || c2 > 0 || f2 > 0)
        tally.formsAbsent = false;
    tally.firstFormsFound += (c1 > 0) + (f1 > 0);
    tally.secondFormsFound += (c2 > 0) + (f2 > 0);
    if (c1 > 0 || f1 > 0)
        tally.firstFormsAbsent = false;
    if (c2 > 0 || f2 > 0)
        tally.secondFormsAbsent = false;
    tally.firstFormTotal += c1 + f1;
    tally.secondFormTotal += c2 + f2;
}


} // namespace

const std::array<ContractionPair, contractionPairCount>& contractionPairs()
{
    return pairs;
}

ContractionFormTable::ContractionFormTable()
{
    std::vector<std::string> forms; // upper case, words separated by one space
    std::vector<std::string> words;
    const auto slotOfForm = [&](std::string_view form) {
        const std::string upper = toUpperAscii(form);
        const auto known = std::find(forms.begin(), forms.end(), upper);
        if (known != forms.end())
            return static_cast<std::uint8_t>(known - forms.begin());
        std::vector<std::int32_t> ids;
        for (std::size_t start = 0; start <= upper.size();) {
            const std::size_t end = std::min(upper.find(' ', start), upper.size());
            const std::string word = upper.substr(start, end - start);
            auto found = std::find(words.begin(), words.end(), word);
            if (found == words.end())
                found = words.insert(words.end(), word);
            ids.push_back(static_cast<std::int32_t>(found - words.begin()));
            start = end + 1;
        }
        // Read back from the latest word, as formEndingWith does.
        std::uint64_t sequence = ids.size();
        for (auto id = ids.rbegin(); id != ids.rend(); ++id)
            sequence = sequence * 256 + static_cast<std::uint64_t>(*id);
        std::size_t i = formIndexOf(sequence);
        while (m_tables.forms[i].form >= 0)
            i = (i + 1) & (formSlotCount - 1);
        m_tables.forms[i] = {sequence, static_cast<std::int32_t>(forms.size())};
        forms.push_back(upper);
        return static_cast<std::uint8_t>(forms.size() - 1);
    };
    for (std::size_t row = 0; row < pairs.size(); ++row) {
        m_tables.rowSlots[row][0] = slotOfForm(pairs[row].contracted);
        m_tables.rowSlots[row][1] = slotOfForm(pairs[row].full);
    }
    m_tables.formCount = forms.size();
    for (std::size_t id = 0; id < words.size(); ++id) {
        const std::string& word = words[id];
        const PackedWord key = PackedWord::of(word);
        std::size_t i = wordIndexOf(key);
        while (m_tables.words[i].id >= 0)
            i = (i + 1) & (wordSlotCount - 1);
        m_tables.words[i] = {key, static_cast<std::int32_t>(id)};
        const auto first = code(word.front());
        if (first < 'A' || first > 'Z')
            m_tables.otherFirst = true;
        else
            m_tables.firstLetters[word.size()] |= 1u << (first - 'A');
    }
}

bool ContractionFormTable::mayBeWordOfAForm(std::string_view word) const
{
    if (word.size() >= m_tables.firstLetters.size())
        return false;
    const auto first = code(toUpperAscii(word.front()));
    return first < 'A' || first > 'Z' ? m_tables.otherFirst
                                      : (m_tables.firstLetters[word.size()] & (1u << (first - 'A'))) != 0;
}

std::int32_t ContractionFormTable::idOf(std::string_view upperWord) const
{
    const PackedWord key = PackedWord::of(upperWord);
    for (std::size_t i = wordIndexOf(key);; i = (i + 1) & (wordSlotCount - 1)) {
        if (m_tables.words[i].id < 0)
            return -1;
        if (m_tables.words[i].key == key)
            return m_tables.words[i].id;
    }
}

std::int32_t ContractionFormTable::formEndingWith(const std::array<std::int32_t, mostWords>& recent, std::size_t length) const
{
    std::uint64_t sequence = length;
    for (std::size_t k = 0; k < length; ++k) {
        if (recent[k] < 0)
            return -1;
        sequence = sequence * 256 + static_cast<std::uint64_t>(recent[k]);
    }
    for (std::size_t i = formIndexOf(sequence);; i = (i + 1) & (formSlotCount - 1)) {
        const FormSlot& slot = m_tables.forms[i];
        if (slot.form < 0)
            return -1;
        if (slot.sequence == sequence)
            return slot.form;
    }
}

std::int32_t ContractionForms::of(std::string_view form) const
{
    const auto sameForm = [](std::string_view a, std::string_view b) {
        return a.size() == b.size()
            && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return toUpperAscii(x) == toUpperAscii(y); });
    };
    for (std::size_t row = 0; row < pairs.size(); ++row) {
        if (sameForm(pairs[row].contracted, form))
            return m_rows[row][0];
        if (sameForm(pairs[row].full, form))
            return m_rows[row][1];
    }
    return 0;
}

ContractionCounter::ContractionCounter(const ContractionFormTable& table)
    : m_table(table)
    , m_counts(table.formCount(), 0)
{
    m_recentWords.fill(-1);
}

void ContractionCounter::addWord(std::string_view word)
{
    std::int32_t id = -1;
    if (!word.empty() && m_table.mayBeWordOfAForm(word)) {
        char upper[PackedWord::capacity];
        std::transform(word.begin(), word.end(), upper, [](char c) { return toUpperAscii(c); });
        id = m_table.idOf(std::string_view(upper, word.size()));
    }
    // Four ids, moved one place by hand: a copy of twelve bytes would be a library call per token.
    static_assert(ContractionFormTable::mostWords == 4);
    m_recentWords[3] = m_recentWords[2];
    m_recentWords[2] = m_recentWords[1];
    m_recentWords[1] = m_recentWords[0];
    m_recentWords[0] = id;
    if (id < 0)
        return;
    for (std::size_t length = 1; length <= ContractionFormTable::mostWords && m_recentWords[length - 1] >= 0; ++length)
        if (const std::int32_t slot = m_table.formEndingWith(m_recentWords, length); slot >= 0)
            ++m_counts[static_cast<std::size_t>(slot)];
}

ContractionForms ContractionCounter::forms() const
{
    ContractionForms forms;
    for (std::size_t row = 0; row < contractionPairCount; ++row)
        for (std::size_t side = 0; side < 2; ++side)
            forms.m_rows[row][side] = m_counts[m_table.rowSlots()[row][side]];
    return forms;
}

ContractionForms countContractionForms(std::string_view text)
{
    const ContractionFormTable table;
    ContractionCounter forms(table);
    std::string word;
    for (const char c : text) {
        // A line feed is deleted rather than taken as a separator; in a CR LF text the carriage
        // return before it already separates the words.
        if (c == '\n')
            continue;
        if (isLetter(c) || c == '\'') {
            word += c;
        } else if (!word.empty()) {
            forms.addWord(word);
            word.clear();
        }
    }
    if (!word.empty())
        forms.addWord(word);
    return forms.forms();
}

ContractionTally tallyContractions(const ContractionForms& first, const ContractionForms& second)
{
    ContractionTally tally;
    for (std::size_t row = 0; row < contractionPairCount; ++row)
        updateForRow(tally, first.row(row)[0], first.row(row)[1], second.row(row)[0], second.row(row)[1]);
    return tally;
}

ContractionTally tallyContractions(std::string_view firstText, std::string_view secondText)
{
    return tallyContractions(countContractionForms(firstText), countContractionForms(secondText));
}

double contractionPoints(const ContractionTally& tally, std::int32_t firstWordTokenCount,
    std::int32_t secondWordTokenCount)
{
    constexpr const TermInfo& term = terms::named("contractionPoints");
    // Below 30 word tokens a text says too little about the habit.
    if (firstWordTokenCount < 30 || secondWordTokenCount < 30)
        return 0.0;
    if (tally.formsAbsent)
        return term.rewardBands.pointsFor(std::min(firstWordTokenCount, secondWordTokenCount));
    if (tally.firstFormsAbsent || tally.secondFormsAbsent) {
        if (tally.firstFormsFound < 4 && tally.secondFormsFound < 4)
            return 0.0;
        const double firstRate = tally.firstFormsAbsent ? firstWordTokenCount / 0.8
                                                        : static_cast<double>(firstWordTokenCount) / tally.firstFormTotal;
        const double secondRate = tally.secondFormsAbsent
            ? secondWordTokenCount / 0.8
            : static_cast<double>(secondWordTokenCount) / tally.secondFormTotal;
        // One text never uses a row's forms while the other uses them that many times as often.
        return term.bands.pointsFor(std::max(firstRate, secondRate) / std::min(firstRate, secondRate));
    }
    return tally.crossingPoints;
}

double contractionPoints(const ContractionForms& first, const ContractionForms& second,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount)
{
    return contractionPoints(tallyContractions(first, second), firstWordTokenCount, secondWordTokenCount);
}

double contractionPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount)
{
    return contractionPoints(tallyContractions(firstText, secondText), firstWordTokenCount, secondWordTokenCount);
}

} // namespace quendry
