#include "analysis/profile/CharacterProfile.h"

#include "analysis/profile/WordClassifier.h"
#include "analysis/run/ProgressListener.h"

#include <algorithm>
#include <unordered_map>

namespace quendry {
namespace {

constexpr bool isWordCharacter(char c) { return isLetter(c) || c == '\''; }
constexpr bool isDoubleQuote(char c) { return c == '"' || code(c) == 147 || code(c) == 148; }

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
    if (inserted) {
        profile.symbolRuns.push_back(run);
        profile.symbolRunCounts.push_back(1);
    } else {
        ++profile.symbolRunCounts[found->second];
    }
}

// Progress goes out in batches so that reporting never costs more than the pass itself.
constexpr int progressBatch = 4096;

} // namespace

CharacterProfile profileCharacters(std::string_view text, WordClassifier& classifier, ProgressListener& progress)
{
    CharacterProfile p;
    const std::size_t n = text.size();
    std::string token;
    std::string previousToken;
    bool skipNext = false;
    std::string symbolRun;
    std::unordered_map<std::string, std::size_t> symbolRunIndex;
    bool insideWordRun = false;
    std::int64_t transitions = 0;
    int pendingProgress = 0;

    const auto at = [&](std::size_t i) { return text[i]; };
    const auto isDigitAt = [&](std::size_t i, std::ptrdiff_t offset) {
        const auto k = static_cast<std::ptrdiff_t>(i) + offset;
        return k >= 0 && static_cast<std::size_t>(k) < n && isDigit(text[static_cast<std::size_t>(k)]);
    };

    for (std::size_t i = 0; i < n; ++i) {
        const char c = at(i);
        const unsigned char value = code(c);
        const bool last = i + 1 == n;
        const bool followedBySpace = !last && (at(i + 1) == ' ' || at(i + 1) == '\r');
        const bool precededBySpace = i > 0 && at(i - 1) == ' ';

        if (value >= 123 && value <= 191)
            addSpecialChar(p.specialChars, c);

        if (++pendingProgress == progressBatch) {
            progress.advanced(pendingProgress);
            pendingProgress = 0;
        }

        if (!isLetter(c) && !isDigit(c) && c != ' ' && c != '\r' && c != '\n' && c != '.' && c != ','
            && c != '?' && c != '-') {
            const bool contractionApostrophe = c == '\'' && i > 0 && !last && isLetter(at(i - 1)) && isLetter(at(i + 1));
            if (!contractionApostrophe)
                ++p.otherSymbolCount;
        }

        if (!p.lowercaseIFlag && c == 'i' && (i == 0 || at(i - 1) == ' ') && (last || at(i + 1) == ' '))
            p.lowercaseIFlag = true;

        if (c == ';')
            ++p.semicolonCount;
        if (isLetter(c))
            ++p.letterCount;

        if (!isDigitAt(i, -1) && !isDigitAt(i, 1)) {
            if (c == '(') ++p.openParenCount;
            else if (c == ')') ++p.closeParenCount;
            else if (isDoubleQuote(c)) ++p.doubleQuoteCount;
            else if (c == '!') ++p.exclamationCount;
            else if (c == ':') ++p.colonCount;
            else if (c == '?') ++p.questionMarkCount;
            else if (c == ',') ++p.commaCount;
            else if (c == '.' && (last || at(i + 1) != '.')) ++p.periodCount;
        }

        if (followedBySpace) {
            if (c == ')') ++p.closeParenSpaceCount;
            else if (c == '(') ++p.openParenSpaceCount;
            else if (isDoubleQuote(c)) ++p.quoteSpaceCount;
            else if (c == '?') ++p.questionSpaceCount;
            else if (c == ',') ++p.commaSpaceCount;
            else if (c == '.') ++p.periodSpaceCount;
        }

        if (precededBySpace) {
            if (c == '?') ++p.spaceQuestionCount;
            else if (isDoubleQuote(c)) ++p.spaceQuoteCount;
            else if (c == ',') ++p.spaceCommaCount;
            else if (c == '.') ++p.spacePeriodCount;
            else if (c == '(') ++p.spaceOpenParenCount;
            else if (c == ')') ++p.spaceCloseParenCount;
        }

        // Word tokens: letters and apostrophes; outer apostrophes are stripped when a token ends.
        const bool wordCharacter = isWordCharacter(c);
        if (wordCharacter)
            token += c;
        if ((!wordCharacter || last) && !token.empty()) {
            std::string_view stripped = token;
            while (!stripped.empty() && stripped.front() == '\'')
                stripped.remove_prefix(1);
            while (!stripped.empty() && stripped.back() == '\'')
                stripped.remove_suffix(1);
            if (!skipNext)
                classifier.classify(previousToken, stripped, skipNext);
            else
                skipNext = false;
            ++p.wordTokenCount;
            previousToken.assign(stripped);
            token.clear();
        }

        const bool symbolCharacter = isSymbolCharacter(c);
        if (symbolCharacter)
            symbolRun += c;
        if ((!symbolCharacter || last) && !symbolRun.empty()) {
            countSymbolRun(p, symbolRunIndex, symbolRun);
            symbolRun.clear();
        }

        const bool highCode = value >= 65;
        if (highCode != insideWordRun) {
            ++transitions;
            insideWordRun = highCode;
        }
    }
    if (pendingProgress > 0)
        progress.advanced(pendingProgress);

    p.wordCount = static_cast<std::int32_t>(transitions / 2 + transitions % 2);
    return p;
}

} // namespace quendry
