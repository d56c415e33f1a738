#include "data/WordGraph.h"

#include <deque>
#include <string>
#include <unordered_map>

namespace zorvane::data {
namespace {

// A node while the graph is being built: its edges in letter order, and whether a word
// ends on reaching it.
struct Draft {
    std::vector<std::pair<std::uint8_t, std::uint32_t>> edges;
    bool endsWord = false;
};

bool IsCapitals(std::string_view word) {
    for (const char c : word) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return !word.empty();
}

// Words come in ascending order, so only the path of the last word can still change: once
// the next word leaves it, the nodes left behind are final and merge with any equal node
// met before (same end of word, same edges to the same nodes).
class Builder {
public:
    void Add(std::string_view word) {
        std::size_t common = 0;
        while (common < word.size() && common < previous_.size() &&
               word[common] == previous_[common]) {
            ++common;
        }
        Settle(common);
        for (std::size_t i = common; i < word.size(); ++i) {
            const std::uint32_t node = NewNode();
            drafts_[path_.back()].edges.emplace_back(static_cast<std::uint8_t>(word[i] - 'A'),
                                                     node);
            path_.push_back(node);
        }
        drafts_[path_.back()].endsWord = true;
        previous_ = word;
    }

    const std::vector<Draft>& Finish() {
        Settle(0);
        return drafts_;
    }

private:
    // Merges the nodes of the last word's path below depth keep with their equals.
    void Settle(std::size_t keep) {
        while (path_.size() > keep + 1) {
            const std::uint32_t node = path_.back();
            path_.pop_back();
            const auto [found, added] = register_.try_emplace(Signature(node), node);
            if (!added) {
                drafts_[path_.back()].edges.back().second = found->second;
                drafts_[node] = Draft{};
                free_.push_back(node);
            }
        }
    }

    std::string Signature(std::uint32_t node) const {
        const Draft& draft = drafts_[node];
        std::string signature(1, draft.endsWord ? '1' : '0');
        for (const auto& [letter, next] : draft.edges) {
            signature.push_back(static_cast<char>(letter));
            signature.append(reinterpret_cast<const char*>(&next), sizeof next);
        }
        return signature;
    }

    std::uint32_t NewNode() {
        if (!free_.empty()) {
            const std::uint32_t node = free_.back();
            free_.pop_back();
            return node;
        }
        drafts_.emplace_back();
        return static_cast<std::uint32_t>(drafts_.size() - 1);
    }

    std::vector<Draft> drafts_ = std::vector<Draft>(1); // the root first
    std::vector<std::uint32_t> path_ = {0};
    std::string previous_;
    std::unordered_map<std::string, std::uint32_t> register_;
    std::vector<std::uint32_t> free_;
};

} // namespace

WordGraph::WordGraph(const std::vector<std::string_view>& words) {
    Builder builder;
    std::string_view previous;
    for (const std::string_view word : words) {
        if (IsCapitals(word) && (wordCount_ == 0 || previous < word)) {
            builder.Add(word);
            previous = word;
            ++wordCount_;
        }
    }
    const std::vector<Draft>& drafts = builder.Finish();

    // Nodes are placed breadth first from the root, so that the nodes near the root, which
    // every search reads, lie together; then their cells are written out.
    std::vector<Node> placeOf(drafts.size(), kNoNode);
    std::vector<std::uint32_t> order;
    std::deque<std::uint32_t> waiting = {0};
    std::size_t next = kAhead;
    while (!waiting.empty()) {
        const std::uint32_t node = waiting.front();
        waiting.pop_front();
        if (placeOf[node] != kNoNode || drafts[node].edges.empty()) {
            continue;
        }
        order.push_back(node);
        placeOf[node] = static_cast<Node>(next);
        next += kAhead + drafts[node].edges.size();
        for (const auto& edge : drafts[node].edges) {
            waiting.push_back(edge.second);
        }
    }
    cells_.assign(next, 0);
    std::vector<Node> nodes;
    for (const std::uint32_t node : order) {
        const Draft& draft = drafts[node];
        nodes.push_back(placeOf[node]);
        for (std::size_t i = 0; i < draft.edges.size(); ++i) {
            const auto [letter, child] = draft.edges[i];
            cells_[placeOf[node] + kAhead + i] =
                letter | (i + 1 == draft.edges.size() ? kLastEdge : 0) |
                (drafts[child].endsWord ? kEndsWord : 0) | placeOf[child] << kNextShift;
        }
    }
    nodeCount_ = nodes.size();
    root_ = placeOf[0];
    FillLettersAhead(nodes);
}

// The masks of one step are made from the children's masks of the step before, so the
// steps are filled in turn, each over every node.
void WordGraph::FillLettersAhead(const std::vector<Node>& nodes) {
    for (int steps = 1; steps <= kAhead; ++steps) {
        const auto at = static_cast<std::size_t>(steps - 1);
        for (const Node node : nodes) {
            std::uint32_t letters = 0;
            ForEachEdge(node, [&](const Edge& edge) {
                letters |= steps == 1 ? 1U << edge.letter : cells_[edge.next + at - 1];
            });
            cells_[node + at] = letters;
        }
    }
}

WordGraph::Edge WordGraph::Follow(Node node, int letter) const {
    Edge found{-1, false, kNoNode};
    ForEachEdge(node, [&](const Edge& edge) {
        if (edge.letter == letter) {
            found = edge;
        }
    });
    return found;
}

bool WordGraph::Contains(std::string_view word) const {
    if (!IsCapitals(word)) {
        return false;
    }
    Node node = root_;
    bool endsWord = false;
    for (const char c : word) {
        const Edge edge = Follow(node, c - 'A');
        if (edge.letter < 0) {
            return false;
        }
        endsWord = edge.endsWord;
        node = edge.next;
    }
    return endsWord;
}

} // namespace zorvane::data
