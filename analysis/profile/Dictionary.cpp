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
    std::vector<PackedWord> old(slots, unused);
    old.swap(m_slots);
    m_slotMask = slots - 1;
    m_wordCount = m_longWords.size();
    for (const PackedWord& slot : old)
        if (slot != unused)
            insert(slot.unpacked());
}

std::size_t Dictionary::slotIndex(const PackedWord& word) const
{
    return static_cast<std::size_t>(word.hash() >> 32) & m_slotMask;
}

void Dictionary::insert(std::string_view word)
{
    if (word.size() > PackedWord::capacity) {
        m_wordCount += m_longWords.emplace(word).second ? 1 : 0;
        return;
    }
    const PackedWord key = PackedWord::of(word);
    for (std::size_t i = slotIndex(key);; i = (i + 1) & m_slotMask) {
        if (m_slots[i] == key)
            return;
        if (m_slots[i] == unused) {
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
    // Words are short: a loop is cheaper here than a call to the library's search.
    if (std::find(candidate.begin(), candidate.end(), '#') == candidate.end()) {
        if (candidate.size() > PackedWord::capacity)
            return m_longWords.find(candidate) != m_longWords.end();
        if (m_slots.empty())
            return false;
        const PackedWord key = PackedWord::of(candidate);
        for (std::size_t i = slotIndex(key);; i = (i + 1) & m_slotMask) {
            if (m_slots[i] == key)
                return true;
            if (m_slots[i] == unused)
                return false;
        }
    }
    std::string framed;
    framed.reserve(candidate.size() + 2);
    framed.append(1, '#').append(candidate).append(1, '#');
    return m_text.find(framed) != std::string::npos;
}

} // namespace quendry
