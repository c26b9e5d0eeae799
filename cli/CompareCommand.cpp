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

Json textProfileJson(const TextProfile& p)
{
    Json json;
    json["okCount"] = p.okCount;
    json["emoticonCount"] = p.emoticonCount;
    json["sentenceCount"] = p.sentenceCount;
    json["wordCount"] = p.wordCount;
    json["commaCount"] = p.commaCount;
    json["periodCount"] = p.periodCount;
    json["spaceCommaCount"] = p.spaceCommaCount;
    json["spacePeriodCount"] = p.spacePeriodCount;
    json["commaSpaceCount"] = p.commaSpaceCount;
    json["periodSpaceCount"] = p.periodSpaceCount;
    json["specialChars"] = stringList(p.specialChars);
    json["lowercaseIFlag"] = p.lowercaseIFlag;
    json["questionMarkCount"] = p.questionMarkCount;
    json["spaceQuestionCount"] = p.spaceQuestionCount;
    json["questionSpaceCount"] = p.questionSpaceCount;
    json["otherSymbolCount"] = p.otherSymbolCount;
    json["semicolonCount"] = p.semicolonCount;
    json["exclamationCount"] = p.exclamationCount;
    json["colonCount"] = p.colonCount;
    json["letterCount"] = p.letterCount;
    json["wordTokenCount"] = p.wordTokenCount;
    json["symbolRuns"] = stringList(p.symbolRuns);
    json["symbolRunCounts"] = p.symbolRunCounts;
    json["capsWords"] = stringList(p.capsWords);
    json["capsWordCounts"] = p.capsWordCounts;
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
