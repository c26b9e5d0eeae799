#include "analysis/features/PhraseMatcher.h"

#include <algorithm>
#include <map>

namespace quendry {

PhraseMatcher::PhraseMatcher(const std::vector<std::string>& patterns)
{
    // Build the trie with ordered children, then lay the children of each node side by side.
    std::vector<std::map<unsigned char, std::uint32_t>> children(1);
    std::vector<std::int32_t> terminal(1, -1);
    std::map<std::string_view, std::uint32_t> firstCopy;
    m_idOf.reserve(patterns.size());
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        const std::string& pattern = patterns[index];
        const auto [known, inserted] = firstCopy.emplace(pattern, static_cast<std::uint32_t>(index));
        m_idOf.push_back(known->second);
        if (!inserted)
            continue;
        std::uint32_t node = 0;
        for (const char c : pattern) {
            const auto byte = static_cast<unsigned char>(c);
            auto found = children[node].find(byte);
            if (found == children[node].end()) {
                found = children[node].emplace(byte, static_cast<std::uint32_t>(children.size())).first;
                children.emplace_back();
                terminal.push_back(-1);
            }
            node = found->second;
        }
        terminal[node] = static_cast<std::int32_t>(index);
    }
    m_lengths.resize(patterns.size());
    for (std::size_t index = 0; index < patterns.size(); ++index)
        m_lengths[index] = patterns[index].size();

    m_nodes.resize(children.size());
    for (std::size_t node = 0; node < children.size(); ++node) {
        m_nodes[node].firstEdge = static_cast<std::uint32_t>(m_edges.size());
        m_nodes[node].edgeCount = static_cast<std::uint32_t>(children[node].size());
        m_nodes[node].pattern = terminal[node];
        for (const auto& [byte, target] : children[node])
            m_edges.push_back({byte, target});
    }
    for (const auto& [byte, target] : children[0])
        m_rootEdges[byte] = target;

    // Failure links in breadth-first order, so that a node's failure is known before its children's.
    std::vector<std::uint32_t> queue;
    for (const auto& [byte, target] : children[0])
        queue.push_back(target);
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t node = queue[head];
        const Node& current = m_nodes[node];
        m_nodes[node].nextOutput = m_nodes[current.failure].pattern >= 0 ? static_cast<std::int32_t>(current.failure)
                                                                          : m_nodes[current.failure].nextOutput;
        for (std::uint32_t e = current.firstEdge; e < current.firstEdge + current.edgeCount; ++e) {
            const Edge edge = m_edges[e];
            m_nodes[edge.target].failure = step(current.failure, edge.byte);
            queue.push_back(edge.target);
        }
    }
}

std::uint32_t PhraseMatcher::child(std::uint32_t node, unsigned char byte) const
{
    if (node == 0)
        return m_rootEdges[byte];
    const Node& n = m_nodes[node];
    for (std::uint32_t e = n.firstEdge; e < n.firstEdge + n.edgeCount; ++e)
        if (m_edges[e].byte == byte)
            return m_edges[e].target;
    return 0;
}

std::uint32_t PhraseMatcher::step(std::uint32_t node, unsigned char byte) const
{
    for (;;) {
        if (const std::uint32_t next = child(node, byte); next != 0 || node == 0)
            return next;
        node = m_nodes[node].failure;
    }
}

void PhraseMatcher::scan(std::string_view text, const std::function<void(std::uint32_t, std::size_t)>& report) const
{
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        node = step(node, static_cast<unsigned char>(text[i]));
        std::int32_t output = m_nodes[node].pattern >= 0 ? static_cast<std::int32_t>(node) : m_nodes[node].nextOutput;
        while (output >= 0) {
            const Node& found = m_nodes[static_cast<std::size_t>(output)];
            const auto id = static_cast<std::uint32_t>(found.pattern);
            report(id, i + 1 - m_lengths[id]);
            output = found.nextOutput;
        }
    }
}

} // namespace quendry
