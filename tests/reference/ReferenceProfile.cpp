#include "ReferenceEngine.h"

#include <algorithm>

namespace quendry::reference {
namespace {


std::size_t firstSeparatorFrom(const std::string& s, std::size_t from)
{
    for (std::size_t i = from; i < s.size(); ++i)
        if (isSeparator(s[i]))
            return i;
    return std::string::npos;
}

std::size_t findUpper(const std::string& s, const std::string& upperNeedle)
{
    return toUpperAscii(s).find(upperNeedle);
}

// Replaces every occurrence in one left-to-right pass; what the replacement creates is not rescanned.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

Normalised normaliseText(std::string_view input)
{
    std::string s(input);
    for (const std::string prefix : {"HTTP", "WWW"}) {
        for (std::size_t p; (p = findUpper(s, prefix)) != std::string::npos;) {
            const std::size_t sep = firstSeparatorFrom(s, p);
            s.erase(p, sep == std::string::npos ? std::string::npos : sep - p + 1);
        }
    }
    for (std::size_t p; (p = s.find('@')) != std::string::npos;) {
        std::size_t start = 0;
        for (std::size_t k = p + 1; k-- > 0;)
            if (isSeparator(s[k])) {
                start = k;
                break;
            }
        s.erase(start, p - start + 1);
        const std::size_t e = firstSeparatorFrom(s, start);
        s.erase(start, e == std::string::npos ? std::string::npos : e - start);
    }
    for (bool again = true; again;) {
        again = false;
        for (std::size_t i = 5; i < s.size(); ++i) {
            if (s[i] != '/' || !isLetter(s[i - 1]) || !isLetter(s[i - 2]))
                continue;
            const auto letterOrDot = [](char c) { return isLetter(c) || c == '.'; };
            if (!letterOrDot(s[i - 3]) || !letterOrDot(s[i - 4]) || !letterOrDot(s[i - 5]))
                continue;
            if (s[i - 3] != '.' && s[i - 4] != '.' && s[i - 5] != '.')
                continue;
            const std::size_t next = firstSeparatorFrom(s, i + 1);
            s.erase(i + 1, next == std::string::npos ? std::string::npos : next - (i + 1));
            std::size_t start = 0;
            for (std::size_t k = i; k-- > 0;)
                if (isSeparator(s[k])) {
                    start = k;
                    break;
                }
            s.erase(start, i - start + 1);
            again = true;
            break;
        }
    }
    for (bool again = true; again;) {
        again = false;
        for (std::size_t k = 0; s.size() >= 3 && k <= s.size() - 3; ++k) {
            if (k == 0 && isLetter(s[0]) && s[1] == '.') {
                s.erase(0, 2);
                again = true;
                break;
            }
            if (s[k] == ' ' && isLetter(s[k + 1]) && s[k + 2] == '.') {
                s.erase(k + 1, 2);
                again = true;
                break;
            }
        }
    }
    Normalised result;
    for (bool again = true; again;) {
        again = false;
        for (std::size_t j = 0; j + 1 < s.size(); ++j) {
            if (s[j] == 'o' && s[j + 1] == 'k' && !(j > 0 && isLetter(s[j - 1])) && !(j + 2 < s.size() && isLetter(s[j + 2]))) {
                s.erase(j, 2);
                ++result.okCount;
                again = true;
                break;
            }
        }
    }
    for (bool again = true; again;) {
        again = false;
        for (std::size_t j = 0; j + 2 < s.size(); ++j) {
            if (isLetter(s[j]) && s[j + 1] == s[j] && s[j + 2] == s[j]) {
                std::size_t end = j;
                while (end < s.size() && s[end] == s[j])
                    ++end;
                s.erase(j, end - j);
                again = true;
                break;
            }
        }
    }
    while (!s.empty() && isTrimmable(s.back()))
        s.pop_back();
    while (!s.empty() && isTrimmable(s.front()))
        s.erase(0, 1);
    result.text = s;
    return result;
}

std::int32_t countEmoticons(std::string& text, std::int32_t okCount, const StringList& emoticons,
    const StringList& emoticonWords)
{
    std::int32_t count = okCount;
    std::string w = text;
    for (const std::string& item : emoticons) {
        if (item == "ok" || item.empty())
            continue;
        for (std::size_t p; (p = w.find(item)) != std::string::npos; ++count)
            w.erase(p, item.size());
    }
    for (const std::string& word : emoticonWords) {
        if (word.empty())
            continue;
        for (const char* prefix : {".", ". ", ".  ", "!", "! ", "!  ", "?", "? ", "?  "}) {
            const std::string pattern = prefix + word;
            for (std::size_t p; (p = w.find(pattern)) != std::string::npos; ++count)
                w.erase(p + 1, pattern.size() - 1);
        }
    }
    text = w;
    return count;
}

std::int32_t countSentences(std::string_view input)
{
    std::string s(trimmed(input));
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }), s.end());
    s += '.';
    for (std::size_t j = 0; j < s.size();) {
        if (s[j] == '.' && j + 1 < s.size() && s[j + 1] == '.') {
            std::size_t k = j;
            while (k < s.size() && !isLetter(s[k]))
                ++k;
            if (k == s.size())
                break;
            if (s[k] >= 'a' && s[k] <= 'z')
                std::fill(s.begin() + static_cast<std::ptrdiff_t>(j), s.begin() + static_cast<std::ptrdiff_t>(k) + 1, '_');
            j = k + 1;
        } else {
            ++j;
        }
    }
    for (const auto& [from, to] : {std::pair{"..", "."}, std::pair{"!!", "!"}, std::pair{"??", "?"}})
        while (s.find(from) != std::string::npos)
            s = replaceAll(s, from, to);
    s = std::string(trimmed(toLowerAscii(s)));

    std::int32_t sentences = 0;
    const auto isMark = [](char c) { return c == '.' || c == '?' || c == '!'; };
    for (std::size_t j = 0; j < s.size();) {
        const bool last = j + 1 == s.size();
        const bool cut = isMark(s[j])
            && (last
                || (((s[j + 1] >= 'a' && s[j + 1] <= 'z') || s[j + 1] == ' ') && (j + 2 >= s.size() || s[j + 2] != '.')));
        if (!cut) {
            ++j;
            continue;
        }
        const std::string candidate(trimmed(std::string_view(s).substr(0, j + 1)));
        if (!candidate.empty() && candidate.find(' ') != std::string::npos)
            ++sentences;
        s.erase(0, j + 1);
        j = 0;
    }
    return sentences;
}

