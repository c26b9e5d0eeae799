#include "analysis/run/ComparisonResult.h"

#include <algorithm>
#include <cmath>

namespace quendry {

namespace {

using R = ComparisonResult;

constexpr std::array<TermInfo, termCount> table{{
    {"sharedSymbolRunPoints", &R::sharedSymbolRunPoints,
     "both texts use the same groups of punctuation marks, such as \"?!\" or \"...\"", ""},
    {"sharedCapsWordPoints", &R::sharedCapsWordPoints,
     "both texts use the same words written all in capitals, such as \"NASA\" (6 points a shared use)", ""},
    {"sharedUnknownWordPoints", &R::sharedUnknownWordPoints,
     "both texts use the same unusual words that the dictionary does not know", ""},
    {"wordLengthPoints", &R::wordLengthPoints, "",
     "the words of one text are on average clearly longer than those of the other"},
    {"spaceBeforeMarkPoints", &R::spaceBeforeMarkPoints, "",
     "one text puts a space before its commas, full stops and question marks much more often than the other"},
    {"spaceAfterMarkPoints", &R::spaceAfterMarkPoints, "",
     "one text leaves a space after its commas, full stops and question marks much more often than the other"},
    {"commaRatePoints", &R::commaRatePoints,
     "neither text uses a single comma, though both are long enough to need one",
     "one text uses commas far more often than the other"},
    {"contractionPoints", &R::contractionPoints,
     "neither text uses any contraction such as \"don't\", nor its full form such as \"do not\"",
     "the texts differ in contractions: one writes \"don't\" where the other writes \"do not\", "
     "or only one uses such forms at all"},
    {"ampersandPoints", &R::ampersandPoints, "both texts use the ampersand \"&\"", ""},
    {"sentenceLengthPoints", &R::sentenceLengthPoints,
     "the sentences of both texts have almost the same average length",
     "the sentences of one text are on average much longer than those of the other"},
    {"unknownWordRatePoints", &R::unknownWordRatePoints, "",
     "one text uses words that the dictionary does not know far more often than the other"},
    {"repeatedSymbolPoints", &R::repeatedSymbolPoints,
     "both texts repeat the same punctuation mark, such as \"!!!\" or \"...\"", ""},
    {"exclamationPoints", &R::exclamationPoints,
     "both texts use exclamation marks (6 points for each use in the text that uses fewer, at most 42)", ""},
    {"colonPoints", &R::colonPoints, "both texts use colons (15 points for each use in the text that uses fewer)",
     ""},
    {"semicolonPoints", &R::semicolonPoints,
     "both texts use semicolons (15 points for each use in the text that uses fewer)", ""},
    {"unsharedSymbolRunPoints", &R::unsharedSymbolRunPoints, "",
     "one text repeatedly uses a group of punctuation marks, such as \"?!\" or \"--\", that the other never uses"},
    {"loneSymbolPoints", &R::loneSymbolPoints, "",
     "one text repeatedly puts a symbol on its own between words, such as \" ; \" or \" / \", and the other "
     "never does"},
    {"lowercaseStartPoints", &R::lowercaseStartPoints, "",
     "only one text starts sentences with a small letter, and does so repeatedly"},
    {"otherSymbolRatePoints", &R::otherSymbolRatePoints, "",
     "one text uses quotes, brackets, \"!\", \";\" and similar marks far more often than the other"},
    {"lowercaseIPoints", &R::lowercaseIPoints, "both texts write the word \"I\" as a small \"i\"",
     "only one text writes the word \"I\" as a small \"i\""},
    {"emoticonRatePoints", &R::emoticonRatePoints, "",
     "one text uses emoticons such as \":-)\" far more often than the other"},
    {"capsWordRatePoints", &R::capsWordRatePoints, "",
     "words written all in capitals are far more frequent in one text than in the other (when neither "
     "has any: one text is far longer than the other)"},
    {"plainCharsetPoints", &R::plainCharsetPoints,
     "both texts use nothing but letters, digits, spaces and the plainest marks: . , ? -", ""},
    {"hyphenSpacingPoints", &R::hyphenSpacingPoints,
     "both texts space their dashes the same way, such as \"word - word\" or \"word -word\"", ""},
    {"specialCharPoints", &R::specialCharPoints,
     "both texts use uncommon characters, such as a long dash, a curly brace or the section sign "
     "(more when they share one)", ""},
    {"phraseRatePoints", &R::phraseRatePoints, "",
     "only one text uses set phrases such as \"by the way\" or \"at last\", and uses several"},
}};

} // namespace

const std::array<TermInfo, termCount>& termTable()
{
    return table;
}

std::vector<ExplanationLine> explain(const ComparisonResult& terms)
{
    std::vector<ExplanationLine> lines;
    for (const TermInfo& term : table) {
        const double value = term.valueIn(terms);
        if (value == 0.0)
            continue;
        lines.push_back({term.name, value, value > 0 ? term.rewardReason : term.penaltyReason});
    }
    std::stable_sort(lines.begin(), lines.end(),
        [](const ExplanationLine& a, const ExplanationLine& b) { return std::fabs(a.points) > std::fabs(b.points); });
    return lines;
}

} // namespace quendry
