#include "analysis/batch/TextScorer.h"

#include "analysis/batch/TextPieces.h"

#include <algorithm>

namespace quendry {

std::string_view textRefusalMessage(TextRefusal refusal)
{
    switch (refusal) {
    case TextRefusal::TooSmall:
        return "The text is too small to be analyzed.";
    case TextRefusal::NotEnglish:
        return "Too few English words for analysis in the text.";
    case TextRefusal::None:
        break;
    }
    return {};
}

TextScorer::TextScorer(const Analyzer& analyzer, const Dictionary& dictionary, int pieceWords)
    : m_analyzer(analyzer)
    , m_dictionary(dictionary)
    , m_pieceWords(std::max(pieceWords, 0))
{
}

PreparedText TextScorer::prepare(std::string_view text) const
{
    PreparedText prepared;
    if (m_pieceWords == 0) {
        prepared.pieces.push_back({m_analyzer.profile(text, m_dictionary)});
    } else {
        for (const std::string_view piece : cutIntoPieces(text, m_pieceWords))
            prepared.pieces.push_back({m_analyzer.profile(piece, m_dictionary)});
    }
    const auto usable = std::find_if(prepared.pieces.begin(), prepared.pieces.end(),
        [](const PreparedPiece& piece) { return piece.profile.refusal == TextRefusal::None; });
    if (prepared.pieces.empty())
        prepared.refusal = TextRefusal::TooSmall;
    else if (usable == prepared.pieces.end())
        prepared.refusal = prepared.pieces.front().profile.refusal;
    return prepared;
}

PairOutcome TextScorer::compare(const PreparedPiece& first, const PreparedPiece& second) const
{
    ComparisonOutcome outcome = m_analyzer.compare(first.profile, second.profile);
    if (auto* refusal = std::get_if<Refusal>(&outcome))
        return *refusal;
    const auto& comparison = std::get<Comparison>(outcome);
    return PairVerdict{comparison.percent, comparison.score, comparison.terms};
}

TextScore TextScorer::score(const PreparedText& first, const PreparedText& second) const
{
    TextScore result;
    // A text with no pieces at all (empty) stands as one empty piece, so that the refusal names it.
    PreparedPiece empty;
    empty.profile.refusal = TextRefusal::TooSmall;
    const int firstCount = static_cast<int>(first.pieces.size());
    const int secondCount = static_cast<int>(second.pieces.size());
    std::vector<std::pair<int, int>> pairs = piecePairs(std::max(firstCount, 1), std::max(secondCount, 1), maxPiecePairs);
    std::vector<double> percents;
    for (const auto& [a, b] : pairs) {
        const PreparedPiece& firstPiece = firstCount ? first.pieces[static_cast<std::size_t>(a)] : empty;
        const PreparedPiece& secondPiece = secondCount ? second.pieces[static_cast<std::size_t>(b)] : empty;
        PieceResult piece{a, b, compare(firstPiece, secondPiece)};
        if (const auto* verdict = std::get_if<PairVerdict>(&piece.outcome))
            percents.push_back(verdict->percent);
        result.pieces.push_back(std::move(piece));
    }
    if (percents.empty()) {
        result.refusal = std::get<Refusal>(result.pieces.front().outcome);
        return result;
    }
    result.percent = m_pieceWords == 0 ? percents.front() : median(percents);
    result.lowest = static_cast<int>(*std::min_element(percents.begin(), percents.end()));
    result.highest = static_cast<int>(*std::max_element(percents.begin(), percents.end()));
    return result;
}

} // namespace quendry
