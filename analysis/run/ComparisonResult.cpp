#include "analysis/run/ComparisonResult.h"

namespace quendry {

const std::array<TermInfo, termCount>& termTable()
{
    using R = ComparisonResult;
    static const std::array<TermInfo, termCount> table{{
        {"sharedSymbolRunPoints", &R::sharedSymbolRunPoints,
         "both texts use the same groups of punctuation marks (such as \"...\" or \"!!\")", ""},
        {"sharedCapsWordPoints", &R::sharedCapsWordPoints,
         "both texts use the same words written in capitals", ""},
        {"sharedUnknownWordPoints", &R::sharedUnknownWordPoints,
         "both texts use the same words that are not in the dictionary", ""},
        {"wordLengthPoints", &R::wordLengthPoints, "",
         "the average word lengths of the texts differ"},
        {"spaceBeforeMarkPoints", &R::spaceBeforeMarkPoints, "",
         "the texts differ in putting a space before commas, full stops and question marks"},
        {"spaceAfterMarkPoints", &R::spaceAfterMarkPoints, "",
         "the texts differ in putting a space after commas, full stops and question marks"},
        {"commaRatePoints", &R::commaRatePoints, "neither long text uses a single comma",
         "the texts use commas at very different rates"},
        {"contractionPoints", &R::contractionPoints,
         "neither long text uses contractions such as \"don't\" nor their full forms",
         "the texts differ in writing contractions (\"don't\") or full forms (\"do not\")"},
        {"ampersandPoints", &R::ampersandPoints, "both texts use the ampersand \"&\"", ""},
        {"sentenceLengthPoints", &R::sentenceLengthPoints,
         "the texts have almost the same average sentence length",
         "the texts end their sentences with very different average lengths"},
        {"unknownWordRatePoints", &R::unknownWordRatePoints, "",
         "the texts use words that are not in the dictionary at very different rates"},
        {"repeatedSymbolPoints", &R::repeatedSymbolPoints,
         "both texts repeat the same punctuation mark (such as \"!!!\" or \"...\")", ""},
        {"exclamationPoints", &R::exclamationPoints, "both texts use exclamation marks", ""},
        {"colonPoints", &R::colonPoints, "both texts use colons", ""},
        {"semicolonPoints", &R::semicolonPoints, "both texts use semicolons", ""},
        {"unsharedSymbolRunPoints", &R::unsharedSymbolRunPoints, "",
         "one text often uses a group of punctuation marks that the other never uses"},
        {"loneSymbolPoints", &R::loneSymbolPoints, "",
         "one text often uses a symbol standing on its own that the other never uses so"},
        {"lowercaseStartPoints", &R::lowercaseStartPoints, "",
         "only one text starts sentences with a small letter"},
        {"otherSymbolRatePoints", &R::otherSymbolRatePoints, "",
         "the texts use symbols other than ordinary punctuation at very different rates"},
        {"lowercaseIPoints", &R::lowercaseIPoints, "both texts write \"i\" in lowercase as a word",
         "only one text writes \"i\" in lowercase as a word"},
        {"emoticonRatePoints", &R::emoticonRatePoints, "",
         "the texts use emoticons at very different rates"},
        {"capsWordRatePoints", &R::capsWordRatePoints, "",
         "the texts use words written in capitals at very different rates"},
        {"plainCharsetPoints", &R::plainCharsetPoints,
         "both texts use only letters, digits and the plainest punctuation", ""},
        {"hyphenSpacingPoints", &R::hyphenSpacingPoints,
         "both texts space their dashes in the same way", ""},
        {"specialCharPoints", &R::specialCharPoints,
         "both texts use unusual characters, such as accented letters or the section sign", ""},
        {"phraseRatePoints", &R::phraseRatePoints, "",
         "only one text uses stock phrases and idioms"},
    }};
    return table;
}

} // namespace quendry
