#pragma once

#include "analysis/run/Analyzer.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quendry {

// What the commands that compare many texts keep of one comparison.
struct PairVerdict {
    int percent = 0;    // the shown percentage: the score rounded up
    double score = 0.0; // 0 to 100
    ComparisonResult terms;
};
using PairOutcome = std::variant<Refusal, PairVerdict>;

// Why a text on its own cannot take part in any comparison, in words.
std::string_view textRefusalMessage(TextRefusal refusal);

// A piece of a text made ready to be compared many times: its profile.
struct PreparedPiece {
    TextProfile profile;
};

// A text made ready once, to be compared with many others: the whole text, or its pieces.
struct PreparedText {
    std::vector<PreparedPiece> pieces;
    // Set when no piece can be compared: the text is too small or not English (an empty text is
    // too small).
    std::optional<TextRefusal> refusal;
};

// One compared piece pair: the pieces' numbers in their texts, from 0, and the outcome.
struct PieceResult {
    int first = 0;
    int second = 0;
    PairOutcome outcome;
};

// The result of comparing two prepared texts.
struct TextScore {
    // Set when no pair could be compared; the refusal of the first pair tried.
    std::optional<Refusal> refusal;
    // Whole texts: the shown percentage. Pieces: the median of the pairs' percentages.
    double percent = 0.0;
    int lowest = 0;  // the lowest and highest percentage of the compared pairs
    int highest = 0;
    // Every pair compared, refused ones included; one for whole texts.
    std::vector<PieceResult> pieces;
};

// Compares texts many times over: each text is prepared (profiled) once, then compared with any
// number of others. With pieceWords > 0 each text is cut into pieces of about that many words
// (see cutIntoPieces) and two texts are compared piece by piece, at most maxPiecePairs pairs; the
// rules were made for texts of message length, and several of them add points without limit as a
// text grows. The scorer holds references to the analyzer and the dictionary, which must outlive
// it; it is const and may be used from several threads at once.
class TextScorer {
public:
    static constexpr int maxPiecePairs = 100;

    TextScorer(const Analyzer& analyzer, const Dictionary& dictionary, int pieceWords = 0);

    int pieceWords() const { return m_pieceWords; }
    PreparedText prepare(std::string_view text) const;
    TextScore score(const PreparedText& first, const PreparedText& second) const;

private:
    PairOutcome compare(const PreparedPiece& first, const PreparedPiece& second) const;

    const Analyzer& m_analyzer;
    const Dictionary& m_dictionary;
    int m_pieceWords = 0;
};

} // namespace quendry
