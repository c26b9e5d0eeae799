#include "cli/ScoreJson.h"

namespace quendry::cli {
namespace {

void addOutcome(Json& object, const PairOutcome& outcome)
{
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        object["refused"] = refusal->message();
        return;
    }
    const auto& verdict = std::get<PairVerdict>(outcome);
    object["percent"] = verdict.percent;
    object["score"] = verdict.score;
    object["terms"] = termsJson(verdict.terms);
}

} // namespace

Json termsJson(const ComparisonResult& terms)
{
    Json json = Json::object();
    for (const TermInfo& term : termTable()) {
        const double value = term.valueIn(terms);
        if (term.isInteger())
            json[std::string(term.name)] = static_cast<std::int64_t>(value);
        else
            json[std::string(term.name)] = value;
    }
    return json;
}

void addScore(Json& object, const TextScore& score, bool inPieces)
{
    if (!inPieces) {
        if (!score.pieces.empty())
            addOutcome(object, score.pieces.front().outcome);
        return;
    }
    if (score.refusal)
        object["refused"] = score.refusal->message();
    else {
        object["percent"] = score.percent;
        object["lowest"] = score.lowest;
        object["highest"] = score.highest;
    }
    Json pieces = Json::array();
    for (const PieceResult& piece : score.pieces) {
        Json entry;
        entry["first"] = piece.first;
        entry["second"] = piece.second;
        addOutcome(entry, piece.outcome);
        pieces.push_back(std::move(entry));
    }
    object["pieces"] = std::move(pieces);
}

std::string jsonLine(const Json& object)
{
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace quendry::cli
