#pragma once
// The anagram search: every word of the anagram list that a draw of up to 12 characters,
// one of them possibly the joker "?", can spell. Longest words come first; within one
// length the joker letters A to Z in turn; within one joker letter the subsets of higher
// mask first (the draw's first character is the highest bit), each bucket in its order.
// Every word is listed once.

#include "anagram/PackedIndex.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zorvane::anagram {

inline constexpr std::size_t kMaxDraw = 12;
inline constexpr char kJoker = '?';

// The refusal of a draw holding two jokers or more (cp1252).
std::string_view UnSeulJokerMessage();

// The "Mini lettres" text read as a number (a leading decimal number, blanks ignored,
// anything else 0), rounded half to even and kept within 2 ... 15.
int LongueurMini(std::string_view text);

struct AnagramResult {
    bool refused = false;                   // two jokers or more: nothing searched
    std::vector<std::string_view> combined; // the displayed words, in the order found
    std::array<std::vector<std::string_view>, kMaxDraw + 1> byLength; // [2] ... [12], same order
    std::size_t accepted = 0; // distinct words spelled, shown or not (DejaVus)
};

// index: the anagram index, packed once for the searches. draw: blanks are removed,
// characters past the 12th ignored; the list holds capitals only, so a subset with any other
// character spells nothing. mandatory: empty, or a text every displayed word must contain.
// The words are views of the index's own words.
//
// Past 20,000 distinct words the search goes on: every word is still listed, once, so a
// long draw with a joker (33,000 words and more) is shown whole rather than cut.
AnagramResult ChercheAnagrammes(const PackedIndex& index, std::string_view draw,
                                std::string_view miniLettres, std::string_view mandatory);

} // namespace zorvane::anagram
