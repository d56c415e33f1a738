// The similarity of two arbitrary byte strings, compared with a plain longest-block-first
// count of matches.
//
// Input: one byte giving the first word's share of the rest, then both words (64 bytes each
// at most: words, not texts).

#include "FuzzHarness.h"
#include "nearwords/WordComparison.h"
#include "support/SimilarityOracle.h"

#include <algorithm>

using namespace zorvane::nearwords;

FUZZ_TARGET(input) {
    constexpr std::size_t kLongestWord = 64;
    if (input.empty()) {
        return;
    }
    const std::string_view rest = input.substr(1);
    const std::size_t split =
        std::min<std::size_t>(static_cast<unsigned char>(input[0]), rest.size());
    const std::string_view a = rest.substr(0, std::min(split, kLongestWord));
    const std::string_view b = rest.substr(split, kLongestWord);

    const double similarity = Similarity(a, b);
    FUZZ_CHECK(similarity == zorvane::testing::SimilarityOf(std::string(a), std::string(b)));
    FUZZ_CHECK((similarity == 1.0) == (AsciiUpper(a) == AsciiUpper(b)));
    const zorvane::testing::Matches matches =
        zorvane::testing::CountMatches(AsciiUpper(a), AsciiUpper(b));
    WordComparison comparison;
    comparison.Load(a, b);
    FUZZ_CHECK(comparison.MatchingCharacters(1, static_cast<int>(a.size()), 1,
                                             static_cast<int>(b.size())) == matches.count);
    FUZZ_CHECK(matches.tie || Similarity(b, a) == similarity);
}
