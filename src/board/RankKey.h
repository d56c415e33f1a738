#pragma once
// A move as one sortable 128-bit number: how the move generator ranks what it finds.

#include "board/Move.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvane::board {

// The order of RanksBefore packed into 128 bits, most significant first: the score turned
// so that higher comes first (16 bits), the word in capitals at 5 bits a letter, zeros after
// it so that a word comes before a longer one it begins (75), direction, row and column
// (9), then one bit per letter for a joker (15), first letter highest: 115 bits. A key
// holds the whole move, so the generator ranks keys and makes moves of them at the end.
using RankKey = std::pair<std::uint64_t, std::uint64_t>;

RankKey KeyOf(int score, std::string_view word, const Placement& placement);

// Sorts keys into rank order, best first.
void SortKeys(std::vector<RankKey>& keys);

// The move a key was made of.
Move MoveOf(RankKey key);

} // namespace zorvane::board
