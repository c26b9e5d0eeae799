#include "ReferenceEngine.h"

#include <algorithm>
#include <set>

namespace quendry::reference {
namespace {

bool isWordChar(char c) { return isLetter(c) || c == '\''; }
bool digitAt(std::string_view t, std::ptrdiff_t i)
{
    return i >= 0 && i < static_cast<std::ptrdiff_t>(t.size()) && isDigit(t[static_cast<std::size_t>(i)]);
}

std::string pairPass(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "  ") == 0) {
            out += ' ';
            i += 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::int32_t pointsForRatio(double r)
{
    if (r >= 18)
        return 20;
    if (r >= 12)
        return 25;
    if (r >= 8)
        return 35;
    return 40;
}

unsigned char foldedSpecial(unsigned char c) { return c == 154 ? 138 : c == 156 ? 140 : c == 158 ? 142 : c; }

} // namespace

CharacterProfile profileCharacters(std::string_view t, Classifier& classifier)
{
    CharacterProfile p;
    std::string token, previous, run;
    bool skip = false;
    bool inside = false;
    std::int64_t transitions = 0;
    const auto n = static_cast<std::ptrdiff_t>(t.size());
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        const char c = t[static_cast<std::size_t>(i)];
        const auto at = [&](std::ptrdiff_t k) { return t[static_cast<std::size_t>(k)]; };
        const bool last = i == n - 1;
        if (code(c) >= 123 && code(c) <= 191) {
            const bool present = std::any_of(p.specialChars.begin(), p.specialChars.end(),
                [&](const std::string& s) { return foldedSpecial(code(s[0])) == foldedSpecial(code(c)); });
            if (!present) {
                p.specialChars.emplace_back(1, c);
                std::sort(p.specialChars.begin(), p.specialChars.end(), [](const std::string& a, const std::string& b) {
                    return foldedSpecial(code(a[0])) < foldedSpecial(code(b[0]));
                });
            }
        }
        if (!isLetter(c) && !isDigit(c) && std::string_view(" \r\n.,?-").find(c) == std::string_view::npos
            && !(c == '\'' && i > 0 && !last && isLetter(at(i - 1)) && isLetter(at(i + 1))))
            ++p.otherSymbolCount;
        if (!p.lowercaseIFlag && c == 'i' && (i == 0 || at(i - 1) == ' ') && (last || at(i + 1) == ' '))
            p.lowercaseIFlag = true;
        p.semicolonCount += c == ';';
        p.letterCount += isLetter(c);
        if (!digitAt(t, i - 1) && !digitAt(t, i + 1)) {
            p.exclamationCount += c == '!';
            p.colonCount += c == ':';
            p.questionMarkCount += c == '?';
            p.commaCount += c == ',';
            p.periodCount += c == '.' && (last || at(i + 1) != '.');
        }
        if (!last && (at(i + 1) == ' ' || at(i + 1) == '\r')) {
            p.questionSpaceCount += c == '?';
            p.commaSpaceCount += c == ',';
            p.periodSpaceCount += c == '.';
        }
        if (i > 0 && at(i - 1) == ' ') {
            p.spaceQuestionCount += c == '?';
            p.spaceCommaCount += c == ',';
            p.spacePeriodCount += c == '.';
        }
        if (isWordChar(c))
            token += c;
        if ((!isWordChar(c) || last) && !token.empty()) {
            while (!token.empty() && token.front() == '\'')
                token.erase(0, 1);
            while (!token.empty() && token.back() == '\'')
                token.pop_back();
            if (!skip)
                classifier.classify(previous, token, skip);
            else
                skip = false;
            ++p.wordTokenCount;
            previous = token;
            token.clear();
        }
        if (isSymbolCharacter(c))
            run += c;
        if ((!isSymbolCharacter(c) || last) && !run.empty()) {
            if (run.size() >= 2) {
                if (const auto index = indexOfTrimmed(p.symbolRuns, run))
                    ++p.symbolRuns[*index].count;
                else
                    p.symbolRuns.push_back({run, 1});
            }
            run.clear();
        }
        if ((code(c) >= 65) != inside) {
            ++transitions;
            inside = !inside;
        }
    }
    p.wordCount = static_cast<std::int32_t>(transitions / 2 + transitions % 2);
    return p;
}

std::int32_t countPhrases(std::string_view text, const StringList& phrases)
{
    std::string t(text);
    std::replace(t.begin(), t.end(), '\n', ' ');
    std::replace(t.begin(), t.end(), '\r', ' ');
    t = toUpperAscii(trimmed(pairPass(t)));
    std::int32_t count = 0;
    for (const std::string& phrase : phrases) {
        std::string e(trimmed(toUpperAscii(phrase)));
        std::replace(e.begin(), e.end(), '\n', ' ');
        std::replace(e.begin(), e.end(), '\r', ' ');
        e = pairPass(e);
        if (e.empty())
            continue;
        std::string d = t;
        for (std::size_t p; (p = d.find(e)) != std::string::npos;) {
            const bool starts = p == 0 || d[p - 1] == ' ';
            const bool ends = p + e.size() == d.size() || d[p + e.size()] == ' ';
            if (starts && ends) {
                ++count;
                break;
            }
            d.erase(0, p + e.size());
            while (!d.empty() && d[0] != ' ')
                d.erase(0, 1);
            t = pairPass(t);
        }
    }
    return count;
}

