#include "analysis/run/Analyzer.h"

#include "analysis/features/Contractions.h"
#include "analysis/features/Habits.h"
#include "analysis/features/Phrases.h"
#include "analysis/features/Spacing.h"
#include "analysis/lists/BuiltInTables.h"
#include "analysis/profile/CharacterProfile.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/Normaliser.h"
#include "analysis/profile/RepeatedMarks.h"
#include "analysis/profile/Sentences.h"
#include "analysis/profile/WordClassifier.h"
#include "analysis/run/Rules.h"
#include "analysis/run/Verdict.h"

#include <algorithm>
#include <optional>

namespace quendry {

// Everything an analyzer prepares once from its lists: prepared now from lists given, or the
// tables prepared when the program was built for the lists built into it.
class PreparedLists {
public:
    explicit PreparedLists(const ReferenceLists& lists)
        : emoticonKeywords(lists.emoticons)
        , names(nameDictionary(lists.names))
        , emoticons(lists.emoticons, lists.emoticonWords)
        , phrases(lists.phrases)
    {
    }

    explicit PreparedLists(const BuiltInTables& tables)
        : emoticonKeywords(tables.emoticons)
        , names(tables.names)
        , emoticons(tables.emoticonGroups, tables.emoticonWordsAfterMarks)
        , phrases(tables.phrases, tables.phrasesHaveSpacePairs)
    {
    }

