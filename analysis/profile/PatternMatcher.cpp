#include "analysis/profile/PatternMatcher.h"

#include <algorithm>
#include <map>

namespace quendry {

PatternMatcher::PatternMatcher(const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns)
        for (const char c : pattern) {
            std::uint32_t& byteClass = m_classOf[static_cast<unsigned char>(c)];
            if (byteClass == 0)
                byteClass = static_cast<std::uint32_t>(m_classCount++);
        }

    // Rows of a power-of-two width are found by a shift, which keeps the scan's chain of
    // dependent steps short.
    while ((std::size_t{1} << m_classShift) < m_classCount)
        ++m_classShift;
    m_classCount = std::size_t{1} << m_classShift;

    // The trie, with -1 for a missing child.
    std::vector<std::int32_t> children(m_classCount, -1);
    std::vector<std::int32_t> terminal(1, -1);
    std::map<std::string_view, std::uint32_t> firstCopy;
    m_idOf.reserve(patterns.size());
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        const std::string& pattern = patterns[index];
        const auto [known, inserted] = firstCopy.emplace(pattern, static_cast<std::uint32_t>(index));
        m_idOf.push_back(known->second);
        if (!inserted)
            continue;
        std::size_t node = 0;
        for (const char c : pattern) {
            std::int32_t& next = children[node * m_classCount + m_classOf[static_cast<unsigned char>(c)]];
            if (next < 0) {
                next = static_cast<std::int32_t>(terminal.size());
                terminal.push_back(-1);
                children.resize(children.size() + m_classCount, -1);
            }
            node = static_cast<std::size_t>(children[node * m_classCount + m_classOf[static_cast<unsigned char>(c)]]);
        }
        terminal[node] = static_cast<std::int32_t>(index);
    }
    // Nodes are numbered breadth-first, so that the shallow nodes, where a scan spends most of
    // its time, lie together in memory.
    {
        std::vector<std::size_t> order{0}; // the nodes breadth-first
        for (std::size_t head = 0; head < order.size(); ++head)
            for (std::size_t c = 0; c < m_classCount; ++c)
                if (const std::int32_t child = children[order[head] * m_classCount + c]; child > 0)
                    order.push_back(static_cast<std::size_t>(child));
        std::vector<std::int32_t> renumbered(order.size());
        for (std::size_t k = 0; k < order.size(); ++k)
            renumbered[order[k]] = static_cast<std::int32_t>(k);
        std::vector<std::int32_t> orderedChildren(children.size(), -1);
        std::vector<std::int32_t> orderedTerminal(terminal.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            for (std::size_t c = 0; c < m_classCount; ++c)
                if (const std::int32_t child = children[order[k] * m_classCount + c]; child > 0)
                    orderedChildren[k * m_classCount + c] = renumbered[static_cast<std::size_t>(child)];
            orderedTerminal[k] = terminal[order[k]];
        }
        children = std::move(orderedChildren);
        terminal = std::move(orderedTerminal);
    }

    m_lengths.resize(patterns.size());
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        m_lengths[index] = patterns[index].size();
        m_longest = std::max(m_longest, m_lengths[index]);
    }

    // Breadth-first, so that a node's failure is complete before its children need it: a missing
    // child becomes the failure's transition, and the output chain continues at the failure.
    const std::size_t nodes = terminal.size();
    m_next.assign(nodes * m_classCount, 0);
    m_output.assign(nodes, -1);
    m_outputNext.assign(nodes, 0);
    m_pattern.assign(nodes, 0);
    m_depth.assign(nodes, 0);
    std::vector<std::uint32_t> failure(nodes, 0);
    std::vector<std::uint32_t> queue;
    for (std::size_t c = 0; c < m_classCount; ++c) {
        const std::int32_t child = children[c];
        if (child > 0) {
            m_next[c] = static_cast<std::uint32_t>(child);
            m_depth[static_cast<std::size_t>(child)] = 1;
            queue.push_back(static_cast<std::uint32_t>(child));
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t node = queue[head];
        const std::uint32_t fail = failure[node];
        if (terminal[node] >= 0) {
            m_pattern[node] = static_cast<std::uint32_t>(terminal[node]);
            m_output[node] = static_cast<std::int32_t>(node);
        } else {
            m_output[node] = m_output[fail];
        }
        m_outputNext[node] = fail;
        for (std::size_t c = 0; c < m_classCount; ++c) {
            const std::int32_t child = children[node * m_classCount + c];
            if (child > 0) {
                failure[static_cast<std::size_t>(child)] = m_next[fail * m_classCount + c];
                m_next[node * m_classCount + c] = static_cast<std::uint32_t>(child);
                m_depth[static_cast<std::size_t>(child)] = m_depth[node] + 1;
                queue.push_back(static_cast<std::uint32_t>(child));
            } else {
                m_next[node * m_classCount + c] = m_next[fail * m_classCount + c];
            }
        }
    }
    for (std::uint32_t& target : m_next)
        if (m_output[target] >= 0)
            target |= hasOutput;
    if (nodes < 0x8000) {
        m_next16.reserve(m_next.size());
        for (const std::uint32_t target : m_next)
            m_next16.push_back(static_cast<std::uint16_t>((target & ~hasOutput) | ((target & hasOutput) ? 0x8000u : 0u)));
        m_next = {};
    }
}

} // namespace quendry
