#include "analysis/profile/PatternMatcher.h"

#include <algorithm>
#include <type_traits>

namespace quendry {

PatternMatcher::PatternMatcher(std::span<const std::string_view> patterns)
{
    m_classOf.assign(256, 0);
    std::size_t classCount = 1;
    for (const std::string_view pattern : patterns)
        for (const char c : pattern) {
            std::uint32_t& byteClass = m_classOf[static_cast<unsigned char>(c)];
            if (byteClass == 0)
                byteClass = static_cast<std::uint32_t>(classCount++);
        }

    // Rows of a power-of-two width are found by a shift, which keeps the scan's chain of
    // dependent steps short.
    std::size_t classShift = 0;
    while ((std::size_t{1} << classShift) < classCount)
        ++classShift;
    classCount = std::size_t{1} << classShift;

    // The patterns in the order of their text, equal ones by their index: each pattern then
    // shares with the one before it exactly the prefix the trie already holds along the last
    // path, so the trie grows without a single look-up.
    std::vector<std::uint32_t> sorted(patterns.size());
    for (std::size_t index = 0; index < patterns.size(); ++index)
        sorted[index] = static_cast<std::uint32_t>(index);
    std::sort(sorted.begin(), sorted.end(), [&patterns](std::uint32_t a, std::uint32_t b) {
        const int order = patterns[a].compare(patterns[b]);
        return order != 0 ? order < 0 : a < b;
    });

    // The trie as lists of children; a node's class is that of the byte leading to it.
    struct TrieNode {
        std::int32_t firstChild = -1;
        std::int32_t lastChild = -1;
        std::int32_t nextSibling = -1;
        std::int32_t terminal = -1; // the first pattern that ends here
        std::uint32_t byteClass = 0;
    };
    std::vector<TrieNode> trie(1);
    m_idOf.assign(patterns.size(), 0);
    std::vector<std::uint32_t> path{0}; // the nodes along the previous pattern
    const std::string_view* previous = nullptr;
    std::uint32_t previousIndex = 0;
    for (const std::uint32_t index : sorted) {
        const std::string_view pattern = patterns[index];
        if (previous && *previous == pattern) {
            m_idOf[index] = previousIndex;
            continue;
        }
        std::size_t shared = 0;
        if (previous)
            while (shared < previous->size() && shared < pattern.size() && (*previous)[shared] == pattern[shared])
                ++shared;
        path.resize(shared + 1);
        for (std::size_t k = shared; k < pattern.size(); ++k) {
            const auto parent = static_cast<std::size_t>(path.back());
            const auto node = static_cast<std::int32_t>(trie.size());
            trie.push_back({});
            trie.back().byteClass = m_classOf[static_cast<unsigned char>(pattern[k])];
            if (trie[parent].lastChild >= 0)
                trie[static_cast<std::size_t>(trie[parent].lastChild)].nextSibling = node;
            else
                trie[parent].firstChild = node;
            trie[parent].lastChild = node;
            path.push_back(static_cast<std::uint32_t>(node));
        }
        trie[path.back()].terminal = static_cast<std::int32_t>(index);
        m_idOf[index] = index;
        previous = &patterns[index];
        previousIndex = index;
    }

    m_lengths.resize(patterns.size());
    std::size_t longest = 0;
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        m_lengths[index] = static_cast<std::uint32_t>(patterns[index].size());
        longest = std::max(longest, patterns[index].size());
    }

    // The automaton as a table, built breadth-first, so that a node's failure is complete before
    // its children need it: a missing child becomes the failure's transition, and the output chain
    // continues at the failure. Nodes are numbered breadth-first too, so that the shallow nodes,
    // where a scan spends most of its time, lie together in memory. A node's failure and outputs
    // are known as soon as it is reached, so each transition carries its output flag when written.
    const std::size_t nodes = trie.size();
    const auto build = [&](auto& table, auto flag) {
        using Entry = typename std::remove_reference_t<decltype(table)>::value_type;
        std::vector<std::uint32_t> order{0};
        order.reserve(nodes);
        std::vector<std::uint32_t> numberOf(nodes, 0);
        for (std::size_t head = 0; head < order.size(); ++head)
            for (std::int32_t child = trie[order[head]].firstChild; child >= 0;
                 child = trie[static_cast<std::size_t>(child)].nextSibling) {
                numberOf[static_cast<std::size_t>(child)] = static_cast<std::uint32_t>(order.size());
                order.push_back(static_cast<std::uint32_t>(child));
            }
        table.assign(nodes << classShift, 0);
        m_output.assign(nodes, -1);
        m_outputNext.assign(nodes, 0);
        m_pattern.assign(nodes, 0);
        m_depth.assign(nodes, 0);
        const auto mask = static_cast<Entry>(~flag);
        for (std::size_t k = 0; k < nodes; ++k) {
            Entry* row = table.data() + (k << classShift);
            if (k > 0)
                std::copy_n(table.data() + (std::size_t{m_outputNext[k]} << classShift), classCount, row);
            for (std::int32_t child = trie[order[k]].firstChild; child >= 0;
                 child = trie[static_cast<std::size_t>(child)].nextSibling) {
                const TrieNode& node = trie[static_cast<std::size_t>(child)];
                const std::uint32_t number = numberOf[static_cast<std::size_t>(child)];
                const std::uint32_t fail = k == 0 ? 0 : static_cast<std::uint32_t>(row[node.byteClass] & mask);
                m_outputNext[number] = fail;
                m_depth[number] = m_depth[k] + 1;
                if (node.terminal >= 0) {
                    m_pattern[number] = static_cast<std::uint32_t>(node.terminal);
                    m_output[number] = static_cast<std::int32_t>(number);
                } else {
                    m_output[number] = m_output[fail];
                }
                row[node.byteClass] = static_cast<Entry>(number | (m_output[number] >= 0 ? flag : 0));
            }
        }
    };
    if (nodes < 0x8000)
        build(m_next16, std::uint16_t{0x8000});
    else
        build(m_next, hasOutput);

    m_tables = PatternTables{m_classOf, classShift, m_next16, m_next, m_output, m_outputNext, m_pattern, m_depth,
        m_lengths, longest, m_idOf};
}

} // namespace quendry
