#pragma once
// The player's move, typed as players write it ("H4 MOTS", "4H MOTS", a joker's letter in
// lower case), checked against the position and the draw: its score when it is legal, or
// a French message that names what is wrong and the word at fault.

#include "board/Move.h"
#include "data/WordGraph.h"

#include <string>
#include <string_view>

namespace zorvane::duplicate {

struct CheckedMove {
    board::Move move;  // the word as it stands on the board, with its score when legal
    std::string error; // why it is refused (cp1252); empty when legal
    bool Legal() const { return error.empty(); }
};

// entry: a placement, blanks, a word; the whole word along its line, tiles already on the
// board included (their letters may be typed in either case).
CheckedMove CheckMove(const board::Position& position, std::string_view draw,
                      std::string_view entry, const data::WordGraph& words);

// The same for a move given by its parts, as the board window builds it.
CheckedMove CheckPlacedMove(const board::Position& position, std::string_view draw,
                            const board::Placement& placement, std::string_view word,
                            const data::WordGraph& words);

} // namespace zorvane::duplicate
