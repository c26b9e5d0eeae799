#pragma once

#include "analysis/batch/TextScorer.h"

#include <nlohmann/json.hpp>

#include <string>

namespace quendry::cli {

using Json = nlohmann::ordered_json;

// The 26 terms by name, in the verdict's order.
Json termsJson(const ComparisonResult& terms);

// A comparison of two texts as fields of an object: "percent", "score" and "terms", or "refused"
// with the message. Compared piece by piece, "percent" is the median and "lowest", "highest" and
// "pieces" (each pair's piece numbers and outcome) follow.
void addScore(Json& object, const TextScore& score, bool inPieces);

// One line of JSON Lines; strings that are not UTF-8 are repaired rather than refused.
std::string jsonLine(const Json& object);

} // namespace quendry::cli
