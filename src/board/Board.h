#pragma once
// The board and the tiles of the French game: 15 x 15 squares, rows A to O from the top,
// columns 1 to 15 from the left; the premium squares; the 102 tiles and what each is worth.

#include <array>
#include <cstddef>
#include <string_view>

namespace zorvane::board {

inline constexpr int kSize = 15;
inline constexpr int kCentre = 7;      // H8, where the first move goes
inline constexpr int kRackSize = 7;    // tiles in a full draw
inline constexpr int kBingoBonus = 50; // for laying all seven tiles of a full draw
inline constexpr char kJoker =
    '?'; // a joker in a draw; on the board it is its letter in lower case
inline constexpr char kEmpty = '.'; // an empty square in the text form of a position

enum class Premium { None, DoubleLetter, TripleLetter, DoubleWord, TripleWord };

// The premium of a square, row and column from 0 to 14.
Premium PremiumAt(int row, int column);
int LetterFactor(Premium premium); // 1, 2 or 3
int WordFactor(Premium premium);   // 1, 2 or 3

// The tiles of the set: how many of each letter A to Z, and jokers.
inline constexpr std::array<int, 26> kTilesPerLetter = {9, 2, 2, 3, 15, 2, 2, 2, 8, 1, 1, 5, 3,
                                                        6, 6, 2, 1, 6,  6, 6, 6, 2, 1, 1, 1, 1};
inline constexpr int kJokerTiles = 2;

// What a tile counts: its letter's value for a capital A to Z, 0 for a joker (a lower-case
// letter on the board, "?" in a draw) and for anything else.
int TileValue(char tile);

constexpr bool IsLetterTile(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr bool IsJokerTile(char c) {
    return c >= 'a' && c <= 'z';
}
constexpr char LetterOf(char tile) {
    return IsJokerTile(tile) ? static_cast<char>(tile - 32) : tile;
}

// "A" ... "O" for rows 0 ... 14, "1" ... "15" for columns.
char RowName(int row);

} // namespace zorvane::board
