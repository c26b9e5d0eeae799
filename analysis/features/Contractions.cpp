#include "analysis/features/Contractions.h"

#include "analysis/profile/Characters.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>
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

// Penalty for texts of which one never uses a row form while the other uses them V times as often.
double rateRatioPoints(double ratio)
{
    if (ratio >= 6)
        return -45;
    if (ratio >= 5.5)
        return -40;
    if (ratio >= 5)
        return -35;
    if (ratio >= 4.5)
        return -30;
    if (ratio >= 4)
        return -25;
    if (ratio >= 3.5)
        return -20;
    if (ratio >= 3)
        return -15;
    return 0;
}

} // namespace

const std::array<ContractionPair, contractionPairCount>& contractionPairs()
{
    return pairs;
}

std::string prepareContractionSearchText(std::string_view text)
{
    // What each byte becomes: a letter its capital, an apostrophe itself, anything else a space.
    // A line feed is deleted rather than turned into a space; in a CR LF text the carriage return
    // before it already separates the words.
    constexpr char deleted = '\0';
    static const auto replacement = [] {
        std::array<char, 256> table{};
        for (int c = 0; c < 256; ++c) {
            const char byte = static_cast<char>(c);
            table[static_cast<std::size_t>(c)] = isLetter(byte) || byte == '\'' ? toUpperAscii(byte) : ' ';
        }
        table['\n'] = deleted;
        return table;
    }();

    const std::string_view core = trimmed(text);
    std::string prepared(core.size() + 2, ' ');
    std::size_t length = 1; // the leading space
    bool endsWithSpace = true;
    for (const char c : core) {
        const char replaced = replacement[code(c)];
        if (replaced == deleted)
            continue;
        // Runs of other characters become one space.
        const bool space = replaced == ' ';
        prepared[length] = replaced;
        length += space && endsWithSpace ? 0 : 1;
        endsWithSpace = space;
    }
    prepared.resize(endsWithSpace ? length : length + 1);
    prepared.back() = ' ';
    return prepared;
}

std::int32_t countContractionForm(std::string_view preparedText, std::string_view form)
{
    const std::string pattern = ' ' + toUpperAscii(form) + ' ';
    std::int32_t count = 0;
    // Marking the framing space of the leftmost occurrence and searching again finds every
    // position where the pattern starts: the next search may begin right after that space.
    for (std::size_t found = preparedText.find(pattern); found != std::string_view::npos;
         found = preparedText.find(pattern, found + 1))
        ++count;
    return count;
}

namespace {

// A prepared text is words between single spaces, so a form stands at a position exactly when the
// words from there on equal the form's words. One walk over the words counts every form of the
// table, where a search per form would read the whole text 88 times.
class FormCounts {
public:
    FormCounts()
    {
        for (const ContractionPair& pair : pairs) {
            for (const std::string_view form : {pair.contracted, pair.full}) {
                const std::string upper = toUpperAscii(form);
                m_counts.emplace(upper, 0);
                std::size_t wordStart = 0;
                for (std::size_t space = upper.find(' '); space != std::string::npos; space = upper.find(' ', space + 1)) {
                    m_prefixes.insert(upper.substr(0, space));
                    mayBeWordOfAForm(upper.substr(wordStart, space - wordStart), true);
                    wordStart = space + 1;
                }
                mayBeWordOfAForm(upper.substr(wordStart), true);
            }
        }
    }

    void countIn(std::string_view prepared)
    {
        std::string key;
        for (std::size_t start = 0; start < prepared.size();) {
            std::size_t end = start;
            while (end < prepared.size() && prepared[end] != ' ')
                ++end;
            const std::string_view word = prepared.substr(start, end - start);
            start = end + 1;
            if (word.empty() || !mayBeWordOfAForm(word))
                continue;
            if (const auto found = m_counts.find(word); found != m_counts.end())
                ++found->second;
            if (!m_prefixes.count(word))
                continue;
            key.assign(word);
            for (std::size_t next = start; next < prepared.size();) {
                const std::size_t nextEnd = std::min(prepared.find(' ', next), prepared.size());
                const std::string_view nextWord = prepared.substr(next, nextEnd - next);
                next = nextEnd + 1;
                if (nextWord.empty())
                    continue;
                key += ' ';
                key += nextWord;
                if (const auto found = m_counts.find(key); found != m_counts.end())
                    ++found->second;
                if (!m_prefixes.count(key))
                    break;
            }
        }
    }

    std::int32_t of(std::string_view form) const { return m_counts.at(toUpperAscii(form)); }

private:
    // Most words of a text are in no form. Forms are short words: a word's length and first
    // letter rule out nearly all others before any look-up. With `add`, records the word.
    bool mayBeWordOfAForm(std::string_view word, bool add = false)
    {
        const auto first = static_cast<unsigned char>(word.front());
        if (word.size() >= m_firstLetters.size() || first < 'A' || first > 'Z')
            return add ? (m_anyWord = true) : m_anyWord;
        const std::uint32_t bit = 1u << (first - 'A');
        if (add)
            m_firstLetters[word.size()] |= bit;
        return (m_firstLetters[word.size()] & bit) != 0;
    }

    std::unordered_map<std::string, std::int32_t, TextHash, std::equal_to<>> m_counts;
    std::unordered_set<std::string, TextHash, std::equal_to<>> m_prefixes; // the first words of the forms with more than one
    std::array<std::uint32_t, 16> m_firstLetters{}; // for each length, the first letters of the forms' words
    bool m_anyWord = false; // some form's word is long or starts with an apostrophe
};

} // namespace

ContractionTally tallyContractions(std::string_view firstText, std::string_view secondText)
{
    FormCounts first;
    first.countIn(prepareContractionSearchText(firstText));
    FormCounts second;
    second.countIn(prepareContractionSearchText(secondText));
    ContractionTally tally;
    for (const ContractionPair& pair : pairs)
        updateForRow(tally, first.of(pair.contracted), first.of(pair.full), second.of(pair.contracted), second.of(pair.full));
    return tally;
}

double contractionPoints(const ContractionTally& tally, std::int32_t firstWordTokenCount,
    std::int32_t secondWordTokenCount)
{
    // Below 30 word tokens a text says too little about the habit.
    if (firstWordTokenCount < 30 || secondWordTokenCount < 30)
        return 0.0;
    if (tally.formsAbsent) {
        const std::int32_t shorter = std::min(firstWordTokenCount, secondWordTokenCount);
        if (shorter >= 55)
            return 35.0;
        if (shorter >= 45)
            return 25.0;
        return 15.0;
    }
    if (tally.firstFormsAbsent || tally.secondFormsAbsent) {
        if (tally.firstFormsFound < 4 && tally.secondFormsFound < 4)
            return 0.0;
        const double firstRate = tally.firstFormsAbsent ? firstWordTokenCount / 0.8
                                                        : static_cast<double>(firstWordTokenCount) / tally.firstFormTotal;
        const double secondRate = tally.secondFormsAbsent
            ? secondWordTokenCount / 0.8
            : static_cast<double>(secondWordTokenCount) / tally.secondFormTotal;
        return rateRatioPoints(std::max(firstRate, secondRate) / std::min(firstRate, secondRate));
    }
    return tally.crossingPoints;
}

double contractionPoints(std::string_view firstText, std::string_view secondText,
    std::int32_t firstWordTokenCount, std::int32_t secondWordTokenCount)
{
    return contractionPoints(tallyContractions(firstText, secondText), firstWordTokenCount, secondWordTokenCount);
}

} // namespace quendry
