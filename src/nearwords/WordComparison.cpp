#include "nearwords/WordComparison.h"

namespace zorvane::nearwords {
namespace {

void CopyUpperCase(std::string_view word, std::vector<unsigned char>& places) {
    places.resize(word.size() + 1);
    for (std::size_t i = 0; i < word.size(); ++i) {
        places[i + 1] = UpperCaseByte(word[i]);
    }
}

} // namespace

void WordComparison::Load(std::string_view first, std::string_view second) {
    CopyUpperCase(first, first_);
    CopyUpperCase(second, second_);
}

int WordComparison::MatchingCharacters(int start1, int end1, int start2, int end2) const {
    if (start1 < 1 || start2 < 1 || start1 > end1 || start2 > end2) {
        return 0;
    }
    int p1 = 0;
    int p2 = 0;
    int longest = 0;
    // A run starting closer to an end than the kept length cannot be strictly longer.
    for (int i = start1; end1 - i + 1 > longest; ++i) {
        for (int j = start2; end2 - j + 1 > longest; ++j) {
            int k = 0;
            while (i + k <= end1 && j + k <= end2 && first_[i + k] == second_[j + k]) {
                ++k;
            }
            if (k > longest) { // a later run of the same length does not replace it
                p1 = i;
                p2 = j;
                longest = k;
            }
        }
    }
    if (longest == 0) {
        return 0;
    }
    return longest + MatchingCharacters(p1 + longest, end1, p2 + longest, end2) +
           MatchingCharacters(start1, p1 - 1, start2, p2 - 1);
}

double WordComparison::Similarity() const {
    if (first_ == second_) {
        return 1.0;
    }
    const int matches = MatchingCharacters(1, FirstLength(), 1, SecondLength());
    return MatchRatio(matches, FirstLength(), SecondLength());
}

unsigned char UpperCaseByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

double MatchRatio(int matches, int firstLength, int secondLength) {
    return 2.0 * matches / (firstLength + secondLength);
}

double Similarity(std::string_view a, std::string_view b) {
    WordComparison comparison;
    comparison.Load(a, b);
    return comparison.Similarity();
}

} // namespace zorvane::nearwords
