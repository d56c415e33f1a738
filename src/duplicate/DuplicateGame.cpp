#include "duplicate/DuplicateGame.h"

#include "duplicate/Join.h"

namespace zorvane::duplicate {

DuplicateGame::DuplicateGame(const data::WordGraph& words, std::uint32_t seed)
    : words_(words), seed_(seed), random_(seed) {
    DrawNext();
}

CheckedMove DuplicateGame::Check(std::string_view entry) const {
    return CheckMove(position_, draw_ ? draw_->Tiles() : std::string(), entry, words_);
}

CheckedMove DuplicateGame::Check(const board::Placement& placement, std::string_view word) const {
    return CheckPlacedMove(position_, draw_ ? draw_->Tiles() : std::string(), placement, word,
                           words_);
}

const Turn& DuplicateGame::Close(const std::optional<board::Move>& player) {
    PlayAndDraw(moves_.front(), player);
    return turns_.back();
}

void DuplicateGame::PlayAndDraw(const board::Move& top, const std::optional<board::Move>& player) {
    turns_.push_back({MoveNumber(), *draw_, Written(top),
                      player ? std::optional(Written(*player)) : std::nullopt});
    leftover_ = draw_->Tiles();
    for (const char tile : board::TilesPlaced(position_, top)) {
        leftover_.erase(leftover_.find(tile), 1);
    }
    position_ = board::Play(position_, top);
    DrawNext();
}

void DuplicateGame::DrawNext() {
    draw_ = DrawTiles(bag_, leftover_, MoveNumber(), random_);
    moves_.clear();
    if (!draw_) {
        endReason_ = std::string(
            "Partie terminée : plus aucun tirage ne peut respecter la règle des voyelles et des "
            "consonnes."_cp);
        return;
    }
    moves_ = board::GenerateMoves(position_, draw_->Tiles(), words_);
    if (moves_.empty()) {
        endReason_ = Join("Partie terminée : aucun coup n'est possible avec le tirage "_cp,
                          draw_->Tiles(), ".");
        draw_.reset();
    }
}

int RankOf(const std::vector<board::Move>& ranked, int score) {
    int rank = 1;
    for (const board::Move& move : ranked) {
        rank += move.score > score ? 1 : 0;
    }
    return rank;
}

WrittenMove Written(const board::Move& move) {
    return {board::WritePlacement(move.placement), move.word, move.score};
}

// Replays a saved game on a game of the same seed, which may see its private parts.
struct Replay {
    static std::string Move(DuplicateGame& game, int number, const WrittenMove& written,
                            std::optional<board::Move>& move) {
        const std::string name = "Coup " + std::to_string(number);
        const auto placement = board::ReadPlacement(written.place);
        if (!placement) {
            return Join(name, " : la case ", written.place, " n'existe pas.");
        }
        const CheckedMove checked = game.Check(*placement, written.word);
        if (!checked.Legal()) {
            return Join(name, " : ", checked.error);
        }
        if (checked.move.score != written.score) {
            return Join(name, " : ", written.Text(), " vaut ", std::to_string(checked.move.score),
                        " points, pas ", std::to_string(written.score), ".");
        }
        move = checked.move;
        return {};
    }

    static ReplayResult Run(const data::WordGraph& words, const SavedGame& saved) {
        DuplicateGame game(words, saved.seed);
        const auto fail = [](std::string why) {
            return ReplayResult{std::nullopt, std::move(why)};
        };
        for (const SavedTurn& turn : saved.turns) {
            const std::string name = "Coup " + std::to_string(game.MoveNumber());
            if (game.Over()) {
                return fail(Join(name, " : la partie était déjà terminée."_cp));
            }
            if (DrawText(*game.draw_) != turn.draw) {
                return fail(Join(name, " : le tirage ", turn.draw,
                                 " n'est pas celui de la graine (", DrawText(*game.draw_), ")."));
            }
            std::optional<board::Move> top;
            std::optional<board::Move> player;
            std::string why = Move(game, game.MoveNumber(), turn.top, top);
            if (why.empty() && turn.player) {
                why = Move(game, game.MoveNumber(), *turn.player, player);
            }
            if (!why.empty()) {
                return fail(why);
            }
            game.PlayAndDraw(*top, player);
        }
        if (!saved.current.empty() && (game.Over() || DrawText(*game.draw_) != saved.current)) {
            return fail(
                Join("Le tirage en cours ", saved.current, " n'est pas celui de la graine."));
        }
        return {std::move(game), {}};
    }
};

ReplayResult ReplayGame(const data::WordGraph& words, const SavedGame& saved) {
    return Replay::Run(words, saved);
}

} // namespace zorvane::duplicate