double contractionPoints(std::string_view firstText, std::string_view secondText, std::int32_t w1, std::int32_t w2)
{
    static const char* const rows[44][2] = {{"doesn't", "does not"}, {"won't", "will not"}, {"they'd", "they had"},
        {"who's", "who has"}, {"it's", "it is"}, {"we'll", "we shall"}, {"let's", "let us"}, {"that's", "that is"},
        {"we're", "we are"}, {"can't", "cannot"}, {"ain't", "am not"}, {"you're", "you are"}, {"don't", "do not"},
        {"i've", "i have"}, {"aren't", "are not"}, {"haven't", "have not"}, {"you've", "you have"},
        {"i'll", "i shall"}, {"i'm", "i am"}, {"i'd", "i had"}, {"Gonna", "going to"}, {"we'll", "we will"},
        {"ain't", "is not"}, {"ain't", "have not"}, {"i'll", "i will"}, {"you'll", "you will"},
        {"you'll", "you shall"}, {"he'll", "he will"}, {"i'd", "I should"}, {"i'd", "I would"},
        {"you'd", "you would"}, {"you'd", "you had"}, {"he'd", "he would"}, {"They'd", "they would"},
        {"hain't", "have not"}, {"hain't", "has not"}, {"hadn't", "had not"}, {"hasn't", "has not"},
        {"wasn't", "was not"}, {"they're", "they are"}, {"they've", "they have"}, {"isn't", "is not"},
        {"we've", "we have"}, {"it'll", "it will"}};
    const auto count = [](std::string_view text, std::string_view form) {
        // Built by appending, here and below: GCC 12's -Wrestrict misreads " " + std::string&& in
        // a release build.
        std::string s = " ";
        s += toUpperAscii(trimmed(text));
        s += ' ';
        s.erase(std::remove(s.begin(), s.end(), '\n'), s.end());
        std::replace(s.begin(), s.end(), '\r', ' ');
        for (char& c : s)
            if (!isLetter(c) && c != '\'')
                c = ' ';
        while (s.find("  ") != std::string::npos)
            s = pairPass(s);
        std::string pattern = " ";
        pattern += toUpperAscii(form);
        pattern += ' ';
        int n = 0;
        for (std::size_t p; (p = s.find(pattern)) != std::string::npos; ++n)
            s[p] = '#';
        return n;
    };
    double points = 0.0, step = -20.0;
    bool absent = true, firstAbsent = true, secondAbsent = true;
    int firstFound = 0, secondFound = 0, firstTotal = 0, secondTotal = 0;
    for (const auto& row : rows) {
        const int c1 = count(firstText, row[0]), f1 = count(firstText, row[1]);
        const int c2 = count(secondText, row[0]), f2 = count(secondText, row[1]);
        const int zeros = (c1 == 0) + (f1 == 0) + (c2 == 0) + (f2 == 0);
        if (zeros >= 2 && ((c1 > 0 && f2 > 0) || (f1 > 0 && c2 > 0))) {
            points += step;
            step /= 2;
        }
        if (c1 || f1 || c2 || f2)
            absent = false;
        firstFound += (c1 > 0) + (f1 > 0);
        secondFound += (c2 > 0) + (f2 > 0);
        if (c1 || f1)
            firstAbsent = false;
        if (c2 || f2)
            secondAbsent = false;
        firstTotal += c1 + f1;
        secondTotal += c2 + f2;
    }
    const int m = std::min(w1, w2);
    if (absent) {
        points = m >= 55 ? 35 : m >= 45 ? 25 : m >= 30 ? 15 : 0;
    } else if (firstAbsent || secondAbsent) {
        points = 0;
        if (firstFound >= 4 || secondFound >= 4) {
            const double r1 = firstAbsent ? w1 / 0.8 : static_cast<double>(w1) / firstTotal;
            const double r2 = secondAbsent ? w2 / 0.8 : static_cast<double>(w2) / secondTotal;
            const double v = std::max(r1, r2) / std::min(r1, r2);
            points = v >= 6 ? -45 : v >= 5.5 ? -40 : v >= 5 ? -35 : v >= 4.5 ? -30 : v >= 4 ? -25 : v >= 3.5 ? -20 : v >= 3 ? -15 : 0;
        }
    }
    if (w1 < 30 || w2 < 30)
        points = 0;
    return points;
}

StringList findSharedUnknownWords(const StringList& first, const StringList& second)
{
    std::set<std::string> shared;
    for (const std::string& a : first)
        for (const std::string& b : second)
            if (a == b)
                shared.insert(a + "-" + b);
    return {shared.begin(), shared.end()};
}

