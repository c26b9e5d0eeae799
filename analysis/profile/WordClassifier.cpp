#include "analysis/profile/WordClassifier.h"

#include <algorithm>
#include <array>

namespace quendry {
namespace {

// Emoticon words that writers glue to ordinary words ("coffeebreak"). They are taken out of a
// token in this order, and the order matters: taking one entry out can join the pieces of
// another, which only an entry further on then finds. The repeats belong to the sequence.
constexpr std::array<std::string_view, 100> gluedEmoticonWords{
    "ok", "applause", "boing", "brr", "cdouble", "cuddle", "cry", "drool", "eureka", "flyhi",
    "footinmouth", "goodluck", "hug", "kiss", "nahnah", "puff", "rofl", "run", "smooch", "somersault",
    "tickle", "whistle", "yawn", "zzz", "ant", "bat", "cat", "blackcat", "tit", "bunny",
    "bluebutterfly", "orangebutterfly", "chick", "dragon", "fish", "hsif", "orangefish", "orangefish",
    "bluefish", "schooloffish", "mouse", "esuom", "panda", "peacedove", "shark", "sheep", "spider",
    "alienfrown", "aliensmile", "earth", "mars", "martiansmile", "martianfrown", "moon", "fullmoon",
    "crescentmoon", "planet", "rainbow", "rocket", "star", "ufo", "ale", "bubbly", "cappuccino",
    "cider", "coffee", "drunk", "empty", "hangover", "milk", "redwine", "stiffdrink", "stout",
    //
    "alienfrown", "aliensmile", "earth", "mars", "martiansmile", "martianfrown", "moon", "fullmoon",
    "crescentmoon", "planet", "rainbow", "rocket", "star", "ufo", "ale", "bubbly", "cappuccino",
    "cider", "coffee", "drunk", "empty", "hangover", "milk", "oj", "redwine", "stiffdrink", "stout"};
static_assert(!gluedEmoticonWords.back().empty(), "every one of the 100 entries is given");

// The letters A-Z a text holds, one bit each.
constexpr std::uint32_t lettersIn(std::string_view text)
{
    std::uint32_t letters = 0;
    for (const char c : text)
        if (c >= 'A' && c <= 'Z')
            letters |= 1u << (c - 'A');
    return letters;
}

// An entry of the sequence in upper case, with the letters it needs.
struct GluedEmoticonWord {
    std::array<char, 16> characters{};
    std::size_t length = 0;
    std::uint32_t letters = 0;

