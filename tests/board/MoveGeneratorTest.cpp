// Every legal move, scored and ranked: hand-made positions whose top a player can check.

#include "board/MoveGenerator.h"

#include "support/BoardOracle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

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
    std::vector<std::string> shown(moves.size());
    std::transform(moves.begin(), moves.end(), shown.begin(), WriteMove);
    EXPECT_EQ(shown, (std::vector<std::string>{"H7 AH 5", "8G AH 5", "H8 HA 5", "8H HA 5"}));
    EXPECT_TRUE(GenerateMoves(position, "Z", words).empty());
    EXPECT_TRUE(GenerateMoves(position, "A", WordGraph()).empty());
}

namespace {

// Words of 2 to 7 letters over a few frequent letters, so that lines cross often.
std::vector<std::string> SmallList(std::mt19937& random) {
    const std::string letters = "AEIOUSTRNLCHMB";
    std::set<std::string> words;
    while (words.size() < 400) {
        std::string word(2 + random() % 6, 'A');
        for (char& c : word) {
            c = letters[random() % letters.size()];
        }
        words.insert(word);
    }
    return {words.begin(), words.end()};
}

std::string RandomDraw(std::mt19937& random, std::size_t size, int jokers) {
    const std::string bag = "AAEEEIIOUSSTTRRNLCHMBZ";
    std::string draw;
    for (std::size_t i = 0; i < size; ++i) {
        draw.push_back(static_cast<int>(i) < jokers ? kJoker : bag[random() % bag.size()]);
    }
    std::shuffle(draw.begin(), draw.end(), random);
    return draw;
}

} // namespace

TEST(GenerateMoves, AgreesWithTheBruteForceOracleOnRandomPositions) {
    std::mt19937 random(2029);
    const std::vector<std::string> list = SmallList(random);
    const WordGraph words(std::vector<std::string_view>(list.begin(), list.end()));
    const zorvane::testing::BoardOracle oracle(list);
    std::size_t compared = 0;
    std::size_t movesSeen = 0;
    for (int game = 0; game < 200; ++game) {
        Position position;
        const int turns = static_cast<int>(random() % 9);
        for (int turn = 0; turn < turns; ++turn) {
            const std::vector<Move> moves =
                GenerateMoves(position, RandomDraw(random, 7, 1), words);
            if (!moves.empty()) {
                position = Play(position, moves[random() % moves.size()]);
            }
        }
        const std::string draw =
            RandomDraw(random, 1 + random() % 7, static_cast<int>(random() % 3));
        const std::vector<Move> expected = oracle.Moves(position, draw);
        ASSERT_EQ(GenerateMoves(position, draw, words), expected)
            << WritePosition(position) << draw;
        ++compared;
        movesSeen += expected.size();
    }
    EXPECT_EQ(compared, 200U);
    EXPECT_GT(movesSeen, 5000U); // the positions are not trivial
}
