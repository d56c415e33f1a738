#pragma once
// A duplicate game: the seed draws every draw, the player proposes a move for each, the top
// (the best move) is played for everyone, and the next draw completes what the top left.
// The game ends when no draw can meet the draw rule or no move is possible.

#include "board/MoveGenerator.h"
#include "duplicate/GameFile.h"
#include "duplicate/MoveCheck.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::duplicate {

class DuplicateGame {
public:
    DuplicateGame(const data::WordGraph& words, std::uint32_t seed);

    std::uint32_t Seed() const { return seed_; }
    const board::Position& Board() const { return position_; }
    const std::vector<Turn>& Turns() const { return turns_; }
    int MoveNumber() const { return static_cast<int>(turns_.size()) + 1; }
    bool Over() const { return !draw_; }
    // Why the game ended, in French (cp1252); empty while it goes on.
    const std::string& EndReason() const { return endReason_; }
    // The draw waiting for a move, and every legal move of it, best first (the top first).
    const std::optional<Draw>& CurrentDraw() const { return draw_; }
    const std::vector<board::Move>& Moves() const { return moves_; }

    CheckedMove Check(std::string_view entry) const;
    CheckedMove Check(const board::Placement& placement, std::string_view word) const;

    // Ends the move waiting (the game is not over): records the player's move (a legal one,
    // or nothing), plays the top and draws the next move's tiles.
    const Turn& Close(const std::optional<board::Move>& player);

    std::string SavedText() const { return GameText(seed_, turns_, draw_); }

private:
    void PlayAndDraw(const board::Move& top, const std::optional<board::Move>& player);
    void DrawNext();

    const data::WordGraph& words_;
    std::uint32_t seed_;
    GameRandom random_;
    TileBag bag_ = TileBag::Full();
    board::Position position_;
    std::vector<Turn> turns_;
    std::string leftover_;
    std::optional<Draw> draw_;
    std::vector<board::Move> moves_;
    std::string endReason_;

    friend struct Replay;
};

// Where a move stands in a ranking: 1 + the moves that score more.
int RankOf(const std::vector<board::Move>& ranked, int score);

// A move as the sheet and the saved file write it.
WrittenMove Written(const board::Move& move);

struct ReplayResult {
    std::optional<DuplicateGame> game;
    std::string error; // in French (cp1252), naming the move, when game is empty
};

// The game of a saved file, replayed from its seed with its tops and the player's moves;
// refused when a draw, a move or a score is not what the seed and the words give.
ReplayResult ReplayGame(const data::WordGraph& words, const SavedGame& saved);

} // namespace zorvane::duplicate
