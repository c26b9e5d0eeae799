#include "analysis/profile/Normaliser.h"

#include "analysis/profile/Characters.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace quendry {
namespace {

// Each step deletes what it matches and looks again from the start of the text until nothing more
// matches. Text in front of a deletion never changes, so every step below builds its result in one
// pass from left to right: what is already written holds no match, and a match that a deletion
// creates can only end in what comes next. Characters are deleted from the end of the written part
// at most once, so each step takes time linear in the text.

bool endsWithUpper(const std::string& text, std::string_view upperSuffix)
{
    if (text.size() < upperSuffix.size())
        return false;
    const std::size_t start = text.size() - upperSuffix.size();
    for (std::size_t k = 0; k < upperSuffix.size(); ++k)
        if (toUpperAscii(text[start + k]) != upperSuffix[k])
            return false;
    return true;
}

// Whether the text holds the needle, ignoring letter case. The search looks for the needle's last
// character, in either case, and compares backwards from there: in prose the last characters of
// "HTTP" and "WWW" are rare.
bool containsUpper(std::string_view text, std::string_view upperNeedle)
{
    const char last = upperNeedle.back();
    const std::size_t offset = upperNeedle.size() - 1;
    for (const char candidate : {last, toLowerAscii(last)}) {
        for (std::size_t i = text.find(candidate, offset); i != std::string_view::npos; i = text.find(candidate, i + 1)) {
            std::size_t k = 0;
            while (k < offset && toUpperAscii(text[i - offset + k]) == upperNeedle[k])
                ++k;
            if (k == offset)
                return true;
        }
        if (toLowerAscii(last) == last)
            break;
    }
    return false;
}

// Drops the end of the written text back to its last Separator, that Separator included; all of
// it when there is none.
void dropBackToSeparator(std::string& out)
{
    std::size_t end = out.size();
    while (end > 0 && !isSeparator(out[end - 1]))
        --end;
    out.resize(end > 0 ? end - 1 : 0);
}

// An address runs from its "HTTP" or "WWW" through the first Separator after it.
std::string removeAddresses(std::string_view text, std::string_view upperPrefix)
{
    std::string out;
    out.reserve(text.size());
    const char last = upperPrefix.back();
    // Only the prefix's last letter, in either case, can complete a match: the next place of each
    // case is kept and searched for again once passed.
    std::size_t nextUpper = std::min(text.find(last), text.size());
    std::size_t nextLower = std::min(text.find(toLowerAscii(last)), text.size());
    const auto nextOf = [&text](char c, std::size_t& known, std::size_t from) {
        if (known < from)
            known = std::min(text.find(c, from), text.size());
        return known;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Copy up to the next place of that letter at once.
        const std::size_t next = std::min(nextOf(last, nextUpper, i), nextOf(toLowerAscii(last), nextLower, i));
        out.append(text.data() + i, std::min(next + 1, text.size()) - i);
        i = next;
        if (i >= text.size() || !endsWithUpper(out, upperPrefix))
            continue;
        out.resize(out.size() - upperPrefix.size());
        while (i + 1 < text.size() && !isSeparator(text[i + 1]))
            ++i;
        ++i; // the Separator goes too
    }
    return out;
}

// A mail token is the run of non-Separators around an "@"; it goes with the Separator before it,
// and the one after it stays.
std::string removeMailTokens(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t at = std::min(text.find('@', i), text.size());
        out.append(text.data() + i, at - i);
        i = at;
        if (i == text.size())
            break;
        dropBackToSeparator(out);
        while (i + 1 < text.size() && !isSeparator(text[i + 1]))
            ++i;
    }
    return out;
}

// A slash with a domain name ending in a two- to four-letter suffix directly before it.
bool endsWithDomain(const std::string& out)
{
    const std::size_t n = out.size();
    if (n < 5 || !isLetter(out[n - 1]) || !isLetter(out[n - 2]))
        return false;
    bool dot = false;
    for (std::size_t k = 3; k <= 5; ++k) {
        const char c = out[n - k];
        if (!isLetter(c) && c != '.')
            return false;
        dot = dot || c == '.';
    }
    return dot;
}

std::string removePaths(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t slash = std::min(text.find('/', i), text.size());
        out.append(text.data() + i, slash - i);
        i = slash;
        if (i == text.size())
            break;
        if (!endsWithDomain(out)) {
            out += '/';
            continue;
        }
        while (i + 1 < text.size() && !isSeparator(text[i + 1]))
            ++i;
        dropBackToSeparator(out);
    }
    return out;
}

// A letter and a full stop go after a space, and at the very start of a text of three or more
// characters. Only a full stop completes a match, so the text is copied up to each full stop.
std::string removeInitials(std::string_view text)
{
    std::size_t i = 0;
    while (i + 2 < text.size() && isLetter(text[i]) && text[i + 1] == '.')
        i += 2; // another character follows, so the text is long enough
    std::string out;
    out.reserve(text.size() - i);
    while (i < text.size()) {
        const std::size_t stop = text.find('.', i);
        const std::size_t end = stop == std::string_view::npos ? text.size() : stop + 1;
        out.append(text.data() + i, end - i);
        i = end;
        const std::size_t n = out.size();
        if (stop != std::string_view::npos && n >= 3 && isLetter(out[n - 2]) && out[n - 3] == ' ')
            out.resize(n - 2);
    }
    return out;
}

