#include "analysis/profile/CharacterProfile.h"

#include "analysis/profile/WordClassifier.h"
#include "analysis/run/ProgressListener.h"

#include <algorithm>
#include <unordered_map>

namespace quendry {
namespace {

constexpr bool isWordCharacter(char c) { return isLetter(c) || c == '\''; }

// Within the codes that are collected, these pairs differ only in letter case.
unsigned char caseFolded(unsigned char value)
{
    switch (value) {
    case 154: return 138;
    case 156: return 140;
    case 158: return 142;
    default: return value;
    }
}

void addSpecialChar(StringList& list, char c)
{
    const auto folded = caseFolded(code(c));
    const auto position = std::lower_bound(list.begin(), list.end(), folded,
        [](const std::string& item, unsigned char key) { return caseFolded(code(item[0])) < key; });
    if (position != list.end() && caseFolded(code((*position)[0])) == folded)
        return;
    list.insert(position, std::string(1, c));
}

// Symbol runs hold no character that trimming removes, so looking a run up by its exact text finds
// what a walk through the list with the trimmed run would find.
void countSymbolRun(CharacterProfile& profile, std::unordered_map<std::string, std::size_t>& indexOf, const std::string& run)
{
    if (run.size() < 2)
        return;
    const auto [found, inserted] = indexOf.emplace(run, profile.symbolRuns.size());
    if (inserted)
        profile.symbolRuns.push_back({run, 1});
    else
        ++profile.symbolRuns[found->second].count;
}

// Progress goes out in batches so that reporting never costs more than the pass itself.
constexpr int progressBatch = 4096;

} // namespace

CharacterProfile profileCharacters(std::string_view text, WordClassifier& classifier, ProgressListener& progress,
    const std::function<void(std::string_view)>& onToken)
{
    CharacterProfile p;
    const std::size_t n = text.size();
    std::string_view previousToken;
    bool skipNext = false;
    std::unordered_map<std::string, std::size_t> symbolRunIndex;
    std::int64_t transitions = 0;

    // Word tokens and symbol runs are stretches of neighbouring characters, kept as the position
    // where the current one began.
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t tokenStart = none;
    std::size_t runStart = none;

    const auto digitAt = [&](std::size_t i) { return i < n && isDigit(text[i]); };

    for (std::size_t start = 0; start < n; start += progressBatch) {
        const std::size_t stop = std::min(n, start + progressBatch);
        for (std::size_t i = start; i < stop; ++i) {
            const char c = text[i];
            // Inside a word, a letter after a letter changes nothing but the letter count: the
            // word goes on, no mark or run is involved, and the kind of character stays the same.
            // The text's last character still goes the long way, since it ends the word.
            if (isLetter(c) && i > 0 && i + 1 < n && isLetter(text[i - 1]) && tokenStart != none) {
                std::size_t end = i + 1;
                while (end < stop && end + 1 < n && isLetter(text[end]))
                    ++end;
                p.letterCount += static_cast<std::int32_t>(end - i);
                i = end - 1;
                continue;
            }
            const unsigned char value = code(c);
            const bool last = i + 1 == n;
            const char next = last ? '\0' : text[i + 1];
            const char previous = i == 0 ? '\0' : text[i - 1];

            if (value >= 123 && value <= 191)
                addSpecialChar(p.specialChars, c);

            const bool letter = isLetter(c);
            if (letter) {
                ++p.letterCount;
                if (c == 'i' && !p.lowercaseIFlag && (i == 0 || previous == ' ') && (last || next == ' '))
                    p.lowercaseIFlag = true;
            } else if (!isDigit(c) && c != ' ' && c != '\r' && c != '\n') {
                // A mark: every one but the everyday . , ? - counts as another symbol, except an
                // apostrophe inside a word; then the marks that are counted one by one.
                if (c != '.' && c != ',' && c != '?' && c != '-'
                    && !(c == '\'' && i > 0 && !last && isLetter(previous) && isLetter(next)))
                    ++p.otherSymbolCount;
                if (c == ';')
                    ++p.semicolonCount;
                if (!(i > 0 && isDigit(previous)) && !digitAt(i + 1)) {
                    if (c == '!') ++p.exclamationCount;
                    else if (c == ':') ++p.colonCount;
                    else if (c == '?') ++p.questionMarkCount;
                    else if (c == ',') ++p.commaCount;
                    else if (c == '.' && next != '.') ++p.periodCount;
                }
                if (next == ' ' || next == '\r') {
                    if (c == '?') ++p.questionSpaceCount;
                    else if (c == ',') ++p.commaSpaceCount;
                    else if (c == '.') ++p.periodSpaceCount;
                }
                if (i > 0 && previous == ' ') {
                    if (c == '?') ++p.spaceQuestionCount;
                    else if (c == ',') ++p.spaceCommaCount;
                    else if (c == '.') ++p.spacePeriodCount;
                }
            }

            // Word tokens: letters and apostrophes; outer apostrophes are stripped when a token ends.
            const bool wordCharacter = isWordCharacter(c);
            if (wordCharacter && tokenStart == none)
                tokenStart = i;
            if ((!wordCharacter || last) && tokenStart != none) {
                std::string_view token = text.substr(tokenStart, (wordCharacter ? i + 1 : i) - tokenStart);
                if (onToken)
                    onToken(token);
                while (!token.empty() && token.front() == '\'')
                    token.remove_prefix(1);
                while (!token.empty() && token.back() == '\'')
                    token.remove_suffix(1);
                if (!skipNext)
                    classifier.classify(previousToken, token, skipNext);
                else
                    skipNext = false;
                ++p.wordTokenCount;
                previousToken = token;
                tokenStart = none;
            }

            const bool symbolCharacter = isSymbolCharacter(c);
            if (symbolCharacter && runStart == none)
                runStart = i;
            if ((!symbolCharacter || last) && runStart != none) {
                const std::size_t end = symbolCharacter ? i + 1 : i;
                if (end - runStart >= 2)
                    countSymbolRun(p, symbolRunIndex, std::string(text.substr(runStart, end - runStart)));
                runStart = none;
            }

            if ((value >= 65) != (i > 0 && code(previous) >= 65))
                ++transitions;
        }
        progress.advanced(static_cast<int>(stop - start));
    }

    p.wordCount = static_cast<std::int32_t>(transitions / 2 + transitions % 2);
    return p;
}

} // namespace quendry
