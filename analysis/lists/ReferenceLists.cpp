#include "analysis/lists/ReferenceLists.h"

#include "analysis/lists/StoredLists.h"

#include <algorithm>

namespace quendry {

namespace {

StringList toList(std::span<const std::string_view> items)
{
    return StringList(items.begin(), items.end());
}

// Splits at CR LF, a lone CR or a lone LF; text without line breaks is one item, empty text none.
StringList splitLines(std::string_view text)
{
    StringList lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

StringList prepareList(const StringList& stored)
{
    std::string text;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += stored[i];
    }

    StringList items = splitLines(trimmed(text));
    for (std::string& item : items)
        item = std::string(trimmed(item));
    std::erase_if(items, [](const std::string& item) { return item.empty(); });
    return items;
}

ReferenceLists builtInReferenceLists()
{
    return ReferenceLists{
        prepareList(toList(stored::emoticons())),
        prepareList(toList(stored::emoticonWords())),
        toList(stored::names()),
        prepareList(toList(stored::phrases())),
    };
}

} // namespace quendry
