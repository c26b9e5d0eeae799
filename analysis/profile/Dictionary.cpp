#include "analysis/profile/Dictionary.h"

#include "analysis/profile/Characters.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quendry {

Dictionary Dictionary::fromText(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    Dictionary dictionary;
    dictionary.m_text = toUpperAscii(text);
    const std::string_view upper = dictionary.m_text;
    std::vector<std::string_view> stretches;
    std::size_t start = upper.find('#');
    while (start != std::string::npos) {
        const std::size_t end = upper.find('#', start + 1);
        if (end == std::string::npos)
            break;
        stretches.push_back(upper.substr(start + 1, end - start - 1));
        start = end;
    }
    dictionary.resize(stretches.size());
    for (const std::string_view stretch : stretches)
        dictionary.insert(stretch);
    // A word list holds each word once, but every separator between two words is a stretch too:
    // the table shrinks to what the distinct words need.
    dictionary.resize(dictionary.m_wordCount - dictionary.m_longWords.size());
    return dictionary;
}

// Gives the table room for that many short words, at most three in five of its slots in use: a
// look-up then mostly stays within one cache line.
void Dictionary::resize(std::size_t shortWords)
{
    std::size_t slots = 16;
    while (3 * slots < 5 * shortWords)
        slots *= 2;
    if (slots == m_slots.size())
        return;
    std::vector<Slot> old(slots, Slot{});
    old.swap(m_slots);
    m_slotMask = slots - 1;
    m_wordCount = m_longWords.size();
    for (const Slot& slot : old) {
        if (slot.high == Slot::unused)
            continue;
        insert(wordIn(slot));
    }
}

Dictionary::Slot Dictionary::slotFor(std::string_view shortWord)
{
    Slot slot{0, std::uint64_t{shortWord.size()} << 56};
    for (std::size_t k = 0; k < shortWord.size(); ++k) {
        if (k < 8)
            slot.low |= std::uint64_t{code(shortWord[k])} << (8 * k);
        else
            slot.high |= std::uint64_t{code(shortWord[k])} << (8 * (k - 8));
    }
    return slot;
}

std::string Dictionary::wordIn(const Slot& slot)
{
    std::string word(static_cast<std::size_t>(slot.high >> 56), '\0');
    for (std::size_t k = 0; k < word.size(); ++k)
        word[k] = static_cast<char>(k < 8 ? slot.low >> (8 * k) : slot.high >> (8 * (k - 8)));
    return word;
}

std::size_t Dictionary::slotIndex(std::uint64_t hash) const
{
    // The high bits of the product mix every bit of the hash.
    return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> 32) & m_slotMask;
}

void Dictionary::insert(std::string_view word)
{
    if (word.size() > Slot::capacity) {
        m_wordCount += m_longWords.emplace(word).second ? 1 : 0;
        return;
    }
    const Slot key = slotFor(word);
    for (std::size_t i = slotIndex(TextHash{}(word));; i = (i + 1) & m_slotMask) {
        if (m_slots[i] == key)
            return;
        if (m_slots[i].high == Slot::unused) {
            m_slots[i] = key;
            ++m_wordCount;
            return;
        }
    }
}

Dictionary Dictionary::fromStream(std::istream& input)
{
    std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    return fromText(text);
}

Dictionary Dictionary::fromFile(const std::filesystem::path& path)
{
    std::ifstream input(path, std::ios::binary);
    if (!input)
        return {};
    return fromStream(input);
}

bool Dictionary::contains(std::string_view candidate) const
{
    if (candidate.size() <= Slot::capacity) {
        // One pass over the word hashes it, lays it out as a slot (in registers), and looks
        // for '#'.
        Slot key{0, std::uint64_t{candidate.size()} << 56};
        std::uint64_t hash = TextHash::offsetBasis;
        bool framed = false;
        for (std::size_t k = 0; k < candidate.size(); ++k) {
            const char c = candidate[k];
            if (k < 8)
                key.low |= std::uint64_t{code(c)} << (8 * k);
            else
                key.high |= std::uint64_t{code(c)} << (8 * (k - 8));
            hash = TextHash::step(hash, c);
            framed = framed || c == '#';
        }
        if (!framed) {
            if (m_slots.empty())
                return false;
            for (std::size_t i = slotIndex(hash);; i = (i + 1) & m_slotMask) {
                if (m_slots[i] == key)
                    return true;
                if (m_slots[i].high == Slot::unused)
                    return false;
            }
        }
    } else if (candidate.find('#') == std::string_view::npos) {
        return m_longWords.find(candidate) != m_longWords.end();
    }
    std::string framed;
    framed.reserve(candidate.size() + 2);
    framed.append(1, '#').append(candidate).append(1, '#');
    return m_text.find(framed) != std::string::npos;
}

} // namespace quendry
