#include "analysis/profile/Dictionary.h"

#include "analysis/profile/Characters.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quendry {

Dictionary Dictionary::fromText(std::string_view text)
{
    return fromOwnedText(std::string(text.substr(0, text.find('\0'))));
}

// One pass over the text, which becomes the dictionary's own: it is upper-cased in place, and each
// stretch between two '#' goes straight into the table. A word list holds each word once, but the
// line break between two framed words is a stretch too, so the table starts sized for half the
// stretches and grows should the words turn out more.
Dictionary Dictionary::fromOwnedText(std::string text)
{
    text.resize(std::min(text.size(), text.find('\0')));
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return toUpperAscii(c); });
    Dictionary dictionary;
    dictionary.m_text = std::move(text);
    const std::string_view upper = dictionary.m_text;
    const auto frames = static_cast<std::size_t>(std::count(upper.begin(), upper.end(), '#'));
    dictionary.resize(frames / 2);
    std::size_t start = upper.find('#');
    while (start != std::string::npos) {
        const std::size_t end = upper.find('#', start + 1);
        if (end == std::string::npos)
            break;
        dictionary.insert(upper.substr(start + 1, end - start - 1));
        start = end;
    }
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
    m_shortWordCount = 0;
    for (const PackedWord& slot : old)
        if (slot != unused)
            insertPacked(slot);
}

std::size_t Dictionary::slotIndex(const PackedWord& word) const
{
    return static_cast<std::size_t>(word.hash() >> 32) & m_slotMask;
}

void Dictionary::insert(std::string_view word)
{
    if (word.size() > PackedWord::capacity) {
        m_longWords.emplace(word);
        return;
    }
    if (3 * m_slots.size() < 5 * (m_shortWordCount + 1))
        resize(2 * (m_shortWordCount + 1));
    insertPacked(PackedWord::of(word));
}

void Dictionary::insertPacked(const PackedWord& key)
{
    for (std::size_t i = slotIndex(key);; i = (i + 1) & m_slotMask) {
        if (m_slots[i] == key)
            return;
        if (m_slots[i] == unused) {
            m_slots[i] = key;
            ++m_shortWordCount;
            return;
        }
    }
}

Dictionary Dictionary::fromStream(std::istream& input)
{
    std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    return fromOwnedText(std::move(text));
}

Dictionary Dictionary::fromFile(const std::filesystem::path& path)
{
    // Read in one piece: the file is large, and a stream read character by character would cost
    // more than parsing it.
    std::ifstream input(path, std::ios::binary | std::ios::ate);
    if (!input)
        return {};
    const std::streamoff size = input.tellg();
    if (size < 0)
        return fromStream(input);
    std::string text(static_cast<std::size_t>(size), '\0');
    input.seekg(0);
    if (!input.read(text.data(), size))
        return {};
    return fromOwnedText(std::move(text));
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