Classifier::Classifier(std::string_view dictionaryText, const StringList& nameList, const StringList& emoticons)
    : m_dictionary(toUpperAscii(dictionaryText.substr(0, dictionaryText.find('\0'))))
    , m_emoticons(emoticons)
{
    std::string joined;
    for (std::size_t i = 0; i < nameList.size(); ++i)
        joined += (i ? "\r\n" : "") + nameList[i];
    m_names = toUpperAscii(trimmed(joined));
}

bool Classifier::inDictionary(const std::string& candidate) const
{
    return m_dictionary.find('#' + candidate + '#') != std::string::npos;
}

bool Classifier::inNames(const std::string& candidate) const
{
    return m_names.find('#' + candidate + '#') != std::string::npos;
}

void Classifier::classify(std::string_view previous, std::string_view token, bool& skipNext)
{
    static const char* const stripping[] = {"ok", "applause", "boing", "brr", "cdouble", "cuddle", "cry", "drool",
        "eureka", "flyhi", "footinmouth", "goodluck", "hug", "kiss", "nahnah", "puff", "rofl", "run", "smooch",
        "somersault", "tickle", "whistle", "yawn", "zzz", "ant", "bat", "cat", "blackcat", "tit", "bunny",
        "bluebutterfly", "orangebutterfly", "chick", "dragon", "fish", "hsif", "orangefish", "orangefish",
        "bluefish", "schooloffish", "mouse", "esuom", "panda", "peacedove", "shark", "sheep", "spider",
        "alienfrown", "aliensmile", "earth", "mars", "martiansmile", "martianfrown", "moon", "fullmoon",
        "crescentmoon", "planet", "rainbow", "rocket", "star", "ufo", "ale", "bubbly", "cappuccino", "cider",
        "coffee", "drunk", "empty", "hangover", "milk", "redwine", "stiffdrink", "stout", "alienfrown",
        "aliensmile", "earth", "mars", "martiansmile", "martianfrown", "moon", "fullmoon", "crescentmoon",
        "planet", "rainbow", "rocket", "star", "ufo", "ale", "bubbly", "cappuccino", "cider", "coffee", "drunk",
        "empty", "hangover", "milk", "oj", "redwine", "stiffdrink", "stout"};
    static_assert(std::size(stripping) == 100);

    const std::string upper = toUpperAscii(token);
    const auto endsWith = [](const std::string& s, char c) { return !s.empty() && s.back() == c; };
    bool found = false;
    bool name = false;
    if (!token.empty()) {
        std::string c = upper;
        found = inNames(c);
        if (!found && endsWith(c, 'S')) {
            c.pop_back();
            found = inNames(c);
        }
        if (!found && endsWith(c, 'E')) {
            c.pop_back();
            found = inNames(c);
        }
        if (!found && c.size() > 1 && endsWith(c, '\'')) {
            c.pop_back();
            found = inNames(c);
        }
        if (found) {
            name = true;
            const std::string upperPrevious = toUpperAscii(previous);
            auto& unknown = lists.unknownWords;
            unknown.erase(std::remove(unknown.begin(), unknown.end(), upperPrevious), unknown.end());
            skipNext = true;
        }
    }
    if (!name) {
        std::string c = upper;
        found = inDictionary(c);
        if (!found && upper.size() >= 3 && upper.compare(upper.size() - 3, 3, "IES") == 0)
            found = inDictionary(upper.substr(0, upper.size() - 3) + "Y");
        if (!found && endsWith(c, 'S')) {
            c.pop_back();
            found = inDictionary(c);
        }
        if (!found && c.size() > 1 && (endsWith(c, '\'') || endsWith(c, '\x92'))) {
            c.pop_back();
            found = inDictionary(c);
        }
        if (!found && endsWith(c, 'E')) {
            c.pop_back();
            found = inDictionary(c);
        }
        if (!found && c.size() > 3 && c.compare(c.size() - 3, 3, "ING") == 0) {
            c.resize(c.size() - 3);
            found = inDictionary(c);
        }
        if (!found && c.size() > 1 && endsWith(c, 'D')) {
            c.pop_back();
            found = inDictionary(c);
        }
        if (!found && c.size() > 1 && endsWith(c, 'E')) {
            c.pop_back();
            found = inDictionary(c);
        }
        if (!found) {
            std::string stripped = upper;
            for (const char* entry : stripping)
                stripped = replaceAll(stripped, toUpperAscii(entry), "");
            found = inDictionary(stripped);
        }
        if (!found && !token.empty()) {
            if (!(token[0] >= 'A' && token[0] <= 'Z') && !indexOfTrimmed(lists.unknownWords, upper))
                lists.unknownWords.push_back(upper);
            lists.unrecognisedWords.push_back(upper);
        }
    }
    for (const std::string& emoticon : m_emoticons) {
        if (const auto index = indexOfExact(lists.unknownWords, toUpperAscii(emoticon)))
            lists.unknownWords.erase(lists.unknownWords.begin() + static_cast<std::ptrdiff_t>(*index));
    }
    if (token.size() >= 3 && std::all_of(token.begin(), token.end(), [](char ch) { return code(ch) <= 90; })) {
        if (const auto index = indexOfExact(lists.capsWords, token))
            ++lists.capsWords[*index].count;
        else
            lists.capsWords.push_back({std::string(token), 1});
    }
}

} // namespace quendry::reference
