#pragma once
// A move typed on the board: a square, a direction, letters typed one by one. The letters
// go on the empty squares from there on, tiles already on the board join the word where the
// line meets them, and the move reads as players write it ("H4 MOTS").

#include "board/Move.h"

#include <string>
#include <string_view>

namespace zorvane::duplicate {

struct BoardTyping {
    board::Placement start; // the square the first letter goes on, and the direction
    std::string letters;    // as typed: capitals, a small letter for a joker
};

// The whole word along the line, tiles before the start and after the last letter included;
// its placement is its first square. Letters that find no empty square before the edge are
// left out.
board::Move TypedMove(const board::Position& position, const BoardTyping& typing);

// The square where the next letter would go: the first empty square from the start after
// the letters typed; off the board (row or column 15) when there is none.
board::Placement NextSquare(const board::Position& position, const BoardTyping& typing);

// The tile a typed letter takes from the draw: the letter itself while the draw holds one
// that the letters typed before have not used, else a joker (the small letter) while one is
// left, else the letter (the move's check then tells the draw lacks it).
char TileForLetter(std::string_view draw, std::string_view typedBefore, char letter);

// "H4 MOTS" for the typed move; empty when no letter is typed.
std::string TypedEntry(const board::Position& position, const BoardTyping& typing);

} // namespace zorvane::duplicate