// Removing a lowercase "ok" between non-letters leaves non-letters side by side, which never make
// a new match, so one pass over the text finds every "ok" that goes. The pass looks for the "k",
// much the rarer letter. Gives nothing when no "ok" goes, which is the rule in prose.
std::optional<std::string> removeOks(std::string_view text, std::int32_t& removed)
{
    std::string out;
    removed = 0;
    std::size_t copied = 0;
    for (std::size_t k = text.find('k', 1); k != std::string_view::npos; k = text.find('k', k + 1)) {
        const std::size_t j = k - 1;
        if (text[j] != 'o' || j < copied)
            continue;
        const bool ok = (j == 0 || !isLetter(text[j - 1])) && (j + 2 >= text.size() || !isLetter(text[j + 2]));
        if (!ok)
            continue;
        if (removed == 0)
            out.reserve(text.size());
        out.append(text.data() + copied, j - copied);
        copied = j + 2;
        ++removed;
    }
    if (removed == 0)
        return std::nullopt;
    out.append(text.data() + copied, text.size() - copied);
    return out;
}

// Where the next letter written three times in a row begins, at or after `from`; the text's size
// when there is none. Such letters are rare: eight places are tested at once for a character equal
// to the next two, and only a hit is looked at closely.
std::size_t nextStretchedLetter(std::string_view text, std::size_t from)
{
    const auto load = [&text](std::size_t at) { return eight::load(text.data() + at); };
    std::size_t i = from;
    for (; i + 10 <= text.size(); i += 8) {
        const std::uint64_t here = load(i);
        if (eight::hasZeroByte((here ^ load(i + 1)) | (here ^ load(i + 2))) == 0)
            continue;
        for (std::size_t k = i; k < i + 8; ++k)
            if (text[k + 2] == text[k] && text[k + 1] == text[k] && isLetter(text[k]))
                return k;
    }
    for (; i + 2 < text.size(); ++i)
        if (text[i + 2] == text[i] && text[i + 1] == text[i] && isLetter(text[i]))
            return i;
    return text.size();
}

// Three or more equal letters in a row go. A removal can join two runs of the same letter, so a
// new run first merges with the end of what is written (where a letter never stands three times).
// Only right after a removal can that happen: a run that is written ends before a different
// character, so up to the next letter written three times the text is copied as it is. Gives
// nothing when no letter is written three times.
std::optional<std::string> removeStretchedLetters(std::string_view text)
{
    std::size_t i = nextStretchedLetter(text, 0);
    if (i == text.size())
        return std::nullopt;
    std::string out(text.substr(0, i));
    out.reserve(text.size());
    while (i < text.size()) {
        const char c = text[i];
        std::size_t end = i + 1;
        while (end < text.size() && text[end] == c)
            ++end;
        std::size_t written = 0;
        while (isLetter(c) && written < out.size() && out[out.size() - 1 - written] == c)
            ++written;
        if (isLetter(c) && written + (end - i) >= 3) {
            out.resize(out.size() - written);
            i = end;
            continue;
        }
        out.append(text.data() + i, end - i);
        const std::size_t next = nextStretchedLetter(text, end);
        out.append(text.data() + end, next - end);
        i = next;
    }
    return out;
}

} // namespace

NormalisedText normaliseText(std::string_view input)
{
    NormalisedText result;
    // Most texts hold no address, mail token or path; those steps are skipped when their mark is
    // missing.
    std::string text(input);
    if (containsUpper(text, "HTTP"))
        text = removeAddresses(text, "HTTP");
    if (containsUpper(text, "WWW"))
        text = removeAddresses(text, "WWW");
    if (text.find('@') != std::string::npos)
        text = removeMailTokens(text);
    if (text.find('/') != std::string::npos)
        text = removePaths(text);
    text = removeInitials(text);
    // The last steps seldom change anything in prose: the text is then kept, not copied.
    if (std::optional<std::string> changed = removeOks(text, result.okCount))
        text = std::move(*changed);
    if (std::optional<std::string> changed = removeStretchedLetters(text))
        text = std::move(*changed);
    const std::string_view kept = trimmed(text);
    if (kept.size() == text.size())
        result.text = std::move(text);
    else
        result.text = std::string(kept);
    return result;
}

std::string foldQuotes(std::string text)
{
    // The folded characters are the grave accent and three codes above 127, rare in most texts:
    // eight characters that hold none of them are passed over at once.
    const auto fold = [](char& c) {
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
    };
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        const std::uint64_t word = eight::load(text.data() + i);
        if (((word & eight::highs) | eight::mayHold(word, '`')) == 0)
            continue;
        for (std::size_t k = i; k < i + 8; ++k)
            fold(text[k]);
    }
    for (; i < text.size(); ++i)
        fold(text[i]);
    return text;
}

std::string stripLineFeeds(std::string_view text)
{
    // Lines are copied whole, from one line feed to the next.
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos; feed = text.find('\n', from)) {
        result.append(text.data() + from, feed - from);
        from = feed + 1;
    }
    result.append(text.data() + from, text.size() - from);
    return result;
}

} // namespace quendry