std::int32_t sharedCapsWordPoints(const CountedTexts& firstWords, const CountedTexts& secondWords)
{
    std::int32_t points = 0;
    for (const CountedText& a : firstWords)
        for (const CountedText& b : secondWords)
            if (a.text == b.text)
                points += 6 * std::min(a.count, b.count);
    return points;
}

std::int32_t sharedSymbolRunPoints(const CountedTexts& firstRuns, const CountedTexts& secondRuns)
{
    std::int32_t points = 0;
    const auto common = [](const std::string& run) {
        return std::all_of(run.begin(), run.end(), [](char c) { return c == '.' || c == ')'; });
    };
    for (const CountedText& a : firstRuns)
        for (const CountedText& b : secondRuns)
            if (a.text == b.text)
                points += common(a.text) ? 10 : 25;
    return points;
}

std::int32_t unsharedSymbolRunPoints(const CountedTexts& firstRuns, std::int32_t firstWordCount,
    const CountedTexts& secondRuns, std::int32_t secondWordCount)
{
    std::int32_t total = 0;
    const auto side = [&](const CountedTexts& runs, std::int32_t words, const CountedTexts& other) {
        for (const CountedText& run : runs) {
            if (indexOfTrimmed(other, run.text) || run.count < 3)
                continue;
            total += pointsForRatio(static_cast<double>(words) / run.count);
        }
    };
    side(firstRuns, firstWordCount, secondRuns);
    side(secondRuns, secondWordCount, firstRuns);
    return -total;
}

std::int32_t loneSymbolPoints(std::string_view firstText, std::string_view secondText, std::int32_t firstWordCount,
    std::int32_t secondWordCount)
{
    const auto special = [](char c) { return !(isLetter(c) || c == ' ' || c == '!' || c == '?' || c == ',' || c == '.'); };
    const auto collect = [&](std::string_view t, StringList& symbols, std::vector<std::int32_t>& counts) {
        const std::size_t n = t.size();
        for (std::size_t i = 0; i < n; ++i) {
            const char x = t[i];
            if (!special(x) || isDigit(x))
                continue;
            if (i == 0 && n > 1 && special(t[1]))
                continue;
            if (i > 0 && i + 1 < n && (special(t[i + 1]) || special(t[i - 1])))
                continue;
            if (i + 1 == n && n > 1 && special(t[i - 1]))
                continue;
            if (x == '\'' && i > 0 && i + 1 < n && t[i + 1] != ' ' && t[i + 1] != '\r' && t[i - 1] != ' ' && t[i - 1] != '\r')
                continue;
            if (const auto index = indexOfTrimmed(symbols, std::string(1, x))) {
                ++counts[*index];
            } else {
                counts.push_back(1);
                symbols.emplace_back(1, x);
            }
        }
    };
    StringList a, b;
    std::vector<std::int32_t> ac, bc;
    collect(firstText, a, ac);
    collect(secondText, b, bc);
    std::int32_t total = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!indexOfTrimmed(b, a[i]) && ac[i] >= 3)
            total += pointsForRatio(static_cast<double>(firstWordCount) / ac[i]);
    for (std::size_t i = 0; i < b.size(); ++i)
        if (!indexOfTrimmed(a, b[i]) && bc[i] >= 3)
            total += pointsForRatio(static_cast<double>(secondWordCount) / bc[i]);
    return -total;
}

std::int32_t compareRepeatedMarks(const CountedTexts& firstRuns, const CountedTexts& secondRuns)
{
    const auto totals = [](const CountedTexts& runs, StringList& chars, std::vector<std::int32_t>& sums) {
        for (const CountedText& entry : runs) {
            const std::string& run = entry.text;
            if (run.empty() || !std::all_of(run.begin(), run.end(), [&](char c) { return c == run[0]; }))
                continue;
            const std::string key(1, run[0]);
            if (const auto index = indexOfExact(chars, key)) {
                sums[*index] += entry.count;
            } else {
                chars.push_back(key);
                sums.push_back(entry.count);
            }
        }
    };
    StringList a, b;
    std::vector<std::int32_t> as, bs;
    totals(firstRuns, a, as);
    totals(secondRuns, b, bs);
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (const auto index = indexOfExact(b, a[i]))
            sum += std::min(as[i], bs[*index]);
    return 15 * sum;
}

std::int32_t ampersandPoints(std::string_view firstText, std::string_view secondText)
{
    return firstText.find('&') != std::string_view::npos && secondText.find('&') != std::string_view::npos ? 15 : 0;
}

std::int32_t plainCharsetPoints(std::string_view firstText, std::string_view secondText)
{
    const auto plain = [](std::string_view text) {
        for (const char c : text) {
            const auto value = static_cast<unsigned char>(c);
            const bool letter = (value >= 65 && value <= 90) || (value >= 97 && value <= 122);
            const bool digit = value >= 48 && value <= 57;
            if (!letter && !digit && c != ' ' && c != '\r' && c != '\n' && c != '-' && c != '.' && c != ','
                && c != '?')
                return false;
        }
        return true;
    };
    return plain(firstText) && plain(secondText) ? 15 : 0;
}

} // namespace quendry::reference