    EmoticonKeywords emoticonKeywords;
    Dictionary names;        // the name list, looked up as '#' + NAME + '#'
    EmoticonPatterns emoticons;
    PhrasePatterns phrases;
    // Depends on no list.
    const ContractionFormTable& contractionForms = ContractionFormTable::builtIn();
};

namespace {

constexpr int fixedStepsPerText = 5;

// The passes over one normalised text, from the emoticons on; the listener hears the character
// pass and the fixed steps.
TextProfile finishProfile(NormalisedText normalised, const PreparedLists& prepared, const Dictionary& dictionary,
    ProgressListener& progress)
{
    TextProfile profile;
    // Emoticons are counted on the text as written, before the quotes are folded, so that
    // emoticons made with typographic quotes are still found.
    profile.okCount = normalised.okCount;
    profile.emoticonCount = countEmoticons(normalised.text, normalised.okCount, prepared.emoticons);
    const std::string text = foldQuotes(std::move(normalised.text));
    profile.sentenceCount = countSentences(text);

    WordClassifier classifier(dictionary, prepared.names, prepared.emoticonKeywords);
    // The contraction forms are counted on the character pass's word tokens, which are the
    // runs of letters and apostrophes of the text without its line feeds.
    ContractionCounter contractions(prepared.contractionForms);
    profile.characters = profileCharacters(stripLineFeeds(text), classifier, progress,
        [&contractions](std::string_view token) { contractions.addWord(token); });
    profile.contractionForms = contractions.forms();
    WordLists words = classifier.takeLists();
    profile.capsWords = std::move(words.capsWords);
    profile.unknownWords = std::move(words.unknownWords);

    const std::int32_t wordCount = profile.characters.wordCount;
    if (wordCount <= 5)
        profile.refusal = TextRefusal::TooSmall;
    else if (static_cast<double>(words.unrecognisedWordCount) >= 0.75 * wordCount)
        profile.refusal = TextRefusal::NotEnglish;
    if (profile.refusal != TextRefusal::None) {
        progress.advanced(fixedStepsPerText);
        return profile;
    }

    profile.phraseCount = countPhrases(text, prepared.phrases);
    profile.lowercaseSentenceStarts = countLowercaseSentenceStarts(text);
    indexProfile(profile, text);
    progress.advanced(fixedStepsPerText);
    return profile;
}

std::optional<RefusalReason> refusalOf(const TextProfile& profile, bool isFirst)
{
    switch (profile.refusal) {
    case TextRefusal::None:
        return std::nullopt;
    case TextRefusal::TooSmall:
        return isFirst ? RefusalReason::FirstTextTooSmall : RefusalReason::SecondTextTooSmall;
    case TextRefusal::NotEnglish:
        return isFirst ? RefusalReason::FirstTextNotEnglish : RefusalReason::SecondTextNotEnglish;
    }
    return std::nullopt;
}

} // namespace

Analyzer::Analyzer()
    : m_prepared(std::make_unique<const PreparedLists>(builtInTables()))
{
}

Analyzer::Analyzer(ReferenceLists lists)
    : m_prepared(std::make_unique<const PreparedLists>(lists))
{
}

Analyzer::~Analyzer() = default;
Analyzer::Analyzer(Analyzer&&) noexcept = default;
Analyzer& Analyzer::operator=(Analyzer&&) noexcept = default;

TextProfile Analyzer::profile(std::string_view text, const Dictionary& dictionary, ProgressListener* listener) const
{
    ProgressListener silent;
    ProgressListener& progress = listener ? *listener : silent;
    progress.started(progressSteps(text.size()) + fixedStepsPerText);
    NormalisedText normalised = normaliseText(text);
    progress.normalised();
    TextProfile profile = finishProfile(std::move(normalised), *m_prepared, dictionary, progress);
    progress.filled();
    return profile;
}

ComparisonOutcome Analyzer::compare(std::string_view firstText, std::string_view secondText,
    const Dictionary& dictionary, ProgressListener* listener) const
{
    ProgressListener silent;
    ProgressListener& progress = listener ? *listener : silent;
    progress.started(progressSteps(firstText.size()) + progressSteps(secondText.size()) + 2 * fixedStepsPerText + 1);
    NormalisedText first = normaliseText(firstText);
    NormalisedText second = normaliseText(secondText);
    progress.normalised();
    TextProfile firstProfile = finishProfile(std::move(first), *m_prepared, dictionary, progress);
    if (const auto refusal = refusalOf(firstProfile, true))
        return Refusal{*refusal};
    TextProfile secondProfile = finishProfile(std::move(second), *m_prepared, dictionary, progress);
    const auto refusal = refusalOf(secondProfile, false);
    ComparisonOutcome outcome = refusal ? ComparisonOutcome{Refusal{*refusal}}
                                        : compareOwned(std::move(firstProfile), std::move(secondProfile));
    progress.filled();
    return outcome;
}

ComparisonOutcome Analyzer::compare(const TextProfile& first, const TextProfile& second) const
{
    if (const auto refusal = refusalOf(first, true))
        return Refusal{*refusal};
    if (const auto refusal = refusalOf(second, false))
        return Refusal{*refusal};
    return compareOwned(first, second);
}

// The comparison keeps both profiles: a caller's profiles are copied into it, the two made for a
// comparison of two texts are moved.
ComparisonOutcome Analyzer::compareOwned(TextProfile first, TextProfile second)
{
    Comparison comparison;
    comparison.first = std::move(first);
    comparison.second = std::move(second);
    TextProfile& a = comparison.first;
    TextProfile& b = comparison.second;
    comparison.sharedUnknownWords = findSharedUnknownWords(a, b);

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
    t.sharedSymbolRunPoints = sharedSymbolRunPoints(a, b);
    t.sharedCapsWordPoints = sharedCapsWordPoints(a, b);
    t.sharedUnknownWordPoints = sharedUnknownWordPoints(comparison.sharedUnknownWords.size());
    t.sentenceLengthPoints = sentenceLengthPoints(a, b);
    t.unknownWordRatePoints = unknownWordRatePoints(a, b);
    t.repeatedSymbolPoints = compareRepeatedMarks(a.repeatedMarks, b.repeatedMarks);
    t.exclamationPoints = exclamationPoints(a, b);
    t.colonPoints = colonPoints(a, b);
    t.semicolonPoints = semicolonPoints(a, b);
    t.unsharedSymbolRunPoints = unsharedSymbolRunPoints(a, b);
    t.loneSymbolPoints
        = loneSymbolPoints(a.loneSymbols, b.loneSymbols, a.characters.wordCount, b.characters.wordCount);
    t.lowercaseStartPoints = lowercaseStartPoints(a, b);
    t.phraseRatePoints = phraseRatePoints(a, b);
    t.otherSymbolRatePoints = otherSymbolRatePoints(a, b);
    t.lowercaseIPoints = lowercaseIPoints(a, b);
    t.emoticonRatePoints = emoticonRatePoints(a, b);
    t.capsWordRatePoints = capsWordRatePoints(a, b);
    t.plainCharsetPoints = plainCharsetPoints(a, b);
    t.hyphenSpacingPoints = hyphenSpacingPoints(a.hyphenSpacing, b.hyphenSpacing);
    t.specialCharPoints = specialCharPoints(a, b);
    t.ampersandPoints = ampersandPoints(a, b);

    comparison.score
        = verdictScore(t, {a.characters.letterCount, b.characters.letterCount, firstTokens, secondTokens});
    comparison.percent = shownPercent(comparison.score);
    return comparison;
}

DictionaryFile::DictionaryFile(std::filesystem::path path)
    : m_path(std::move(path))
{
}

std::shared_ptr<const Dictionary> DictionaryFile::load()
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(m_path, error);
    const bool sized = !error;
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(m_path, error);
    const bool stamped = sized && !error;
    if (m_dictionary && stamped && m_known && size == m_size && modified == m_modified)
        return m_dictionary;
    m_dictionary = std::make_shared<const Dictionary>(Dictionary::fromFile(m_path));
    m_known = stamped;
    m_size = size;
    m_modified = modified;
    return m_dictionary;
}

} // namespace quendry
