#include "nearwords/NearWordSearch.h"

#include "nearwords/NearWordFailure.h"
#include "nearwords/WordComparison.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zorvane::nearwords {
namespace {

constexpr std::size_t kWordColumn = 15;

long long HundredthsOf(double similarity) {
    return HundredthsOfPercent(similarity * 100.0);
}

// The integer part of the rounded percentage decides: 89.99 does not reach 90.
bool Reaches(long long hundredths, int threshold) {
    return hundredths / 100 >= threshold;
}

// The matches of a comparison bound: the runs it keeps lie in the same order in both
// words, so their characters form a common subsequence, and the longest common subsequence
// is at least the matches. Found bit-parallel with one bit per letter of the typed word.
class SubsequenceBound {
public:
    static constexpr std::size_t kMostTypedLetters = 64;

    explicit SubsequenceBound(std::string_view typed)
        : typedMask_(typed.size() >= kMostTypedLetters ? ~std::uint64_t{0}
                                                       : (std::uint64_t{1} << typed.size()) - 1) {
        for (std::size_t i = 0; i < typed.size() && i < kMostTypedLetters; ++i) {
            placesOf_[UpperCaseByte(typed[i])] |= std::uint64_t{1} << i;
        }
    }

    // The longest common subsequence of the candidate and the typed word (at most 64 letters).
    int Of(std::string_view candidate) const {
        std::uint64_t unmatched = ~std::uint64_t{0};
        for (const char c : candidate) {
            const std::uint64_t matched = unmatched & placesOf_[UpperCaseByte(c)];
            unmatched = (unmatched + matched) | (unmatched - matched);
        }
        return std::popcount(~unmatched & typedMask_);
    }

private:
    std::uint64_t typedMask_;
    std::array<std::uint64_t, 256> placesOf_{}; // the typed word's places of each byte
};

// The fewest matches with which a candidate of this length is accepted, found with the
// same ratio and rounding as the comparisons themselves; more than the shorter word's
// length when none is. The result rises with the matches, so fewer matches are never accepted.
int FewestAcceptedMatches(int candidateLength, int typedLength, int threshold) {
    if (candidateLength + typedLength <= 0) {
        return 0; // two empty words are equal: nothing to bound
    }
    int matches = 0;
    const int most = std::min(candidateLength, typedLength);
    while (matches <= most &&
           !Reaches(HundredthsOf(MatchRatio(matches, candidateLength, typedLength)), threshold)) {
        ++matches;
    }
    return matches;
}

} // namespace

long long HundredthsOfPercent(double percent) {
    return std::llrint(percent * 100.0); // the default rounding mode ties to even
}

std::string ResultLine(std::string_view word, long long hundredths) {
    std::string line(word);
    if (line.size() < kWordColumn) {
        line.append(kWordColumn - line.size(), ' ');
    }
    line += ' ';
    line += std::to_string(word.size());
    if (word.size() < 10) {
        line += ' ';
    }
    line += ' ';
    if (hundredths == 10000) {
        line += "100%";
    } else {
        const std::string whole = std::to_string(hundredths / 100);
        if (whole.size() < 2) {
            line += ' ';
        }
        line += whole;
        line += '%';
    }
    return line;
}

std::string ResultText(const NearWordResult& result) {
    std::string text(kResultHeader);
    for (const NearWord& found : result.words) {
        text += "\r\n";
        text += ResultLine(found.word, found.hundredths);
    }
    return text;
}

NearWordResult NearWordSearch(const std::vector<std::string>& dico, std::string_view typed,
                              int threshold, bool lengthsPlusMinusOne, Pruning pruning) {
    NearWordResult result;
    const int typedLength = static_cast<int>(typed.size());
    // Fewest accepted matches for the lengths typed − 1, typed and typed + 1.
    const std::array<int, 3> fewest = {
        FewestAcceptedMatches(typedLength - 1, typedLength, threshold),
        FewestAcceptedMatches(typedLength, typedLength, threshold),
        FewestAcceptedMatches(typedLength + 1, typedLength, threshold)};
    const SubsequenceBound bound(typed);
    const bool bounded =
        pruning == Pruning::MatchBound && typed.size() <= SubsequenceBound::kMostTypedLetters;
    WordComparison comparison;
    for (const std::string& word : dico) {
        const int lengthGap = static_cast<int>(word.size()) - typedLength;
        if (lengthGap != 0 && !(lengthsPlusMinusOne && (lengthGap == 1 || lengthGap == -1))) {
            continue;
        }
        if (bounded && bound.Of(word) < fewest[lengthGap + 1]) {
            continue;
        }
        comparison.Load(word, typed);
        const long long hundredths = HundredthsOf(comparison.Similarity());
        if (!Reaches(hundredths, threshold)) {
            continue;
        }
        if (result.count == std::numeric_limits<std::int16_t>::max()) {
            throw CountOverflow();
        }
        result.words.push_back({word, hundredths});
        ++result.count;
    }
    return result;
}

} // namespace zorvane::nearwords
