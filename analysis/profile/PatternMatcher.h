#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// Finds every occurrence of a set of patterns in a text in one pass (an Aho-Corasick automaton).
// Occurrences are reported in order of their end; for any one pattern that is also the order of
// their start.
class PatternMatcher {
public:
    // Patterns must not be empty; equal patterns share one id, the index of their first copy.
    explicit PatternMatcher(const std::vector<std::string>& patterns);

    // A matcher for these patterns, built once and kept for the next calls with equal patterns:
    // the reference lists never change, and building takes longer than a scan of a short text.
    static std::shared_ptr<const PatternMatcher> forPatterns(const std::vector<std::string>& patterns);

    std::size_t patternCount() const { return m_lengths.size(); }
    std::size_t patternLength(std::size_t id) const { return m_lengths[id]; }
    // The id of each pattern as given: the index of the first pattern equal to it.
    const std::vector<std::uint32_t>& idOf() const { return m_idOf; }

    // Calls report(id, start) for every occurrence of every pattern.
    template <typename Report>
    void scan(std::string_view text, Report&& report) const
    {
        if (!m_next16.empty())
            scanWith(m_next16, std::uint16_t{0x8000}, text, report);
        else
            scanWith(m_next, hasOutput, text, report);
    }

    // Calls report(id) for every pattern that occurs starting at `start`, shortest first: one
    // walk down the trie, far cheaper than a scan when only a few places can hold a pattern.
    template <typename Report>
    void scanAt(std::string_view text, std::size_t start, Report&& report) const
    {
        if (!m_next16.empty())
            walkFrom(m_next16, std::uint16_t{0x8000}, text, start, report);
        else
            walkFrom(m_next, hasOutput, text, start, report);
    }

private:
    template <typename Entry, typename Report>
    void walkFrom(const std::vector<Entry>& table, Entry flag, std::string_view text, std::size_t start, Report& report) const
    {
        std::size_t node = 0;
        for (std::size_t i = start; i < text.size(); ++i) {
            const Entry next = table[(node << m_classShift) + m_classOf[static_cast<unsigned char>(text[i])]];
            const auto child = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
            // Only an edge of the trie leads one level deeper; the other transitions fall back
            // to a match that no longer starts at `start`.
            if (m_depth[child] != i + 1 - start)
                return;
            node = child;
            if (m_output[node] == static_cast<std::int32_t>(node))
                report(m_pattern[node]);
        }
    }

    template <typename Entry, typename Report>
    void scanWith(const std::vector<Entry>& table, Entry flag, std::string_view text, Report& report) const
    {
        std::size_t node = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const Entry next = table[(node << m_classShift) + m_classOf[static_cast<unsigned char>(text[i])]];
            node = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
            if (!(next & flag))
                continue;
            for (std::int32_t output = m_output[node]; output >= 0; output = m_output[m_outputNext[static_cast<std::size_t>(output)]]) {
                const auto id = m_pattern[static_cast<std::size_t>(output)];
                report(id, i + 1 - m_lengths[id]);
            }
        }
    }

    // The automaton as a table: the next node for every node and class of byte. Bytes that occur
    // in no pattern share class 0, which leads back to the root from everywhere.
    // Set in a transition whose target has a pattern ending on its failure chain, so that the scan
    // looks at the outputs only then.
    static constexpr std::uint32_t hasOutput = 0x80000000u;
    std::uint32_t m_classOf[256] = {};
    std::size_t m_classCount = 1;
    std::size_t m_classShift = 0; // m_classCount is 1 << m_classShift
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint16_t> m_next16; // the same table in half the memory, when the nodes fit
    // For each node, the nearest node on its failure chain (itself included) where a pattern ends,
    // or -1; m_outputNext[n] is the node to look at after n, whose m_output continues the chain.
    std::vector<std::int32_t> m_output;
    std::vector<std::uint32_t> m_outputNext;
    std::vector<std::uint32_t> m_pattern; // the pattern that ends at a node
    std::vector<std::size_t> m_depth;     // the length of the text that leads to a node
    std::vector<std::size_t> m_lengths;
    std::vector<std::uint32_t> m_idOf;
};

} // namespace quendry
