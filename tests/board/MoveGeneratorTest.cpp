// Every legal move, scored and ranked: hand-made positions whose top a player can check.

#include "board/MoveGenerator.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zorvane::board;
using zorvane::data::WordGraph;

namespace {

WordGraph Graph(std::vector<std::string_view> words) {
    std::sort(words.begin(), words.end());
    return WordGraph(words);
}

Position Laid(const std::vector<std::pair<std::string, std::string>>& words) {
    Position position;
    for (const auto& [at, word] : words) {
        const Move move{*ReadPlacement(at), word, 0};
        for (int i = 0; i < static_cast<int>(word.size()); ++i) {
            if (word[static_cast<std::size_t>(i)] != kEmpty) {
                position.Set(RowOf(move.placement, i), ColumnOf(move.placement, i),
                             word[static_cast<std::size_t>(i)]);
            }
        }
    }
    return position;
}

std::vector<std::string> Top(const Position& position, std::string_view draw,
                             const WordGraph& words, std::size_t count) {
    std::vector<std::string> shown;
    for (const Move& move : GenerateMoves(position, draw, words)) {
        if (shown.size() < count) {
            shown.push_back(WriteMove(move));
        }
    }
    return shown;
}

} // namespace

TEST(GenerateMoves, HandMadePositionsGiveTheTopsAPlayerFinds) {
    const WordGraph words = Graph(
        {"AH", "HA", "TA", "TAC", "CHAT", "CHUT", "CAT", "ENTRAIS", "ENTRAINS", "SATINER", "HAC"});
    struct Case {
        Position position;
        std::string draw;
        std::vector<std::string> top;
    };
    const std::vector<Case> cases{
        // First move: every placement through H8 scores 18; ties by word, across, column.
        {{}, "CHAT", {"H5 CHAT 18", "H6 CHAT 18", "H7 CHAT 18", "H8 CHAT 18", "8E CHAT 18"}},
        // Seven tiles: 50 more, and a letter on H4 doubled.
        {{}, "AEINRST", {"H2 ENTRAIS 66", "H3 ENTRAIS 66"}},
        // A joker counts nothing and is written small.
        {{}, "CH?T", {"H5 CHaT 16", "H6 CHaT 16"}},
        // Both words x3 of row A.
        {Laid({{"A2", "NTRAIN"}}), "ES", {"A1 ENTRAINS 72"}},
        // The A between C above and T below makes CAT as well as HA.
        {Laid({{"8G", "C.T"}}), "HA", {"H8 AH 20", "H7 HA 20"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Top(c.position, c.draw, words, c.top.size()), c.top) << c.draw;
    }
}

TEST(GenerateMoves, NothingOffTheGraphNoRepeatAndOneTileListedOnce) {
    const WordGraph words = Graph({"AH", "HA", "AA"});
    const Position position = Laid({{"H8", "H"}});
    const std::vector<Move> moves = GenerateMoves(position, "A", words);
    // A beside H: left (AH) or right (HA) across, above or below (AH, HA) down.
    std::vector<std::string> shown;
    for (const Move& move : moves) {
        shown.push_back(WriteMove(move));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"H7 AH 5", "8G AH 5", "H8 HA 5", "8H HA 5"}));
    EXPECT_TRUE(GenerateMoves(position, "Z", words).empty());
    EXPECT_TRUE(GenerateMoves(position, "A", WordGraph()).empty());
}
