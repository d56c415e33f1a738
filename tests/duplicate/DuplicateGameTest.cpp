// Whole seeded games over the shipped word list: each top is the best move of its position,
// the tiles add up, the game ends by the rule, and the saved file replays to the same game
// (a file that disagrees with its seed is refused, naming the move).

#include "duplicate/DuplicateGame.h"

#include "data/ResourceText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using namespace zorvane;
using namespace zorvane::duplicate;

const data::WordGraph& Words() {
    static const auto* const list = [] {
        std::ifstream file(ZORVANE_DICO_FILE, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        return new std::vector<std::string>(data::SplitLines(bytes));
    }();
    static const data::WordGraph graph(std::vector<std::string_view>(list->begin(), list->end()));
    return graph;
}

// Plays the game to its end; the player proposes the second-best move, or nothing when the
// top is alone.
void PlayToTheEnd(DuplicateGame& game) {
    while (!game.Over()) {
        const auto& moves = game.Moves();
        game.Close(moves.size() > 1 ? std::optional(moves[1]) : std::nullopt);
    }
}

TEST(DuplicateGame, ASeededGameGoesToItsEndWithTheBestMoveAsTop) {
    for (const std::uint32_t seed : {1U, 2024U, 4000000000U}) {
        DuplicateGame game(Words(), seed);
        PlayToTheEnd(game);
        ASSERT_GE(game.Turns().size(), 10U) << seed;
        EXPECT_FALSE(game.EndReason().empty());
        // Replayed independently: each top is the first move the generator ranks for the
        // position and the draw of its turn, and the draws meet the rule of their number.
        board::Position position;
        int tilesLaid = 0;
        for (const Turn& turn : game.Turns()) {
            EXPECT_TRUE(MeetsRule(turn.draw.Tiles(), turn.number)) << turn.draw.Tiles();
            const auto moves = board::GenerateMoves(position, turn.draw.Tiles(), Words());
            ASSERT_FALSE(moves.empty());
            EXPECT_EQ(Written(moves.front()), turn.top) << seed << " move " << turn.number;
            ASSERT_TRUE(turn.player);
            EXPECT_EQ(RankOf(moves, turn.player->score), moves[1].score == moves[0].score ? 1 : 2);
            tilesLaid += static_cast<int>(board::TilesPlaced(position, moves.front()).size());
            position = board::Play(position, moves.front());
        }
        EXPECT_EQ(position, game.Board());
        EXPECT_EQ(position.TileCount(), tilesLaid);
    }
}

TEST(DuplicateGame, EndsWhenNoMoveIsPossible) {
    const data::WordGraph none;
    const DuplicateGame game(none, 3);
    EXPECT_TRUE(game.Over());
    EXPECT_TRUE(game.Turns().empty());
    EXPECT_EQ(game.EndReason().rfind("Partie termin", 0), 0U);
    EXPECT_NE(game.EndReason().find("aucun coup n'est possible avec le tirage "), std::string::npos);
}

TEST(DuplicateGame, TheSavedFileReplaysTheSameGame) {
    DuplicateGame game(Words(), 77);
    for (int move = 0; move < 5; ++move) {
        game.Close(move == 2 ? std::nullopt : std::optional(game.Moves().back()));
    }
    const std::string text = game.SavedText();
    ReplayResult replayed = ReplayGame(Words(), *ReadGameText(text).game);
    ASSERT_TRUE(replayed.game) << replayed.error;
    EXPECT_EQ(replayed.game->SavedText(), text);
    EXPECT_EQ(replayed.game->Board(), game.Board());
    EXPECT_EQ(replayed.game->Moves(), game.Moves());
    // A replayed game goes on as the first would have.
    DuplicateGame first = std::move(game);
    DuplicateGame second = std::move(*replayed.game);
    PlayToTheEnd(first);
    PlayToTheEnd(second);
    EXPECT_EQ(first.SavedText(), second.SavedText());
}

TEST(DuplicateGame, AFileThatDisagreesWithItsSeedIsRefused) {
    DuplicateGame game(Words(), 5);
    game.Close(std::nullopt);
    game.Close(std::optional(game.Moves().front()));
    const std::string text = game.SavedText();
    const Turn& second = game.Turns()[1];
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string edited = text;
        edited.replace(edited.find(from), from.size(), to);
        return ReplayGame(Words(), *ReadGameText(edited).game).error;
    };
    EXPECT_EQ(changed("graine 5", "graine 6").rfind("Coup 1 : le tirage ", 0), 0U);
    std::string topScore = " ";
    topScore.append(std::to_string(second.top.score)).append(" joueur");
    EXPECT_EQ(changed(topScore, " 1000 joueur"), "Coup 2 : " + second.top.Text() + " vaut " +
                                                     std::to_string(second.top.score) +
                                                     " points, pas 1000.");
    EXPECT_EQ(changed("top " + second.top.place, "top Z9").rfind("Coup 2 : la case Z9", 0), 0U);
    EXPECT_EQ(changed("en cours 3 tirage ", "en cours 3 tirage Q").rfind("Le tirage en cours", 0),
              0U);
}

} // namespace
