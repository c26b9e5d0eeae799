#pragma once

#include <array>
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
    void reportAt(Entry next, Entry flag, std::size_t end, Report& report) const
    {
        const auto node = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
        for (std::int32_t output = m_output[node]; output >= 0; output = m_output[m_outputNext[static_cast<std::size_t>(output)]]) {
            const auto id = m_pattern[static_cast<std::size_t>(output)];
            report(id, end - m_lengths[id]);
        }
    }

    // One step costs a table read that depends on the step before. A long text is therefore cut
    // into lanes that are scanned side by side, each step of one lane independent of the others.
    // The automaton's state after a character depends only on the last `m_longest` characters,
    // so a lane starts that far before its stretch and reports nothing until it reaches it.
    // The later lanes' occurrences wait in buffers, so that all are reported in order.
    template <typename Entry, typename Report>
    void scanWith(const std::vector<Entry>& table, Entry flag, std::string_view text, Report& report) const
    {
        const auto step = [&](std::size_t& node, std::size_t i) {
            const Entry next = table[(node << m_classShift) + m_classOf[static_cast<unsigned char>(text[i])]];
            node = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
            return next;
        };
        constexpr std::size_t lanes = 4;
        const std::size_t stretch = text.size() / lanes;
        if (stretch < 256 || stretch < 4 * m_longest || text.size() > UINT32_MAX) {
            std::size_t node = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (const Entry next = step(node, i); next & flag)
                    reportAt(next, flag, i + 1, report);
            return;
        }
        std::array<std::size_t, lanes> node{};
        // Warming up: the later lanes read the characters before their stretches.
        for (std::size_t t = 0; t < m_longest; ++t)
            for (std::size_t lane = 1; lane < lanes; ++lane)
                step(node[lane], lane * stretch - m_longest + t);
        std::array<std::vector<std::pair<std::uint32_t, std::uint32_t>>, lanes> waiting;
        const auto keep = [&waiting](std::size_t lane) {
            return [&waiting, lane](std::uint32_t id, std::size_t start) {
                waiting[lane].emplace_back(id, static_cast<std::uint32_t>(start));
            };
        };
        auto keep1 = keep(1);
        auto keep2 = keep(2);
        auto keep3 = keep(3);
        static_assert(lanes == 4, "one buffer for each lane after the first");
        for (std::size_t t = 0; t < stretch; ++t) {
            const Entry next0 = step(node[0], t);
            const Entry next1 = step(node[1], stretch + t);
            const Entry next2 = step(node[2], 2 * stretch + t);
            const Entry next3 = step(node[3], 3 * stretch + t);
            if ((next0 | next1 | next2 | next3) & flag) {
                if (next0 & flag)
                    reportAt(next0, flag, t + 1, report);
                if (next1 & flag)
                    reportAt(next1, flag, stretch + t + 1, keep1);
                if (next2 & flag)
                    reportAt(next2, flag, 2 * stretch + t + 1, keep2);
                if (next3 & flag)
                    reportAt(next3, flag, 3 * stretch + t + 1, keep3);
            }
        }
        for (std::size_t lane = 1; lane < lanes; ++lane)
            for (const auto& [id, start] : waiting[lane])
                report(id, start);
        // The last lane goes on to the end of the text.
        for (std::size_t i = lanes * stretch; i < text.size(); ++i)
            if (const Entry next = step(node[lanes - 1], i); next & flag)
                reportAt(next, flag, i + 1, report);
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
    std::size_t m_longest = 0; // the longest pattern's length
    std::vector<std::uint32_t> m_idOf;
};

} // namespace quendry
