#include "analysis/batch/TextPieces.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace quendry {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool endsSentence(std::string_view word)
{
    // Closing quotes (plain and Windows-1252 typographic) and brackets may follow the mark.
    while (!word.empty()) {
        const char c = word.back();
        if (c == '"' || c == '\'' || c == ')' || c == ']' || c == '\x94' || c == '\x92')
            word.remove_suffix(1);
        else
            break;
    }
    return !word.empty() && (word.back() == '.' || word.back() == '!' || word.back() == '?');
}

} // namespace

std::vector<std::string_view> cutIntoPieces(std::string_view text, int words)
{
    struct Piece {
        std::size_t begin;
        std::size_t end;
        int words;
    };
    std::vector<Piece> pieces;
    const int wanted = std::max(words, 1);
    std::size_t i = 0;
    Piece current{0, 0, 0};
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size())
            break;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (current.words == 0)
            current.begin = start;
        current.end = i;
        ++current.words;
        const bool full = current.words >= wanted && endsSentence(text.substr(start, i - start));
        if (full || current.words >= 2 * wanted) {
            pieces.push_back(current);
            current = Piece{0, 0, 0};
        }
    }
    if (current.words > 0) {
        if (!pieces.empty() && current.words * 2 < wanted) {
            pieces.back().end = current.end;
            pieces.back().words += current.words;
        } else {
            pieces.push_back(current);
        }
    }
    std::vector<std::string_view> result;
    result.reserve(pieces.size());
    for (const Piece& piece : pieces)
        result.push_back(text.substr(piece.begin, piece.end - piece.begin));
    return result;
}

std::vector<std::pair<int, int>> piecePairs(int firstPieces, int secondPieces, int limit)
{
    std::vector<std::pair<int, int>> pairs;
    if (firstPieces <= 0 || secondPieces <= 0 || limit <= 0)
        return pairs;
    const auto total = static_cast<std::int64_t>(firstPieces) * secondPieces;
    if (total <= limit) {
        for (int a = 0; a < firstPieces; ++a)
            for (int b = 0; b < secondPieces; ++b)
                pairs.emplace_back(a, b);
        return pairs;
    }
    const bool firstIsRows = firstPieces <= secondPieces;
    const std::int64_t rows = firstIsRows ? firstPieces : secondPieces;
    const std::int64_t columns = firstIsRows ? secondPieces : firstPieces;
    auto add = [&](std::int64_t row, std::int64_t column) {
        const int r = static_cast<int>(row);
        const int c = static_cast<int>(column);
        pairs.push_back(firstIsRows ? std::pair{r, c} : std::pair{c, r});
    };
    pairs.reserve(static_cast<std::size_t>(limit));
    if (rows >= limit) {
        // More pieces on both sides than pairs: evenly spaced rows, and columns spread by a
        // stride that visits every slot once.
        std::int64_t stride = limit * 38 / 100;
        while (std::gcd(stride, static_cast<std::int64_t>(limit)) != 1)
            ++stride;
        for (std::int64_t t = 0; t < limit; ++t)
            add(t * rows / limit, (t * stride % limit) * columns / limit);
        return pairs;
    }
    // Each row takes its share of the pairs, at evenly spaced columns that each row shifts a
    // little further, so that the rows together cover the columns.
    for (std::int64_t row = 0; row < rows; ++row) {
        const std::int64_t share = limit / rows + (row < limit % rows ? 1 : 0);
        for (std::int64_t j = 0; j < share; ++j)
            add(row, (j * rows + row) * columns / (share * rows));
    }
    return pairs;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2.0;
}

} // namespace quendry
