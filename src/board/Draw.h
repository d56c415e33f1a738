#pragma once
// A draw: the tiles a player holds, 1 to 7 of them, capitals A to Z and at most two jokers
// written "?".

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::board {

class Position;

struct DrawRead {
    std::optional<std::string> tiles; // the draw in capitals, jokers as "?", in the order typed
    std::string error;                // in French (cp1252); empty when read
};

// Small letters are taken as capitals. Refused: an empty draw, more than 7 tiles, a
// character other than a letter or "?", more than two jokers.
DrawRead ReadDraw(std::string_view text);

// Why the draw and the tiles of the position together hold more of a letter, or more
// jokers, than the set of 102 tiles; empty when they fit (cp1252).
std::string TilesBeyondSet(const Position& position, std::string_view draw);

} // namespace zorvane::board
