#pragma once
// A word list as a minimal acyclic word graph: words that share a beginning share its path,
// words that share an ending share its nodes. Built once from a sorted list; read by the
// board's move generator, letter by letter, and by anyone asking whether a word is listed.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvane::data {

class WordGraph {
public:
    // A node is where a word may go on; kNoNode has no letter after it.
    using Node = std::uint32_t;
    static constexpr Node kNoNode = 0;

    // words: capitals A to Z, ascending byte order; a word out of order, repeated, empty or
    // holding any other character is left out (the list is the caller's to keep clean).
    explicit WordGraph(const std::vector<std::string_view>& words);
    WordGraph() : WordGraph(std::vector<std::string_view>{}) {}

    Node Root() const { return root_; }

    // One way on from a node: its letter (0 for A ... 25 for Z), whether a word ends with
    // it and the node after it.
    struct Edge {
        int letter;
        bool endsWord;
        Node next;
    };

    // Calls visit(Edge) for each letter that goes on from node, in letter order.
    template <typename Visit> void ForEachEdge(Node node, Visit&& visit) const {
        if (node == kNoNode) {
            return;
        }
        for (std::size_t at = node + kAhead;; ++at) {
            const std::uint32_t packed = cells_[at];
            visit(Edge{static_cast<int>(packed & kLetterMask), (packed & kEndsWord) != 0,
                       packed >> kNextShift});
            if ((packed & kLastEdge) != 0) {
                return;
            }
        }
    }

    // The edge of letter (0 ... 25) from node; letter -1 when there is none.
    Edge Follow(Node node, int letter) const;

    // The letters that can stand `steps` places after node (1 for the next letter) on the
    // way to the end of some word; every letter past kAhead steps.
    static constexpr int kAhead = 8;
    std::uint32_t LettersAhead(Node node, int steps) const {
        return steps > kAhead ? (1U << 26) - 1 : cells_[node + static_cast<std::size_t>(steps - 1)];
    }

    // Whether the whole of word (capitals) is one of the words.
    bool Contains(std::string_view word) const;

    std::size_t WordCount() const { return wordCount_; }
    std::size_t EdgeCount() const { return cells_.size() - (nodeCount_ + 1) * kAhead; }
    std::size_t NodeCount() const { return nodeCount_; }
    std::size_t Bytes() const { return cells_.capacity() * sizeof(std::uint32_t); }

private:
    static constexpr std::uint32_t kLetterMask = 31;
    static constexpr std::uint32_t kLastEdge = 32;
    static constexpr std::uint32_t kEndsWord = 64;
    static constexpr int kNextShift = 7;

    void FillLettersAhead(const std::vector<Node>& nodes);

    // Node by node, its LettersAhead for 1 ... kAhead steps, then its edges, the last one
    // marked: a search reads a node's letters ahead and its edges together. A node is named
    // by the place of its first cell; kNoNode names a first record with no letter and no edge.
    std::vector<std::uint32_t> cells_ = std::vector<std::uint32_t>(kAhead);
    Node root_ = kNoNode;
    std::size_t nodeCount_ = 0;
    std::size_t wordCount_ = 0;
};

} // namespace zorvane::data
