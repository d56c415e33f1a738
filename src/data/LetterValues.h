#pragma once
// What each letter is worth in the word game: the dictionary check and the board both count
// with this one table.

#include <array>

namespace zorvane::data {

// The value of each letter, A first; characters outside A to Z are worth nothing.
inline constexpr std::array<int, 26> LetterValues = {1, 3, 3, 2, 1, 4, 2, 4, 1, 8,  10, 1,  2,
                                                     1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};

constexpr int LetterValue(char letter) {
    return letter >= 'A' && letter <= 'Z' ? LetterValues[static_cast<std::size_t>(letter - 'A')]
                                          : 0;
}

} // namespace zorvane::data
