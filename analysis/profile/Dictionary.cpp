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
    dictionary.m_text = toUpperAscii(text);
    const std::string& upper = dictionary.m_text;
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
    if (candidate.find('#') == std::string_view::npos)
        return m_words.find(candidate) != m_words.end();
    std::string framed;
    framed.reserve(candidate.size() + 2);
    framed.append(1, '#').append(candidate).append(1, '#');
    return m_text.find(framed) != std::string::npos;
}

} // namespace quendry
