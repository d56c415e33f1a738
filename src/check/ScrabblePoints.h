#pragma once
// What the letters of a word are worth on a Scrabble board.

#include <array>
#include <cstdint>
#include <string_view>

namespace zorvane::check {

// The value of each letter, A first; characters outside A to Z are worth nothing.
inline constexpr std::array<int, 26> LetterValues = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8,  10, 1,  2,
                                                     1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};

// How many times lettre occurs in mot, each search starting one character after the last
// hit; 0 when either is empty.
std::int16_t ChercheLet(std::string_view mot, std::string_view lettre);

// For each letter A to Z, its occurrences in word times its value, summed.
int ScrabblePoints(std::string_view word);

} // namespace zorvane::check
