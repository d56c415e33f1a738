#pragma once
// What the letters of a word are worth on a Scrabble board.

#include "data/LetterValues.h"

#include <cstdint>
#include <string_view>

namespace zorvane::check {

using data::LetterValues;

// How many times lettre occurs in mot, each search starting one character after the last
// hit; 0 when either is empty.
std::int16_t ChercheLet(std::string_view mot, std::string_view lettre);

// For each letter A to Z, its occurrences in word times its value, summed.
int ScrabblePoints(std::string_view word);

} // namespace zorvane::check
