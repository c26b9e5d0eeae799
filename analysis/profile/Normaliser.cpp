#include "analysis/profile/Normaliser.h"

#include "analysis/profile/Characters.h"

#include <algorithm>

namespace quendry {
namespace {

// Each step below deletes what it matches and then looks again from the start of the text, until
// nothing more matches. Text in front of a deletion is unchanged, so the search may resume a few
// characters before the deletion: a match can only be new where its window touches the change.

std::size_t findCaseInsensitive(const std::string& text, std::string_view upperNeedle, std::size_t from)
{
    if (text.size() < upperNeedle.size())
        return std::string::npos;
    for (std::size_t i = from; i + upperNeedle.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < upperNeedle.size() && toUpperAscii(text[i + k]) == upperNeedle[k])
            ++k;
        if (k == upperNeedle.size())
            return i;
    }
    return std::string::npos;
}

std::size_t findSeparator(const std::string& text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i)
        if (isSeparator(text[i]))
            return i;
    return std::string::npos;
}

// An address runs from its "HTTP" or "WWW" through the first Separator after it.
void removeAddresses(std::string& text, std::string_view upperPrefix)
{
    std::size_t from = 0;
    for (;;) {
        const std::size_t start = findCaseInsensitive(text, upperPrefix, from);
        if (start == std::string::npos)
            return;
        const std::size_t separator = findSeparator(text, start);
        text.erase(start, separator == std::string::npos ? std::string::npos : separator - start + 1);
        from = start >= upperPrefix.size() - 1 ? start - (upperPrefix.size() - 1) : 0;
    }
}

// A mail token is the run of non-Separators around an "@"; it goes with the Separator before it.
void removeMailTokens(std::string& text)
{
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find('@', from);
        if (at == std::string::npos)
            return;
        std::size_t start = at;
        while (start > 0 && !isSeparator(text[start]))
            --start;
        text.erase(start, at - start + 1);
        const std::size_t separator = findSeparator(text, start);
        text.erase(start, separator == std::string::npos ? std::string::npos : separator - start);
        from = start;
    }
}

// A slash with a domain name ending in a two- to four-letter suffix directly before it.
bool isPathSlash(const std::string& text, std::size_t i)
{
    if (text[i] != '/' || i < 5)
        return false;
    if (!isLetter(text[i - 1]) || !isLetter(text[i - 2]))
        return false;
    bool dot = false;
    for (std::size_t k = 3; k <= 5; ++k) {
        const char c = text[i - k];
        if (!isLetter(c) && c != '.')
            return false;
        dot = dot || c == '.';
    }
    return dot;
}

void removePaths(std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isPathSlash(text, i)) {
            ++i;
            continue;
        }
        const std::size_t after = findSeparator(text, i + 1);
        text.erase(i + 1, after == std::string::npos ? std::string::npos : after - i - 1);
        std::size_t start = i;
        while (start > 0 && !isSeparator(text[start - 1]))
            --start;
        if (start > 0)
            --start; // the Separator in front goes too
        text.erase(start, i - start + 1);
        i = start;
    }
}

void removeInitials(std::string& text)
{
    std::size_t k = 0;
    while (text.size() >= 3 && k + 2 < text.size()) {
        if (k == 0 && isLetter(text[0]) && text[1] == '.') {
            text.erase(0, 2);
            k = 0;
            continue;
        }
        if (text[k] == ' ' && isLetter(text[k + 1]) && text[k + 2] == '.') {
            text.erase(k + 1, 2);
            k = k > 0 ? k - 1 : 0;
            continue;
        }
        ++k;
    }
}

std::int32_t removeOks(std::string& text)
{
    std::int32_t removed = 0;
    std::size_t j = 0;
    while (j + 1 < text.size()) {
        const bool ok = text[j] == 'o' && text[j + 1] == 'k' && (j == 0 || !isLetter(text[j - 1]))
            && (j + 2 >= text.size() || !isLetter(text[j + 2]));
        if (!ok) {
            ++j;
            continue;
        }
        text.erase(j, 2);
        ++removed;
        j = j >= 2 ? j - 2 : 0;
    }
    return removed;
}

void removeStretchedLetters(std::string& text)
{
    std::size_t j = 0;
    while (j + 2 < text.size()) {
        const char c = text[j];
        if (!isLetter(c) || text[j + 1] != c || text[j + 2] != c) {
            ++j;
            continue;
        }
        std::size_t end = j;
        while (end < text.size() && text[end] == c)
            ++end;
        text.erase(j, end - j);
        j = j >= 2 ? j - 2 : 0;
    }
}

} // namespace

NormalisedText normaliseText(std::string_view input)
{
    NormalisedText result;
    std::string& text = result.text;
    text.assign(input);
    removeAddresses(text, "HTTP");
    removeAddresses(text, "WWW");
    removeMailTokens(text);
    removePaths(text);
    removeInitials(text);
    result.okCount = removeOks(text);
    removeStretchedLetters(text);
    text = std::string(trimmed(text));
    return result;
}

std::string foldQuotes(std::string text)
{
    for (char& c : text) {
        switch (code(c)) {
        case 146:
        case 96:
            c = '\'';
            break;
        case 147:
        case 148:
            c = '"';
            break;
        default:
            break;
        }
    }
    return text;
}

std::string stripLineFeeds(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != '\n'; });
    return result;
}

} // namespace quendry
