#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// Finds every occurrence of a set of patterns in a text in one pass (an Aho-Corasick automaton).
// Occurrences are reported in order of their end; for any one pattern that is also the order of
// their start.
class PhraseMatcher {
public:
    // Patterns must not be empty; equal patterns share one id, the index of their first copy.
    explicit PhraseMatcher(const std::vector<std::string>& patterns);

    std::size_t patternCount() const { return m_lengths.size(); }
    std::size_t patternLength(std::size_t id) const { return m_lengths[id]; }
    // The id of each pattern as given: the index of the first pattern equal to it.
    const std::vector<std::uint32_t>& idOf() const { return m_idOf; }

    // Calls report(id, start) for every occurrence of every pattern.
    void scan(std::string_view text, const std::function<void(std::uint32_t, std::size_t)>& report) const;

private:
    struct Node {
        std::uint32_t firstEdge = 0;
        std::uint32_t edgeCount = 0;
        std::uint32_t failure = 0;
        std::int32_t pattern = -1;      // the pattern that ends here
        std::int32_t nextOutput = -1;   // the nearest node on the failure chain where a pattern ends
    };
    struct Edge {
        unsigned char byte;
        std::uint32_t target;
    };

    std::uint32_t child(std::uint32_t node, unsigned char byte) const; // 0 (the root) when none
    std::uint32_t step(std::uint32_t node, unsigned char byte) const;

    std::vector<Node> m_nodes;
    std::vector<Edge> m_edges;
    std::uint32_t m_rootEdges[256] = {};
    std::vector<std::size_t> m_lengths;
    std::vector<std::uint32_t> m_idOf;
};

} // namespace quendry
