// The Ratcliff/Obershelp similarity, on hand-worked cases and against Python's difflib.

#include "nearwords/DictionaryWords.h"
#include "nearwords/WordComparison.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

TEST(Similarity, RatioOfBothLengthsCaseIgnored) {
    EXPECT_EQ(Similarity("maison", "MAISON"), 1.0);
    EXPECT_EQ(Similarity("", ""), 1.0);
    EXPECT_EQ(Similarity("", "A"), 0.0);
    EXPECT_EQ(Similarity("MAISON", "MAISONS"), 12.0 / 13.0);
    EXPECT_EQ(Similarity("ABBAAB", "bab"), 4.0 / 9.0);
    EXPECT_EQ(Similarity("ABCDEFGHIJ", "ABCDXFGHIJ"), 0.9);
}

// Pairs that exercise tie-breaking (few letters, repeats), plain random words and pairs
// of real dictionary words: neighbours in the list, words of close lengths, near copies.
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
        for (int i = 0; i < 320; ++i) {
            pairs.emplace_back(randomWord(letters, 16), randomWord(letters, 16));
        }
    }
    const std::vector<std::string> dico = zorvane::testing::ShippedDictionary();
    std::uniform_int_distribution<std::size_t> place(0, dico.size() - 2);
    for (int i = 0; i < 400; ++i) {
        const std::size_t at = place(random);
        pairs.emplace_back(dico[at], dico[at + 1]);
        pairs.emplace_back(dico[at], dico[place(random)]);
        std::string nearCopy = dico[at];
        nearCopy[std::uniform_int_distribution<std::size_t>(0, nearCopy.size() - 1)(random)] = 'E';
        pairs.emplace_back(nearCopy, dico[at]);
    }
    return pairs;
}

std::string Lower(std::string word) {
    for (char& c : word) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return word;
}

TEST(Similarity, EqualsDifflibRatioExactly) {
    const auto pairs = OraclePairs();
    ASSERT_GE(pairs.size(), 2000U);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("zorvane-similarity-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    {
        std::ofstream out(folder / "pairs.txt");
        for (const auto& [a, b] : pairs) {
            out << a << '\t' << b << '\n';
        }
    }
    const std::string command = "/usr/bin/python3 " ZORVANE_DIFFLIB_RATIOS " " +
                                (folder / "pairs.txt").string() + " " +
                                (folder / "ratios.txt").string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(folder / "ratios.txt");
    std::size_t compared = 0;
    for (std::string ratio; std::getline(in, ratio); ++compared) {
        ASSERT_LT(compared, pairs.size());
        const auto& [a, b] = pairs[compared];
        // Every other pair in small letters: the comparison upper-cases both words.
        const double ours = compared % 2 == 0 ? Similarity(a, b) : Similarity(Lower(a), b);
        ASSERT_EQ(ours, std::strtod(ratio.c_str(), nullptr)) << a << " / " << b;
    }
    EXPECT_EQ(compared, pairs.size());
    std::filesystem::remove_all(folder);
}

} // namespace
