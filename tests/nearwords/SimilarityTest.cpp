// The Ratcliff/Obershelp similarity, on hand-worked cases and against an independent count.

#include "nearwords/WordComparison.h"
#include "support/SimilarityOracle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

using zorvane::nearwords::Similarity;
using zorvane::nearwords::WordComparison;

TEST(MatchingCharacters, LongestRunFirstThenBothSides) {
    WordComparison comparison;
    comparison.Load("ABCD", "DCBA");
    EXPECT_EQ(comparison.MatchingCharacters(1, 4, 1, 4), 1);
    EXPECT_DOUBLE_EQ(comparison.Similarity(), 0.25);

    comparison.Load("MAISON", "MAIZON");
    EXPECT_EQ(comparison.MatchingCharacters(1, 6, 1, 6), 5);
    EXPECT_EQ(comparison.MatchingCharacters(4, 6, 1, 6), 2); // "SON" against "MAIZON"
    EXPECT_EQ(comparison.MatchingCharacters(1, 6, 5, 5), 1); // "O" alone
    EXPECT_EQ(comparison.MatchingCharacters(0, 6, 1, 6), 0); // before the first place
    EXPECT_EQ(comparison.MatchingCharacters(4, 3, 1, 6), 0); // empty range
    EXPECT_EQ(comparison.MatchingCharacters(1, 6, 6, 5), 0);

    // Two runs of two: the earliest in the first word is kept, which decides what is left
    // on each side, so the order of the words matters.
    comparison.Load("ABBAAB", "BAB");
    EXPECT_EQ(comparison.MatchingCharacters(1, 6, 1, 3), 2);
    comparison.Load("BAB", "ABBAAB");
    EXPECT_EQ(comparison.MatchingCharacters(1, 3, 1, 6), 3);
}

// Pairs that exercise tie-breaking (few letters, repeats) and plain random words.
std::vector<std::pair<std::string, std::string>> OraclePairs() {
    std::mt19937 random(20240517);
    const auto randomWord = [&](std::string_view letters, int most) {
        std::string word(std::uniform_int_distribution<int>(0, most)(random), ' ');
        for (char& c : word) {
            c = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
        }
        return word;
    };
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string_view letters :
         {"AB", "ABC", "AEIS", "EINRST", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {
        for (int i = 0; i < 500; ++i) {
            pairs.emplace_back(randomWord(letters, 16), randomWord(letters, 16));
        }
    }
    return pairs;
}

TEST(Similarity, EqualsTheLongestBlockFirstCount) {
    const auto pairs = OraclePairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        auto [a, b] = pairs[i];
        // Every other pair in small letters: the comparison upper-cases both words.
        std::transform(a.begin(), a.end(), a.begin(),
                       [i](char c) { return static_cast<char>(i % 2 == 0 ? c : std::tolower(c)); });
        ASSERT_EQ(Similarity(a, b), zorvane::testing::SimilarityOf(a, b)) << a << " / " << b;
    }
}

} // namespace
