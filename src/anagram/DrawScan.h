#pragma once
// The anagram search for one draw, as a command runs it once: a plain scan of the anagram
// list keeps the words the draw can spell and puts them in the order the window's search
// meets them, without building the index: one call costs one pass over the list.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::anagram {

// The command line takes two jokers, as the game has two blank tiles; the window one.
inline constexpr long kMaxScanJokers = 2;

// list: the anagram list's bytes, one word per line (CR LF), in list order. draw: capitals
// A to Z and at most two jokers "?", each standing for any letter. mandatory: empty, or a
// text every word holds.
//
// The words of ChercheAnagrammes over the same list, in its order: longest first; within a
// length by the joker letter of the first pass that spells them, then by the subset the
// search meets first (the highest mask, which takes each letter at its leftmost place in
// the draw), then in list order. With two jokers the first one stands for A, B, ... Z in
// turn before the second: the turn that first spells a word ranks before the pass.
std::vector<std::string> OneShotSearch(std::string_view list, std::string_view draw, int minimum,
                                       std::string_view mandatory);

} // namespace zorvane::anagram
