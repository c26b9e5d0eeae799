#include "analysis/run/TwoTextComparison.h"

#include "analysis/features/Contractions.h"
#include "analysis/features/Habits.h"
#include "analysis/features/Phrases.h"
#include "analysis/features/Spacing.h"
#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/profile/RepeatedMarks.h"
#include "analysis/profile/Sentences.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/ProgressListener.h"
#include "analysis/run/Rules.h"
#include "analysis/run/Verdict.h"

#include <algorithm>

namespace quendry {
namespace {

// Profiles one text: its sentences, its characters and its words, unless the text is
// refused for its size or its language, which then gives the reason instead.
std::variant<TextProfile, RefusalReason> profileText(const std::string& text, bool isFirst,
    const ReferenceData& reference, const Dictionary& dictionary, ProgressListener& progress)
{
    TextProfile profile;
    profile.sentenceCount = countSentences(text);

    WordClassifier classifier(dictionary, reference.names, reference.emoticonKeywords);
    // The contraction forms are counted on the character pass's word tokens, which are the
    // runs of letters and apostrophes of the text without its line feeds.
    ContractionCounter contractions(reference.contractionForms);
    profile.characters = profileCharacters(stripLineFeeds(text), classifier, progress,
        [&contractions](std::string_view token) { contractions.addWord(token); });
    profile.contractionForms = contractions.forms();
    if (profile.characters.wordCount <= 5)
        return isFirst ? RefusalReason::FirstTextTooSmall : RefusalReason::SecondTextTooSmall;

    WordLists words = classifier.takeLists();
    profile.capsWords = std::move(words.capsWords);
    profile.unknownWords = std::move(words.unknownWords);
    if (static_cast<double>(words.unrecognisedWordCount) >= 0.75 * profile.characters.wordCount)
        return isFirst ? RefusalReason::FirstTextNotEnglish : RefusalReason::SecondTextNotEnglish;
    return profile;
}

} // namespace

ReferenceData::ReferenceData(ReferenceLists referenceLists)
    : lists(std::move(referenceLists))
    , names(nameDictionary(lists.names))
    , emoticonKeywords(lists.emoticons)
    , emoticons(lists.emoticons, lists.emoticonWords)
    , phrases(lists.phrases)
{
}

ComparisonOutcome compareTexts(std::string_view firstPaneText, std::string_view secondPaneText,
    const ReferenceData& reference, const Dictionary& dictionary, ProgressListener* listener)
{
    ProgressListener silent;
    ProgressListener& progress = listener ? *listener : silent;
    progress.started(progressSteps(firstPaneText.size()) + progressSteps(secondPaneText.size()) + 11);

    NormalisedText first = normaliseText(firstPaneText);
    NormalisedText second = normaliseText(secondPaneText);
    progress.normalised();

    // Emoticons are counted on the texts as written, before the quotes are folded, so that
    // emoticons made with typographic quotes are still found.
    const std::int32_t firstEmoticons
        = countEmoticons(first.text, first.okCount, reference.emoticons);
    const std::int32_t secondEmoticons
        = countEmoticons(second.text, second.okCount, reference.emoticons);
    const std::string firstText = foldQuotes(std::move(first.text));
    const std::string secondText = foldQuotes(std::move(second.text));

    auto firstOutcome = profileText(firstText, true, reference, dictionary, progress);
    if (auto* refusal = std::get_if<RefusalReason>(&firstOutcome))
        return Refusal{*refusal};
    Comparison comparison;
    TextProfile& a = comparison.first;
    a = std::move(std::get<TextProfile>(firstOutcome));
    a.phraseCount = countPhrases(firstText, reference.phrases);

    auto secondOutcome = profileText(secondText, false, reference, dictionary, progress);
    if (auto* refusal = std::get_if<RefusalReason>(&secondOutcome))
        return Refusal{*refusal};
    TextProfile& b = comparison.second;
    b = std::move(std::get<TextProfile>(secondOutcome));
    comparison.sharedUnknownWords = findSharedUnknownWords(a.unknownWords, b.unknownWords);
    progress.advanced(1);
    b.phraseCount = countPhrases(secondText, reference.phrases);
    progress.advanced(3);

    a.okCount = first.okCount;
    b.okCount = second.okCount;
    // The rules that compare lists read them through the profiles' indexes.
    a.lowercaseSentenceStarts = countLowercaseSentenceStarts(firstText);
    b.lowercaseSentenceStarts = countLowercaseSentenceStarts(secondText);
    indexProfile(a, firstText);
    indexProfile(b, secondText);
    a.emoticonCount = firstEmoticons;
    b.emoticonCount = secondEmoticons;

    // The comparison step: from here on every word-token count is at least 1.
    std::int32_t& firstTokens = a.characters.wordTokenCount;
    std::int32_t& secondTokens = b.characters.wordTokenCount;
    firstTokens = std::max(firstTokens, 1);
    secondTokens = std::max(secondTokens, 1);
    ComparisonResult& t = comparison.terms;
    t.wordLengthPoints = wordLengthPoints(a, b);
    t.spaceBeforeMarkPoints = spaceBeforeMarkPoints(a, b);
    t.spaceAfterMarkPoints = spaceAfterMarkPoints(a, b);
    t.contractionPoints = contractionPoints(a.contractionForms, b.contractionForms, firstTokens, secondTokens);
    t.commaRatePoints = commaRatePoints(a, b);
    progress.advanced(1);

    t.sharedSymbolRunPoints = sharedSymbolRunPoints(a, b);
    progress.advanced(1);
    t.sharedCapsWordPoints = sharedCapsWordPoints(a, b);
    t.sharedUnknownWordPoints = sharedUnknownWordPoints(comparison.sharedUnknownWords.size());
    progress.advanced(1);

    t.sentenceLengthPoints = sentenceLengthPoints(a, b);
    t.unknownWordRatePoints = unknownWordRatePoints(a, b);
    t.repeatedSymbolPoints = compareRepeatedMarks(a.characters.symbolRuns, b.characters.symbolRuns);
    t.exclamationPoints = exclamationPoints(a, b);
    progress.advanced(1);

    t.colonPoints = colonPoints(a, b);
    t.semicolonPoints = semicolonPoints(a, b);
    t.unsharedSymbolRunPoints = unsharedSymbolRunPoints(a, b);
    t.loneSymbolPoints = loneSymbolPoints(firstText, secondText, a.characters.wordCount, b.characters.wordCount);
    t.lowercaseStartPoints = lowercaseStartPoints(a, b);
    t.phraseRatePoints = phraseRatePoints(a, b);
    t.otherSymbolRatePoints = otherSymbolRatePoints(a, b);
    t.lowercaseIPoints = lowercaseIPoints(a, b);
    progress.advanced(1);

    t.emoticonRatePoints = emoticonRatePoints(a, b);
    progress.advanced(1);

    t.capsWordRatePoints = capsWordRatePoints(a, b);
    t.plainCharsetPoints = plainCharsetPoints(a, b);
    t.hyphenSpacingPoints = hyphenSpacingPoints(firstText, secondText);
    t.specialCharPoints = specialCharPoints(a, b);
    t.ampersandPoints = ampersandPoints(a, b);
    progress.filled();

    comparison.score
        = verdictScore(t, {a.characters.letterCount, b.characters.letterCount, firstTokens, secondTokens});
    comparison.percent = shownPercent(comparison.score);
    return comparison;
}

} // namespace quendry
