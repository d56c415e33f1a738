#pragma once
// The crossword question: the words of one length that have the known letters at their
// places. Patterns with too few known letters are refused before any search.

#include "crossword/LengthTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::crossword {

// The unknown place of a pattern text (the window's "?").
inline constexpr char kUnknownPlace = '_';

// A pattern has one place per box of the window.
inline constexpr int kMinPatternLength = 3;
inline constexpr int kMaxPatternLength = 12;

// The highest number of unknown places accepted for a length of 3 to 15.
int MaxUnknownPlaces(int length);
bool TooManyUnknowns(int length, int unknowns);

// ChercheMotsCroises: the words of ListeAna of the given length (1 to 15) whose every
// place agrees with the pattern text of as many characters, known letters compared in
// upper case, in list order. The views point into ListeAna, without its padding.
std::vector<std::string_view> ChercheMotsCroises(const std::vector<std::string>& ListeAna,
                                                 const LengthTable& lengths, int length,
                                                 std::string_view pattern);

} // namespace zorvane::crossword
