#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendry {

// An automaton's tables, as views: into the storage of the matcher that built them, or into
// constant data prepared when the program was built (the generated source writes them out).
//
// The automaton as a table: the next node for every node and class of byte. Bytes that occur in
// no pattern share class 0, which leads back to the root from everywhere. A transition whose
// target has a pattern ending on its failure chain carries a flag (the top bit of its entry), so
// that the scan looks at the outputs only then. Exactly one of next16 and next32 holds the table:
// next16, in half the memory, when the nodes fit.
struct PatternTables {
    std::span<const std::uint32_t> classOf; // for each of the 256 bytes
    std::size_t classShift = 0;             // the table has 1 << classShift columns
    std::span<const std::uint16_t> next16;
    std::span<const std::uint32_t> next32;
    // For each node, the nearest node on its failure chain (itself included) where a pattern ends,
    // or -1; outputNext[n] is the node to look at after n, whose output continues the chain.
    std::span<const std::int32_t> output;
    std::span<const std::uint32_t> outputNext;
    std::span<const std::uint32_t> pattern; // the pattern that ends at a node
    std::span<const std::uint32_t> depth;   // the length of the text that leads to a node
    std::span<const std::uint32_t> lengths; // of each pattern
    std::size_t longest = 0;                // the longest pattern's length
    std::span<const std::uint32_t> idOf;    // of each pattern as given
};

// Patterns and the automaton built from them, as prepared when the program was built.
struct PatternSetTables {
    std::span<const std::string_view> patterns;
    PatternTables automaton; // empty when there are no patterns
};

// Finds every occurrence of a set of patterns in a text in one pass (an Aho-Corasick automaton).
// Occurrences are reported in order of their end; for any one pattern that is also the order of
// their start.
class PatternMatcher {
public:
    // Patterns must not be empty; equal patterns share one id, the index of their first copy.
    explicit PatternMatcher(std::span<const std::string_view> patterns);
    explicit PatternMatcher(const std::vector<std::string>& patterns)
        : PatternMatcher(std::vector<std::string_view>(patterns.begin(), patterns.end()))
    {
    }
    // Runs over tables built before, which must outlive the matcher: constant data compiled into
    // the program, or the tables() of a matcher that is kept.
    explicit PatternMatcher(const PatternTables& tables)
        : m_tables(tables)
    {
    }
    // The tables point into the matcher's own storage, which a move hands over unchanged.
    PatternMatcher(PatternMatcher&&) noexcept = default;
    PatternMatcher& operator=(PatternMatcher&&) noexcept = default;
    PatternMatcher(const PatternMatcher&) = delete;
    PatternMatcher& operator=(const PatternMatcher&) = delete;

    std::size_t patternCount() const { return m_tables.lengths.size(); }
    std::size_t patternLength(std::size_t id) const { return m_tables.lengths[id]; }
    // The id of each pattern as given: the index of the first pattern equal to it.
    std::span<const std::uint32_t> idOf() const { return m_tables.idOf; }
    const PatternTables& tables() const { return m_tables; }

    // Calls report(id, start) for every occurrence of every pattern.
    template <typename Report>
    void scan(std::string_view text, Report&& report) const
    {
        if (!m_tables.next16.empty())
            scanWith(m_tables.next16, std::uint16_t{0x8000}, text, report);
        else
            scanWith(m_tables.next32, hasOutput, text, report);
    }

    // Calls report(id) for every pattern that occurs starting at `start`, shortest first: one
    // walk down the trie, far cheaper than a scan when only a few places can hold a pattern.
    template <typename Report>
    void scanAt(std::string_view text, std::size_t start, Report&& report) const
    {
        if (!m_tables.next16.empty())
            walkFrom(m_tables.next16, std::uint16_t{0x8000}, text, start, report);
        else
            walkFrom(m_tables.next32, hasOutput, text, start, report);
    }

private:
    template <typename Entry, typename Report>
    void walkFrom(std::span<const Entry> table, Entry flag, std::string_view text, std::size_t start, Report& report) const
    {
        const std::uint32_t* const classOf = m_tables.classOf.data();
        const std::size_t classShift = m_tables.classShift;
        std::size_t node = 0;
        for (std::size_t i = start; i < text.size(); ++i) {
            const Entry next = table[(node << classShift) + classOf[static_cast<unsigned char>(text[i])]];
            const auto child = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
            // Only an edge of the trie leads one level deeper; the other transitions fall back
            // to a match that no longer starts at `start`.
            if (m_tables.depth[child] != i + 1 - start)
                return;
            node = child;
            if (m_tables.output[node] == static_cast<std::int32_t>(node))
                report(m_tables.pattern[node]);
        }
    }

    template <typename Entry, typename Report>
    void reportAt(Entry next, Entry flag, std::size_t end, Report& report) const
    {
        const auto node = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
        const PatternTables& t = m_tables;
        for (std::int32_t output = t.output[node]; output >= 0; output = t.output[t.outputNext[static_cast<std::size_t>(output)]]) {
            const auto id = t.pattern[static_cast<std::size_t>(output)];
            report(id, end - t.lengths[id]);
        }
    }

    // One step costs a table read that depends on the step before. A long text is therefore cut
    // into lanes that are scanned side by side, each step of one lane independent of the others.
    // The automaton's state after a character depends only on the last `longest` characters,
    // so a lane starts that far before its stretch and reports nothing until it reaches it.
    // The later lanes' occurrences wait in buffers, so that all are reported in order.
    template <typename Entry, typename Report>
    void scanWith(std::span<const Entry> table, Entry flag, std::string_view text, Report& report) const
    {
        // Held in locals, so that the reports cannot make the compiler read them again.
        const Entry* const entries = table.data();
        const std::uint32_t* const classOf = m_tables.classOf.data();
        const std::size_t classShift = m_tables.classShift;
        const std::size_t longest = m_tables.longest;
        const auto step = [&](std::size_t& node, std::size_t i) {
            const Entry next = entries[(node << classShift) + classOf[static_cast<unsigned char>(text[i])]];
            node = static_cast<std::size_t>(next & static_cast<Entry>(~flag));
            return next;
        };
        constexpr std::size_t lanes = 4;
        const std::size_t stretch = text.size() / lanes;
        if (stretch < 256 || stretch < 4 * longest || text.size() > UINT32_MAX) {
            std::size_t node = 0;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (const Entry next = step(node, i); next & flag)
                    reportAt(next, flag, i + 1, report);
            return;
        }
        std::array<std::size_t, lanes> node{};
        // Warming up: the later lanes read the characters before their stretches.
        for (std::size_t t = 0; t < longest; ++t)
            for (std::size_t lane = 1; lane < lanes; ++lane)
                step(node[lane], lane * stretch - longest + t);
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

    static constexpr std::uint32_t hasOutput = 0x80000000u;
    PatternTables m_tables;
    // What a matcher built from patterns owns; m_tables points into it. Empty when the tables are
    // borrowed.
    std::vector<std::uint32_t> m_classOf;
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint16_t> m_next16;
    std::vector<std::int32_t> m_output;
    std::vector<std::uint32_t> m_outputNext;
    std::vector<std::uint32_t> m_pattern;
    std::vector<std::uint32_t> m_depth;
    std::vector<std::uint32_t> m_lengths;
    std::vector<std::uint32_t> m_idOf;
};

} // namespace quendry
