#pragma once
// The saved game: a plain text file a player can read. Its lines, in order:
//   Zorvane duplicate 1
//   graine 12345
//   coup 1 tirage AEINRST top H4 SATINER 72 joueur H8 TRAINS 20
//   coup 2 tirage EIS+ABCD top 5E ABCDEF 30 joueur -
//   en cours 3 tirage AB+CDEFG
// one "coup" line per move played, "joueur -" when the player proposed nothing, and the
// draw waiting for a move, if any. Reading gives back what was written; whether the moves
// agree with the seed is for the game to check as it replays them.

#include "duplicate/Turn.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::duplicate {

struct SavedTurn {
    std::string draw; // as DrawText writes it
    WrittenMove top;
    std::optional<WrittenMove> player;
};

struct SavedGame {
    std::uint32_t seed = 0;
    std::vector<SavedTurn> turns;
    std::string current; // the draw waiting for a move; empty when the game was over
};

std::string GameText(std::uint32_t seed, const std::vector<Turn>& turns,
                     const std::optional<Draw>& current);

struct GameTextResult {
    std::optional<SavedGame> game;
    std::string error; // in French (cp1252), naming the line, when game is empty
};

GameTextResult ReadGameText(std::string_view text);

} // namespace zorvane::duplicate
