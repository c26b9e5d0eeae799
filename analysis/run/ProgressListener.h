#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quendry {

// How a comparison reports its progress. The bar's maximum is the two texts' lengths plus 11:
// one step per character that the character pass examines and ten fixed steps; the run fills the
// bar when it ends. Steps may arrive in batches; they always add up to the same count.
class ProgressListener {
public:
    virtual ~ProgressListener() = default;

    // The run starts: the bar goes from 0 to maximum.
    virtual void started(int maximum) { (void)maximum; }
    // Both texts are normalised; the start animation belongs here.
    virtual void normalised() {}
    // The bar moves on by steps.
    virtual void advanced(int steps) { (void)steps; }
    // The run has computed every term: the bar is full.
    virtual void filled() {}
};

// The steps a text's character pass counts: its length, held low enough that the steps of two
// texts and the fixed ones still fit in an int however long the texts are.
constexpr int progressSteps(std::size_t textLength)
{
    return static_cast<int>(std::min<std::size_t>(textLength, std::numeric_limits<int>::max() / 4));
}

} // namespace quendry
