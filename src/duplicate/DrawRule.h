#pragma once
// The draw of each move: the tiles left from the last move, completed from the bag to seven.
// Up to the 15th move a draw must hold at least two vowels and two consonants, then at
// least one of each; a joker or a Y counts as either. A draw that breaks the rule goes back
// to the bag whole and another is drawn. The game ends when no draw can meet the rule.

#include "duplicate/TileBag.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::duplicate {

inline constexpr std::size_t kDrawSize = 7;
inline constexpr int kLastStrictMove = 15;

// How many vowels, and as many consonants, the draw of move number moveNumber (from 1) needs.
int RequiredEach(int moveNumber);

// Whether these tiles meet the rule of moveNumber.
bool MeetsRule(std::string_view draw, int moveNumber);

struct Draw {
    std::string kept;  // the tiles left from the last move, when they were kept
    std::string added; // the tiles taken from the bag
    int refused = 0;   // draws that broke the rule and went back to the bag
    std::string Tiles() const { return kept + added; }
};

// The draw of moveNumber from the leftover tiles and the bag; nothing, and the bag and
// leftover untouched, when no draw of these tiles could meet the rule: the game is over.
std::optional<Draw> DrawTiles(TileBag& bag, const std::string& leftover, int moveNumber,
                              GameRandom& random);

} // namespace zorvane::duplicate
