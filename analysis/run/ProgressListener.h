#pragma once

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

} // namespace quendry
