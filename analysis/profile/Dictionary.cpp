#include "analysis/profile/Dictionary.h"

#include "analysis/profile/Characters.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace quendry {

Dictionary Dictionary::fromText(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    Dictionary dictionary;
    const std::string upper = toUpperAscii(text);
    std::size_t start = upper.find('#');
    while (start != std::string::npos) {
        const std::size_t end = upper.find('#', start + 1);
        if (end == std::string::npos)
            break;
        dictionary.m_words.emplace(upper.substr(start + 1, end - start - 1));
        start = end;
    }
    return dictionary;
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
    return m_words.find(candidate) != m_words.end();
}

} // namespace quendry
