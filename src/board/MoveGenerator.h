#pragma once
// Every legal move of a position and a draw, with its score, best first.
//
// A move is legal when it lays 1 to 7 tiles of the draw on one line, leaving no gap along
// the main word, touching a tile already there (the first move covers H8 instead), and
// every word it forms (the main word and each cross word of 2 letters or more) is in the
// word graph. A single tile that makes words both ways is listed once, across.
//
// Order: higher score first; equal scores by the word in capitals (byte order), then
// across before down, then row, then column, then the word as written (a letter tile
// before a joker at the first place they differ). Every move is listed once.

#include "board/Move.h"
#include "data/WordGraph.h"

#include <string_view>
#include <vector>

namespace zorvane::board {

// draw: as ReadDraw gives it (capitals and "?", at most 7 tiles).
std::vector<Move> GenerateMoves(const Position& position, std::string_view draw,
                                const data::WordGraph& words);

// The order above, for whoever ranks moves of their own.
bool RanksBefore(const Move& a, const Move& b);

} // namespace zorvane::board
