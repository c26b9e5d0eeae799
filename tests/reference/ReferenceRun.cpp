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
    profile.sentenceCount = countSentences(text);
    Classifier classifier(dictionaryText, lists.names, lists.emoticons);
    profile.characters = profileCharacters(stripLineFeeds(text), classifier);
    if (profile.characters.wordCount <= 5)
        return isFirst ? RefusalReason::FirstTextTooSmall : RefusalReason::SecondTextTooSmall;
    profile.capsWords = classifier.lists.capsWords;
    profile.unknownWords = classifier.lists.unknownWords;
    if (static_cast<double>(classifier.lists.unrecognisedWords.size()) >= 0.75 * profile.characters.wordCount)
        return isFirst ? RefusalReason::FirstTextNotEnglish : RefusalReason::SecondTextNotEnglish;
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

    CharacterProfile& ac = a.characters;
    CharacterProfile& bc = b.characters;
    ac.wordTokenCount = std::max(ac.wordTokenCount, 1);
    bc.wordTokenCount = std::max(bc.wordTokenCount, 1);
    ComparisonResult& t = comparison.terms;
    t.wordLengthPoints = wordLengthPoints(a, b);
    t.spaceBeforeMarkPoints = spaceBeforeMarkPoints(a, b);
    t.spaceAfterMarkPoints = spaceAfterMarkPoints(a, b);
    t.contractionPoints = contractionPoints(firstText, secondText, ac.wordTokenCount, bc.wordTokenCount);
    t.commaRatePoints = commaRatePoints(a, b);
    t.sharedSymbolRunPoints = sharedSymbolRunPoints(ac.symbolRuns, bc.symbolRuns);
    t.sharedCapsWordPoints = sharedCapsWordPoints(a.capsWords, b.capsWords);
    t.sharedUnknownWordPoints = quendry::sharedUnknownWordPoints(comparison.sharedUnknownWords.size());
    a.lowercaseSentenceStarts = countLowercaseSentenceStarts(firstText);
    b.lowercaseSentenceStarts = countLowercaseSentenceStarts(secondText);
    t.sentenceLengthPoints = sentenceLengthPoints(a, b);
    t.unknownWordRatePoints = unknownWordRatePoints(a, b);
    t.repeatedSymbolPoints = reference::compareRepeatedMarks(ac.symbolRuns, bc.symbolRuns);
    t.exclamationPoints = exclamationPoints(a, b);
    t.colonPoints = colonPoints(a, b);
    t.semicolonPoints = semicolonPoints(a, b);
    t.unsharedSymbolRunPoints = unsharedSymbolRunPoints(ac.symbolRuns, ac.wordCount, bc.symbolRuns, bc.wordCount);
    t.loneSymbolPoints = loneSymbolPoints(firstText, secondText, ac.wordCount, bc.wordCount);
    t.lowercaseStartPoints = lowercaseStartPoints(a, b);
    t.phraseRatePoints = phraseRatePoints(a, b);
    t.otherSymbolRatePoints = otherSymbolRatePoints(a, b);
    t.lowercaseIPoints = lowercaseIPoints(a, b);
    t.emoticonRatePoints = emoticonRatePoints(a, b);
    t.capsWordRatePoints = capsWordRatePoints(a, b);
    t.plainCharsetPoints = plainCharsetPoints(firstText, secondText);
    t.hyphenSpacingPoints = hyphenSpacingPoints(firstText, secondText);
    t.specialCharPoints = specialCharPoints(a, b);
    t.ampersandPoints = ampersandPoints(firstText, secondText);
    comparison.score = verdictScore(t, {ac.letterCount, bc.letterCount, ac.wordTokenCount, bc.wordTokenCount});
    comparison.percent = shownPercent(comparison.score);
    return comparison;
}

} // namespace quendry::reference
