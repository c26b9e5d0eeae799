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

// What a dictionary built from a text holds. Built once, then only read.
struct Dictionary::Storage {
    std::string text;
    std::vector<PackedWord> slots;
    std::size_t slotMask = 0;
    std::vector<std::string_view> longWords; // into `text`
    std::size_t shortWordCount = 0;

    std::size_t slotIndex(const PackedWord& word) const
    {
        return static_cast<std::size_t>(word.hash() >> 32) & slotMask;
    }

    // Gives the table room for that many short words, at most three in five of its slots in use:
    // a look-up then mostly stays within one cache line.
    void resize(std::size_t shortWords)
    {
        std::size_t count = 16;
        while (3 * count < 5 * shortWords)
            count *= 2;
        if (count == slots.size())
            return;
        std::vector<PackedWord> old(count, unusedSlot);
        old.swap(slots);
        slotMask = count - 1;
        shortWordCount = 0;
        for (const PackedWord& slot : old)
            if (slot != unusedSlot)
                insertPacked(slot);
    }

    void insert(std::string_view word)
    {
        if (word.size() > PackedWord::capacity) {
            longWords.push_back(word);
            return;
        }
        if (3 * slots.size() < 5 * (shortWordCount + 1))
            resize(2 * (shortWordCount + 1));
        insertPacked(PackedWord::of(word));
    }

    void insertPacked(const PackedWord& key)
    {
        for (std::size_t i = slotIndex(key);; i = (i + 1) & slotMask) {
            if (slots[i] == key)
                return;
            if (slots[i] == unusedSlot) {
                slots[i] = key;
                ++shortWordCount;
                return;
            }
        }
    }
};

// One pass over the text, which becomes the dictionary's own: it is upper-cased in place, and each
// stretch between two '#' goes straight into the table. A word list holds each word once, but the
// line break between two framed words is a stretch too, so the table starts sized for half the
// stretches and grows should the words turn out more.
Dictionary Dictionary::fromOwnedText(std::string text)
{
    text.resize(std::min(text.size(), text.find('\0')));
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return toUpperAscii(c); });
    auto storage = std::make_shared<Storage>();
    storage->text = std::move(text);
    const std::string_view upper = storage->text;
    const auto frames = static_cast<std::size_t>(std::count(upper.begin(), upper.end(), '#'));
    storage->resize(frames / 2);
    std::size_t start = upper.find('#');
    while (start != std::string::npos) {
        const std::size_t end = upper.find('#', start + 1);
        if (end == std::string::npos)
            break;
        storage->insert(upper.substr(start + 1, end - start - 1));
        start = end;
    }
    std::sort(storage->longWords.begin(), storage->longWords.end());
    storage->longWords.erase(std::unique(storage->longWords.begin(), storage->longWords.end()), storage->longWords.end());

    Dictionary dictionary;
    dictionary.m_tables = DictionaryTables{storage->slots, storage->longWords, storage->text, storage->shortWordCount};
    dictionary.m_storage = std::move(storage);
    return dictionary;
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
            return std::binary_search(m_tables.longWords.begin(), m_tables.longWords.end(), candidate);
        const std::span<const PackedWord> slots = m_tables.shortWords;
        if (slots.empty())
            return false;
        const std::size_t mask = slots.size() - 1;
        const PackedWord key = PackedWord::of(candidate);
        for (std::size_t i = static_cast<std::size_t>(key.hash() >> 32) & mask;; i = (i + 1) & mask) {
            if (slots[i] == key)
                return true;
            if (slots[i] == unusedSlot)
                return false;
        }
    }
    std::string framed;
    framed.reserve(candidate.size() + 2);
    framed.append(1, '#').append(candidate).append(1, '#');
    return m_tables.text.find(framed) != std::string_view::npos;
}

} // namespace quendry
