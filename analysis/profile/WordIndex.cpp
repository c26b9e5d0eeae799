#include "analysis/profile/WordIndex.h"

namespace quendry {

std::size_t WordIndex::slotFor(std::string_view word) const
{
    return static_cast<std::size_t>((TextHash{}(word) * 0x9E3779B97F4A7C15ull) >> 32) & (m_slots.size() - 1);
}

template <typename List>
std::uint32_t WordIndex::findIn(const List& words, std::string_view word) const
{
    if (m_slots.empty())
        return none;
    for (std::size_t i = slotFor(word);; i = (i + 1) & (m_slots.size() - 1)) {
        const std::uint32_t position = m_slots[i];
        if (position == none)
            return none;
        if (position != removed && textOf(words[position]) == word)
            return position;
    }
}

template <typename List>
void WordIndex::grow(const List& words)
{
    // Removed slots are dropped on the way; the table doubles only when the words need it.
    std::size_t size = m_slots.empty() ? 16 : m_slots.size();
    while (4 * (m_size + 1) > 3 * size / 2)
        size *= 2;
    std::vector<std::uint32_t> old(size, none);
    old.swap(m_slots);
    m_used = m_size;
    for (const std::uint32_t position : old) {
        if (position == none || position == removed)
            continue;
        std::size_t i = slotFor(textOf(words[position]));
        while (m_slots[i] != none)
            i = (i + 1) & (m_slots.size() - 1);
        m_slots[i] = position;
    }
}

template <typename List>
void WordIndex::addFrom(const List& words, std::uint32_t position)
{
    // At most half the slots are in use, so that a look-up stops soon at a free one.
    if (2 * (m_used + 1) > m_slots.size())
        grow(words);
    std::size_t i = slotFor(textOf(words[position]));
    while (m_slots[i] != none)
        i = (i + 1) & (m_slots.size() - 1);
    m_slots[i] = position;
    ++m_size;
    ++m_used;
}

std::uint32_t WordIndex::find(const StringList& words, std::string_view word) const
{
    return findIn(words, word);
}

std::uint32_t WordIndex::find(const CountedTexts& words, std::string_view word) const
{
    return findIn(words, word);
}

void WordIndex::add(const StringList& words, std::uint32_t position)
{
    addFrom(words, position);
}

void WordIndex::add(const CountedTexts& words, std::uint32_t position)
{
    addFrom(words, position);
}

void WordIndex::remove(const StringList& words, std::uint32_t position)
{
    for (std::size_t i = slotFor(words[position]);; i = (i + 1) & (m_slots.size() - 1)) {
        if (m_slots[i] == none)
            return;
        if (m_slots[i] == position) {
            m_slots[i] = removed;
            --m_size;
            return;
        }
    }
}

void WordIndex::rebuild(const StringList& words)
{
    clear();
    for (std::size_t position = 0; position < words.size(); ++position)
        add(words, static_cast<std::uint32_t>(position));
}

void WordIndex::clear()
{
    m_slots.clear();
    m_size = 0;
    m_used = 0;
}

} // namespace quendry
