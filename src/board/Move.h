#pragma once
// A move: a word laid along one row (across) or one column (down), written as players write
// it: "H4 MOTS" across from row H, column 4; "4H MOTS" down from column 4, row H; a joker's
// letter in lower case.

#include "board/Position.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::board {

enum class Direction { Across, Down };

// Where a word starts: its first letter's square, and which way it runs.
struct Placement {
    Direction direction = Direction::Across;
    int row = 0;    // 0 ... 14 for A ... O
    int column = 0; // 0 ... 14 for 1 ... 15

    bool operator==(const Placement&) const = default;
};

struct Move {
    Placement placement;
    // The whole word the move makes along its line, the tiles already there included: a
    // capital for a letter tile, a small letter for a joker (new or already on the board).
    std::string word;
    int score = 0;

    bool operator==(const Move&) const = default;
};

// "H4" or "4H"; nothing for any other text (a row outside A-O, a column outside 1-15).
// Row letters may be small.
std::optional<Placement> ReadPlacement(std::string_view text);
std::string WritePlacement(const Placement& placement);

// "H4 MOTS 24": placement, word, score.
std::string WriteMove(const Move& move);

// The square of the word's i-th letter.
int RowOf(const Placement& placement, int i);
int ColumnOf(const Placement& placement, int i);

// Whether the word fits the position: inside the board, each of its letters either on an
// empty square or equal to the tile there (joker tiles as small letters), at least one
// square empty, and no tile touching either end along the line.
bool FitsOn(const Position& position, const Move& move);

// The tiles the move takes from the draw, in word order: capitals, "?" for jokers.
// The move must fit the position.
std::string TilesPlaced(const Position& position, const Move& move);

// The score of a fitting move, words formed checked by nobody: the main word and every
// word crossing a new tile, premiums under new tiles only, a joker worth 0, and 50 more
// when the move lays 7 tiles and drawSize is 7.
int ScoreMove(const Position& position, const Move& move, int drawSize);

// The position after the move (which must fit).
Position Play(const Position& position, const Move& move);

} // namespace zorvane::board
