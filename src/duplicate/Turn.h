#pragma once
// One move of a game as the score sheet and the saved file keep it.

#include "duplicate/DrawRule.h"

#include <optional>
#include <string>

namespace zorvane::duplicate {

// A move written as players write it: its place ("H4" across, "4H" down) and its word,
// joker letters in lower case, with what it scored.
struct WrittenMove {
    std::string place;
    std::string word;
    int score = 0;
    std::string Text() const { return place + ' ' + word; }
    bool operator==(const WrittenMove&) const = default;
};

struct Turn {
    int number = 0; // from 1
    Draw draw;
    WrittenMove top;
    std::optional<WrittenMove> player; // nothing when the player proposed no legal move
};

// The draw as the sheet writes it: "EIS+ANRT" when tiles were kept, "-AEINRST" after a draw
// went back to the bag, the tiles alone otherwise.
std::string DrawText(const Draw& draw);

} // namespace zorvane::duplicate
