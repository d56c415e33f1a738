// The word graph holds exactly the words it was given, sharing their ends.

#include "data/WordGraph.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using zorvane::data::WordGraph;

namespace {

// Every word the graph spells, by walking it whole.
void Spell(const WordGraph& graph, WordGraph::Node node, std::string& prefix,
           std::vector<std::string>& out) {
    graph.ForEachEdge(node, [&](const WordGraph::Edge& edge) {
        prefix.push_back(static_cast<char>('A' + edge.letter));
        if (edge.endsWord) {
            out.push_back(prefix);
        }
        Spell(graph, edge.next, prefix, out);
        prefix.pop_back();
    });
}

} // namespace

TEST(WordGraph, SpellsExactlyItsWordsInOrderAndSkipsWhatItCannotHold) {
    std::mt19937 random(29);
    std::set<std::string> words;
    while (words.size() < 3000) {
        std::string word(2 + random() % 9, 'A');
        for (char& c : word) {
            c = static_cast<char>('A' + random() % 6);
        }
        words.insert(word);
    }
    std::vector<std::string_view> given(words.begin(), words.end());
    given.insert(given.begin() + 10, "B-A");  // not capitals
    given.insert(given.begin() + 20, "AAAA"); // out of order
    given.emplace_back("");
    const WordGraph graph(given);
    std::vector<std::string> spelled;
    std::string prefix;
    Spell(graph, graph.Root(), prefix, spelled);
    EXPECT_EQ(spelled, std::vector<std::string>(words.begin(), words.end()));
    EXPECT_EQ(graph.WordCount(), words.size());
    EXPECT_TRUE(graph.Contains(*words.begin()));
    EXPECT_FALSE(graph.Contains("B-A"));
    EXPECT_FALSE(graph.Contains(words.begin()->substr(0, 1)));
    // The letters ahead of a word's beginning are those of the words that begin so.
    for (const std::string begun : {"", "A", "BC", "FEDA"}) {
        WordGraph::Node node = graph.Root();
        for (const char c : begun) {
            node = graph.Follow(node, c - 'A').next;
        }
        for (int steps = 1; steps <= WordGraph::kAhead; ++steps) {
            std::uint32_t expected = 0;
            for (const std::string& word : words) {
                if (word.starts_with(begun) && word.size() >= begun.size() + steps) {
                    expected |= 1U << (word[begun.size() + steps - 1] - 'A');
                }
            }
            EXPECT_EQ(graph.LettersAhead(node, steps), expected) << begun << steps;
        }
    }
    // Shared endings: far fewer edges than letters.
    EXPECT_LT(graph.EdgeCount(), words.size() * 2);
    EXPECT_EQ(WordGraph().Root(), WordGraph::kNoNode);
    EXPECT_FALSE(WordGraph().Contains("A"));
}
