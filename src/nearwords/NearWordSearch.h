#pragma once
// The near-word search: every dictionary word of the typed word's length (and, on request,
// one letter longer or shorter) whose similarity reaches the threshold, as the result text
// the window shows and the count of accepted words.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::nearwords {

// The longest word the near-word search takes.
inline constexpr int kMaxTypedLetters = 13;

inline constexpr std::string_view kResultHeader = "Solutions:      L:  %";

// One accepted word and its similarity, rounded to hundredths of a per cent.
struct NearWord {
    std::string word;
    long long hundredths = 0;
    bool operator==(const NearWord&) const = default;
};

struct NearWordResult {
    std::vector<NearWord> words; // in dictionary order
    std::int16_t count = 0;
};

// MatchBound skips a word when even the most matches it could have with the typed word
// (their longest common subsequence) would not reach the threshold; the result is the same
// as comparing every word. Typed words over 64 letters are compared with every word.
enum class Pruning { MatchBound, None };

// The percentage rounded to 2 decimals, half to even, in hundredths.
long long HundredthsOfPercent(double percent);

// "WORD" padded to 15, its length, the rounded percentage ("100%" or " 83%"-like).
std::string ResultLine(std::string_view word, long long hundredths);

// The text the window shows: the header, then CR LF and one ResultLine per word.
std::string ResultText(const NearWordResult& result);

// Throws CountOverflow (NearWordFailure.h) past 32767 accepted words.
NearWordResult NearWordSearch(const std::vector<std::string>& dico, std::string_view typed,
                              int threshold, bool lengthsPlusMinusOne,
                              Pruning pruning = Pruning::MatchBound);

} // namespace zorvane::nearwords
