#include "cli/CompareCommand.h"

#include "analysis/profile/Windows1252.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quendry::cli {
namespace {

using Json = nlohmann::ordered_json;

Json stringList(const StringList& list)
{
    Json array = Json::array();
    for (const std::string& item : list)
        array.push_back(windows1252ToUtf8(item));
    return array;
}

// The texts of the entries, then their counts, as two arrays of the same length.
void putCountedTexts(Json& json, const char* textsKey, const char* countsKey, const CountedTexts& entries)
{
    Json texts = Json::array();
    Json counts = Json::array();
    for (const CountedText& entry : entries) {
        texts.push_back(windows1252ToUtf8(entry.text));
        counts.push_back(entry.count);
    }
    json[textsKey] = std::move(texts);
    json[countsKey] = std::move(counts);
}

Json textProfileJson(const TextProfile& p)
{
    const CharacterProfile& c = p.characters;
    Json json;
    json["okCount"] = p.okCount;
    json["emoticonCount"] = p.emoticonCount;
    json["sentenceCount"] = p.sentenceCount;
    json["wordCount"] = c.wordCount;
    json["commaCount"] = c.commaCount;
    json["periodCount"] = c.periodCount;
    json["spaceCommaCount"] = c.spaceCommaCount;
    json["spacePeriodCount"] = c.spacePeriodCount;
    json["commaSpaceCount"] = c.commaSpaceCount;
    json["periodSpaceCount"] = c.periodSpaceCount;
    json["specialChars"] = stringList(c.specialChars);
    json["lowercaseIFlag"] = c.lowercaseIFlag;
    json["questionMarkCount"] = c.questionMarkCount;
    json["spaceQuestionCount"] = c.spaceQuestionCount;
    json["questionSpaceCount"] = c.questionSpaceCount;
    json["otherSymbolCount"] = c.otherSymbolCount;
    json["semicolonCount"] = c.semicolonCount;
    json["exclamationCount"] = c.exclamationCount;
    json["colonCount"] = c.colonCount;
    json["letterCount"] = c.letterCount;
    json["wordTokenCount"] = c.wordTokenCount;
    putCountedTexts(json, "symbolRuns", "symbolRunCounts", c.symbolRuns);
    putCountedTexts(json, "capsWords", "capsWordCounts", p.capsWords);
    json["unknownWords"] = stringList(p.unknownWords);
    json["phraseCount"] = p.phraseCount;
    json["lowercaseSentenceStarts"] = p.lowercaseSentenceStarts;
    return json;
}

Json termValue(const TermInfo& term, const ComparisonResult& terms)
{
    const double value = term.valueIn(terms);
    if (term.isInteger())
        return static_cast<std::int64_t>(value);
    return value;
}

} // namespace

std::string formatPoints(double points)
{
    char buffer[64];
    if (points == std::floor(points))
        std::snprintf(buffer, sizeof buffer, "%+.0f", points);
    else
        std::snprintf(buffer, sizeof buffer, "%+.2f", points);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
    }
    return text;
}

std::string comparisonJson(const Comparison& comparison, bool withExplanation)
{
    Json json;
    json["percent"] = comparison.percent;
    json["score"] = comparison.score;
    Json terms = Json::object();
    for (const TermInfo& term : termTable())
        terms[std::string(term.name)] = termValue(term, comparison.terms);
    json["terms"] = terms;
    json["first"] = textProfileJson(comparison.first);
    json["second"] = textProfileJson(comparison.second);
    json["sharedUnknownWords"] = stringList(comparison.sharedUnknownWords);
    if (withExplanation) {
        Json lines = Json::array();
        for (const ExplanationLine& line : explain(comparison.terms))
            lines.push_back({{"term", line.term}, {"points", line.points}, {"reason", line.reason}});
        json["explanation"] = lines;
    }
    return json.dump();
}

std::string refusalJson(const Refusal& refusal)
{
    Json json;
    json["refused"] = refusal.message();
    return json.dump();
}

} // namespace quendry::cli
