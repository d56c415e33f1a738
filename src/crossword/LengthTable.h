#pragma once
// Where the words of each length stand in the anagram word list, which holds them by
// length, then alphabetically: a pattern search scans one length block only.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::crossword {

inline constexpr std::size_t kLongestWord = 15;

// 1-based positions in ListeAna, by word length (0 to 15). A length without words has an
// empty block: DebLongueur 1, FinLongueur 0.
struct LengthTable {
    std::array<std::size_t, kLongestWord + 1> DebLongueur;
    std::array<std::size_t, kLongestWord + 1> FinLongueur;
};

// The letters of a list entry: the last one carries the resource's NUL padding.
std::string_view WordOf(std::string_view entry);

// The first and last position of each length, read from the list itself.
LengthTable FillLengthTable(const std::vector<std::string>& ListeAna);

} // namespace zorvane::crossword
