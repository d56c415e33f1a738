#pragma once
// Ratcliff/Obershelp similarity of two words: the characters of their longest common runs,
// found recursively on each side of the longest one, over the length of both words.

#include <string_view>
#include <vector>

namespace zorvane::nearwords {

// The two words of one comparison as upper-case byte arrays read from place 1, kept
// between comparisons so that comparing a word does not allocate once the arrays have grown.
class WordComparison {
public:
    // Copies both words, upper-cased, into the arrays.
    void Load(std::string_view first, std::string_view second);

    // Matching characters between places start1..end1 of the first word and start2..end2 of
    // the second (from 1): the longest common run, the earliest in the first word and then
    // in the second when several are as long, plus the matches left and right of it.
    int MatchingCharacters(int start1, int end1, int start2, int end2) const;

    // 1 for equal words, otherwise 2 × matches / (both lengths).
    double Similarity() const;

    int FirstLength() const { return static_cast<int>(first_.size()) - 1; }
    int SecondLength() const { return static_cast<int>(second_.size()) - 1; }

private:
    std::vector<unsigned char> first_{0};
    std::vector<unsigned char> second_{0};
};

// The ratio of 2 × matches over the two lengths, as every comparison computes it.
double MatchRatio(int matches, int firstLength, int secondLength);

// The byte upper-cased: a to z become A to Z, every other byte stays.
unsigned char UpperCaseByte(char c);

// Similarity of a and b, upper-cased, between 0 and 1.
double Similarity(std::string_view a, std::string_view b);

} // namespace zorvane::nearwords
