#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace quendry {

// Cuts a text into consecutive pieces of about `words` words (runs of characters between blanks
// and line breaks). A piece ends at the first sentence end (a word ending in '.', '!' or '?',
// closing quotes and brackets after it allowed) once it holds `words` words, or after twice that
// many words when no sentence ends. A last piece of fewer than half `words` words joins the piece
// before it. Pieces keep the text's own characters, line breaks included, with the blanks between
// pieces left out. A text of fewer words than `words` is one piece; an empty text has none.
std::vector<std::string_view> cutIntoPieces(std::string_view text, int words);

// The piece pairs to compare, (piece of the first text, piece of the second): all of them when
// there are at most `limit`, in order; otherwise `limit` distinct pairs spread evenly: every piece
// of the text with fewer pieces takes part as often as the others (give or take one) when it has
// at most `limit` pieces, and each takes pieces of the other text spread over its whole length.
std::vector<std::pair<int, int>> piecePairs(int firstPieces, int secondPieces, int limit = 100);

// The median of the values (the mean of the middle two for an even count); 0 for none.
double median(std::vector<double> values);

} // namespace quendry