    constexpr std::string_view upper() const { return {characters.data(), length}; }
};

// Prepared at build time.
constexpr std::array<GluedEmoticonWord, gluedEmoticonWords.size()> upperGluedEmoticonWords = [] {
    std::array<GluedEmoticonWord, gluedEmoticonWords.size()> result{};
    for (std::size_t i = 0; i < gluedEmoticonWords.size(); ++i) {
        const std::string_view word = gluedEmoticonWords[i];
        if (word.size() > result[i].characters.size())
            throw "an entry is longer than its buffer"; // stops the build
        for (std::size_t k = 0; k < word.size(); ++k)
            result[i].characters[k] = toUpperAscii(word[k]);
        result[i].length = word.size();
        result[i].letters = lettersIn(result[i].upper());
    }
    return result;
}();

// Every occurrence, left to right, in one sweep: what the removal joins is not searched again
// for the same part (the next entry of the sequence does search it).
void removeEveryOccurrence(std::string& text, std::string_view part)
{
    std::size_t found = text.find(part);
    if (part.empty() || found == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    while (found != std::string::npos) {
        result.append(text, from, found - from);
        from = found + part.size();
        found = text.find(part, from);
    }
    result.append(text, from);
    text = std::move(result);
}

} // namespace

void EmoticonKeywords::add(std::string_view emoticon)
{
    if (!emoticon.empty() && std::all_of(emoticon.begin(), emoticon.end(), [](char c) { return isLetter(c) || c == '\''; }))
        m_words.insert(toUpperAscii(emoticon));
}

WordClassifier::WordClassifier(const Dictionary& dictionary, const Dictionary& names, const EmoticonKeywords& emoticons)
    : m_dictionary(dictionary)
    , m_names(names)
    , m_emoticons(emoticons)
{
}

void WordClassifier::clear()
{
    m_lists = {};
    m_unknownWordIndex.clear();
    m_unknownWordsBlanked = false;
    m_capsWordIndex.clear();
}

// A name may carry a plural or possessive ending (Johns, Janes, Mary's); each ending taken off
// stays off for the next test.
bool WordClassifier::isName(std::string_view upperToken) const
{
    std::string_view candidate = upperToken;
    if (m_names.contains(candidate))
        return true;
    if (candidate.ends_with('S')) {
        candidate.remove_suffix(1);
        if (m_names.contains(candidate))
            return true;
    }
    if (candidate.ends_with('E')) {
        candidate.remove_suffix(1);
        if (m_names.contains(candidate))
            return true;
    }
    if (candidate.size() > 1 && candidate.ends_with('\'')) {
        candidate.remove_suffix(1);
        if (m_names.contains(candidate))
            return true;
    }
    return false;
}

// The dictionary lists base forms. Common endings come off one after the other, each working on
// what the earlier ones left: played is found as PLAY (D, then E), goes as GO (S, then E) and
// dog's as DOG (S, then the apostrophe). Only studies-like plurals are tried aside, as STUDY.
bool WordClassifier::isDictionaryWord(std::string_view upperToken) const
{
    std::string_view candidate = upperToken;
    if (m_dictionary.contains(candidate))
        return true;
    if (upperToken.ends_with("IES")) {
        std::string singular(upperToken.substr(0, upperToken.size() - 3));
        singular.push_back('Y');
        if (m_dictionary.contains(singular))
            return true;
    }
    if (candidate.ends_with('S')) {
        candidate.remove_suffix(1);
        if (m_dictionary.contains(candidate))
            return true;
    }
    if (candidate.size() > 1 && (candidate.ends_with('\'') || code(candidate.back()) == 146)) {
        candidate.remove_suffix(1);
        if (m_dictionary.contains(candidate))
            return true;
    }
    if (candidate.ends_with('E')) {
        candidate.remove_suffix(1);
        if (m_dictionary.contains(candidate))
            return true;
    }
    if (candidate.size() > 3 && candidate.ends_with("ING")) {
        candidate.remove_suffix(3);
        if (m_dictionary.contains(candidate))
            return true;
    }
    if (candidate.size() > 1 && candidate.ends_with('D')) {
        candidate.remove_suffix(1);
        if (m_dictionary.contains(candidate))
            return true;
    }
    if (candidate.size() > 1 && candidate.ends_with('E')) {
        candidate.remove_suffix(1);
        if (m_dictionary.contains(candidate))
            return true;
    }

    // Emoticon words glued to a word: what is left once they are all taken out must be a word.
    // A token made only of them leaves the empty candidate, found only where the dictionary
    // has "##". Taking parts out never brings in a letter, so a part with a letter the token
    // lacks is never found.
    std::string remainder(upperToken);
    const std::uint32_t tokenLetters = lettersIn(upperToken);
    for (const GluedEmoticonWord& emoticonWord : upperGluedEmoticonWords)
        if ((emoticonWord.letters & ~tokenLetters) == 0)
            removeEveryOccurrence(remainder, emoticonWord.upper());
    return m_dictionary.contains(remainder);
}

// A name's previous word leaves the list of unknown words. Its entry is blanked and the list
// closed up once, when it is read: taking entries out one at a time would move the rest of a
// long list each time.
// A name's previous word leaves the list of unknown words. Its entry is blanked and the list
// closed up once, when it is read: taking entries out one at a time would move the rest of a
// long list each time.
void WordClassifier::forgetUnknownWord(std::string_view upperWord)
{
    const std::uint32_t position = m_unknownWordIndex.find(m_lists.unknownWords, upperWord);
    if (position == WordIndex::none)
        return;
    m_unknownWordIndex.remove(m_lists.unknownWords, position);
    m_lists.unknownWords[position].clear();
    m_unknownWordsBlanked = true;
}

const WordLists& WordClassifier::lists() const
{
    if (m_unknownWordsBlanked) {
        std::erase(m_lists.unknownWords, std::string());
        m_unknownWordIndex.rebuild(m_lists.unknownWords);
        m_unknownWordsBlanked = false;
    }
    return m_lists;
}

WordLists WordClassifier::takeLists()
{
    lists();
    WordLists taken = std::move(m_lists);
    clear();
    return taken;
}

void WordClassifier::countCapsWord(std::string_view token)
{
    const std::uint32_t position = m_capsWordIndex.find(m_lists.capsWords, token);
    if (position != WordIndex::none) {
        ++m_lists.capsWords[position].count;
        return;
    }
    m_lists.capsWords.push_back({std::string(token), 1});
    m_capsWordIndex.add(m_lists.capsWords, static_cast<std::uint32_t>(m_lists.capsWords.size() - 1));
}

// A word's kind depends on the word alone, and ordinary text uses a few thousand distinct words for
// hundreds of thousands of tokens: each distinct word is classified once and its kind kept.
WordClassifier::Kind WordClassifier::kindOf(std::string_view upperToken, const PackedWord& word) const
{
    const auto classified = [&] {
        if (!upperToken.empty() && isName(upperToken))
            return Kind::Name;
        return isDictionaryWord(upperToken) ? Kind::DictionaryWord : Kind::Unrecognised;
    };
    if (upperToken.size() > PackedWord::capacity)
        return classified();
    const std::size_t mask = m_knownWords.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(word.hash() >> 32) & mask;; i = (i + 1) & mask) {
        KnownWord& known = m_knownWords[i];
        if (known.holds(word))
            return known.kind();
        if (known.entry == KnownWord::unused) {
            const Kind kind = classified();
            // A text of very many distinct words (a list of codes, say) would grow the table far
            // beyond the caches for words that come once: the table stops growing at a size that
            // holds the vocabulary of a long novel, and later new words are classified each time.
            if (m_knownWordCount * 2 >= mostKnownWordSlots)
                return kind;
            known = KnownWord::of(word, kind);
            if (++m_knownWordCount * 2 > m_knownWords.size() && m_knownWords.size() < mostKnownWordSlots)
                growKnownWords();
            return kind;
        }
    }
}

void WordClassifier::growKnownWords() const
{
    std::vector<KnownWord> old(2 * m_knownWords.size());
    old.swap(m_knownWords);
    const std::size_t mask = m_knownWords.size() - 1;
    for (const KnownWord& known : old) {
        if (known.entry == KnownWord::unused)
            continue;
        std::size_t i = static_cast<std::size_t>(known.word().hash() >> 32) & mask;
        while (m_knownWords[i].entry != KnownWord::unused)
            i = (i + 1) & mask;
        m_knownWords[i] = known;
    }
}

void WordClassifier::classify(std::string_view previous, std::string_view token, bool& skipNext)
{
    // Tokens are short: they are upper-cased on the stack in the same loop that looks for a
    // lowercase letter and packs the word in registers. (Packing it from the bytes just stored
    // would wait for the stores to reach memory.)
    char shortUpper[32];
    std::string longUpper;
    std::string_view upperToken;
    bool noLowercase = true;
    PackedWord packed;
    if (token.size() <= sizeof shortUpper) {
        for (std::size_t k = 0; k < token.size(); ++k) {
            noLowercase = noLowercase && code(token[k]) <= 90;
            const char upper = toUpperAscii(token[k]);
            shortUpper[k] = upper;
            if (k < PackedWord::capacity)
                packed.put(k, upper);
        }
        upperToken = std::string_view(shortUpper, token.size());
        packed.high |= std::uint64_t{token.size()} << 56;
    } else {
        noLowercase = std::none_of(token.begin(), token.end(), [](char c) { return code(c) > 90; });
        longUpper = toUpperAscii(token);
        upperToken = longUpper;
    }

    const Kind kind = kindOf(upperToken, packed);
    bool known = false;
    if (kind == Kind::Name) {
        // The word before a name is often part of it (a title, a first name), so it is not held
        // against the writer; the word after it is not classified at all.
        if (!m_unknownWordIndex.empty())
            forgetUnknownWord(toUpperAscii(previous));
        skipNext = true;
        known = true;
    }
    if (!known)
        known = kind == Kind::DictionaryWord;

    if (!known && !token.empty()) {
        const bool capitalised = token.front() >= 'A' && token.front() <= 'Z';
        // Emoticon keywords are never kept as unknown words. Each call leaves none in the list,
        // so only the word added here can be one.
        if (!capitalised && m_unknownWordIndex.find(m_lists.unknownWords, trimmed(upperToken)) == WordIndex::none
            && !m_emoticons.contains(upperToken)) {
            m_lists.unknownWords.emplace_back(upperToken);
            m_unknownWordIndex.add(m_lists.unknownWords, static_cast<std::uint32_t>(m_lists.unknownWords.size() - 1));
        }
        ++m_lists.unrecognisedWordCount;
    }

    // Names and dictionary words count as capital words too; apostrophes do not break one.
    if (token.size() >= 3 && noLowercase)
        countCapsWord(token);
}

} // namespace quendry
