#include "ReferenceRun.h"

#include "ReferenceEngine.h"

#include "analysis/features/Habits.h"
#include "analysis/features/Spacing.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/run/Rules.h"
#include "analysis/run/Verdict.h"

#include <algorithm>

namespace quendry::reference {
namespace {

std::variant<TextProfile, RefusalReason> profileText(const std::string& text, bool isFirst, const ReferenceLists& lists,
    std::string_view dictionaryText)
{
    TextProfile profile;
    profile.text = text;
    profile.sentenceCount = countSentences(text);
    Classifier classifier(dictionaryText, lists.names, lists.emoticons);
    const CharacterProfile c = profileCharacters(stripLineFeeds(text), classifier);
    profile.wordCount = c.wordCount;
    profile.periodSpaceCount = c.periodSpaceCount;
    profile.commaSpaceCount = c.commaSpaceCount;
    profile.periodCount = c.periodCount;
    profile.spacePeriodCount = c.spacePeriodCount;
    profile.spaceCommaCount = c.spaceCommaCount;
    profile.commaCount = c.commaCount;
    profile.specialChars = c.specialChars;
    profile.lowercaseIFlag = c.lowercaseIFlag;
    profile.questionMarkCount = c.questionMarkCount;
    if (profile.wordCount <= 5)
        return isFirst ? RefusalReason::FirstTextTooSmall : RefusalReason::SecondTextTooSmall;
    profile.otherSymbolCount = c.otherSymbolCount;
    profile.questionSpaceCount = c.questionSpaceCount;
    profile.spaceQuestionCount = c.spaceQuestionCount;
    profile.semicolonCount = c.semicolonCount;
    profile.capsWords = classifier.lists.capsWords;
    profile.capsWordCounts = classifier.lists.capsWordCounts;
    profile.unknownWords = classifier.lists.unknownWords;
    if (static_cast<double>(classifier.lists.unrecognisedWords.size()) >= 0.75 * profile.wordCount)
        return isFirst ? RefusalReason::FirstTextNotEnglish : RefusalReason::SecondTextNotEnglish;
    profile.symbolRuns = c.symbolRuns;
    profile.symbolRunCounts = c.symbolRunCounts;
    profile.letterCount = c.letterCount;
    profile.wordTokenCount = c.wordTokenCount;
    profile.exclamationCount = c.exclamationCount;
    profile.colonCount = c.colonCount;
    return profile;
}

} // namespace

ComparisonOutcome compareTexts(std::string_view firstPane, std::string_view secondPane, const ReferenceLists& lists,
    std::string_view dictionaryText)
{
    Normalised first = normaliseText(firstPane);
    Normalised second = normaliseText(secondPane);
    const std::int32_t firstEmoticons = countEmoticons(first.text, first.okCount, lists.emoticons, lists.emoticonWords);
    const std::int32_t secondEmoticons
        = countEmoticons(second.text, second.okCount, lists.emoticons, lists.emoticonWords);
    const std::string firstText = foldQuotes(first.text);
    const std::string secondText = foldQuotes(second.text);

    auto firstOutcome = profileText(firstText, true, lists, dictionaryText);
    if (const auto* refusal = std::get_if<RefusalReason>(&firstOutcome))
        return Refusal{*refusal};
    Comparison comparison;
    TextProfile& a = comparison.first;
    a = std::get<TextProfile>(firstOutcome);
    a.phraseCount = countPhrases(firstText, lists.phrases);
    auto secondOutcome = profileText(secondText, false, lists, dictionaryText);
    if (const auto* refusal = std::get_if<RefusalReason>(&secondOutcome))
        return Refusal{*refusal};
    TextProfile& b = comparison.second;
    b = std::get<TextProfile>(secondOutcome);
    comparison.sharedUnknownWords = findSharedUnknownWords(a.unknownWords, b.unknownWords);
    b.phraseCount = countPhrases(secondText, lists.phrases);
    a.okCount = first.okCount;
    b.okCount = second.okCount;
    a.emoticonCount = firstEmoticons;
    b.emoticonCount = secondEmoticons;

    a.wordTokenCount = std::max(a.wordTokenCount, 1);
    b.wordTokenCount = std::max(b.wordTokenCount, 1);
    ComparisonResult& t = comparison.terms;
    t.wordLengthPoints = wordLengthPoints(a, b);
    t.spaceBeforeMarkPoints = spaceBeforeMarkPoints(a, b);
    t.spaceAfterMarkPoints = spaceAfterMarkPoints(a, b);
    t.contractionPoints = contractionPoints(a.text, b.text, a.wordTokenCount, b.wordTokenCount);
    t.commaRatePoints = commaRatePoints(a, b);
    t.sharedSymbolRunPoints = sharedSymbolRunPoints(a.symbolRuns, b.symbolRuns);
    t.sharedCapsWordPoints = sharedCapsWordPoints(a.capsWords, a.capsWordCounts, b.capsWords, b.capsWordCounts);
    t.sharedUnknownWordPoints = quendry::sharedUnknownWordPoints(comparison.sharedUnknownWords.size());
    a.lowercaseSentenceStarts = countLowercaseSentenceStarts(a.text);
    b.lowercaseSentenceStarts = countLowercaseSentenceStarts(b.text);
    t.sentenceLengthPoints = sentenceLengthPoints(a, b);
    t.unknownWordRatePoints = unknownWordRatePoints(a, b);
    t.repeatedSymbolPoints = compareRepeatedMarks(a.symbolRuns, a.symbolRunCounts, b.symbolRuns, b.symbolRunCounts);
    t.exclamationPoints = exclamationPoints(a, b);
    t.colonPoints = colonPoints(a, b);
    t.semicolonPoints = semicolonPoints(a, b);
    t.unsharedSymbolRunPoints
        = unsharedSymbolRunPoints(a.symbolRuns, a.symbolRunCounts, a.wordCount, b.symbolRuns, b.symbolRunCounts, b.wordCount);
    t.loneSymbolPoints = loneSymbolPoints(a.text, b.text, a.wordCount, b.wordCount);
    t.lowercaseStartPoints = lowercaseStartPoints(a, b);
    t.phraseRatePoints = phraseRatePoints(a, b);
    t.otherSymbolRatePoints = otherSymbolRatePoints(a, b);
    t.lowercaseIPoints = lowercaseIPoints(a, b);
    t.emoticonRatePoints = emoticonRatePoints(a, b);
    t.capsWordRatePoints = capsWordRatePoints(a, b);
    t.plainCharsetPoints = plainCharsetPoints(a.text, b.text);
    t.hyphenSpacingPoints = hyphenSpacingPoints(a.text, b.text);
    t.specialCharPoints = specialCharPoints(a, b);
    t.ampersandPoints = ampersandPoints(a.text, b.text);
    comparison.score = verdictScore(t, {a.letterCount, b.letterCount, a.wordTokenCount, b.wordTokenCount});
    comparison.percent = shownPercent(comparison.score);
    return comparison;
}

} // namespace quendry::reference
