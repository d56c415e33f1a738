// The similarity of two arbitrary byte strings, compared with a plain longest-block-first
// count of matches.
//
// Input: one byte giving the first word's share of the rest, then both words (64 bytes each
// at most: words, not texts).

#include "FuzzCheck.h"
#include "FuzzText.h"
#include "nearwords/WordComparison.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvane::nearwords;

namespace {

constexpr std::size_t kLongestWord = 64;

struct Matches {
    int count = 0;
    bool tie = false; // a longest block was not the only one as long, somewhere
};

// The longest common block (the earliest in a, then in b), plus the matches on its left
// and on its right.
FUZZ_REFERENCE Matches CountMatches(std::string_view a, std::string_view b) {
    std::size_t bestA = 0;
    std::size_t bestB = 0;
    std::size_t longest = 0;
    bool tie = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            std::size_t k = 0;
            while (i + k < a.size() && j + k < b.size() && a[i + k] == b[j + k]) {
                ++k;
            }
            if (k > longest) {
                bestA = i;
                bestB = j;
                longest = k;
                tie = false;
            } else if (k == longest && k > 0) {
                tie = true;
            }
        }
    }
    if (longest == 0) {
        return {};
    }
    const Matches left = CountMatches(a.substr(0, bestA), b.substr(0, bestB));
    const Matches right = CountMatches(a.substr(bestA + longest), b.substr(bestB + longest));
    return {static_cast<int>(longest) + left.count + right.count, tie || left.tie || right.tie};
}

// The longest common subsequence: no count of matches can pass it.
FUZZ_REFERENCE int CommonSubsequence(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1, 0);
    for (const char c : a) {
        int diagonal = 0;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = c == b[j - 1] ? diagonal + 1 : std::max(row[j], row[j - 1]);
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    const std::size_t split = std::min<std::size_t>(bytes[0], rest.size());
    const std::string_view a = rest.substr(0, std::min(split, kLongestWord));
    const std::string_view b = rest.substr(split, kLongestWord);
    const std::string upperA = AsciiUpper(a);
    const std::string upperB = AsciiUpper(b);

    const double similarity = Similarity(a, b);
    FUZZ_CHECK(similarity >= 0.0 && similarity <= 1.0);
    FUZZ_CHECK((similarity == 1.0) == (upperA == upperB));
    if (upperA == upperB) {
        return 0;
    }

    const Matches matches = CountMatches(upperA, upperB);
    FUZZ_CHECK(matches.count <= CommonSubsequence(upperA, upperB));
    WordComparison comparison;
    comparison.Load(a, b);
    const int lengthA = static_cast<int>(a.size());
    const int lengthB = static_cast<int>(b.size());
    FUZZ_CHECK(comparison.MatchingCharacters(1, lengthA, 1, lengthB) == matches.count);
    FUZZ_CHECK(similarity == 2.0 * matches.count / static_cast<double>(lengthA + lengthB));
    if (!matches.tie) {
        FUZZ_CHECK(Similarity(b, a) == similarity);
    }
    return 0;
}
