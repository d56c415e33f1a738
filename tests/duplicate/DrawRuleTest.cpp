// The bag and the draws: the French set, the vowel and consonant rule by move number,
// refused draws going back whole, the end when no draw can meet the rule, and a seed that
// repeats a game.

#include "duplicate/DrawRule.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace zorvane::duplicate;

std::string Sorted(std::string tiles) {
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

TEST(TileBag, HoldsTheFrenchSet) {
    const TileBag bag = TileBag::Full();
    ASSERT_EQ(bag.Size(), kFullBag);
    const std::string& tiles = bag.Tiles();
    for (const auto& [tile, count] : std::vector<std::pair<char, long>>{
             {'A', 9}, {'E', 15}, {'I', 8}, {'K', 1}, {'L', 5}, {'N', 6}, {'Z', 1}, {'?', 2}}) {
        EXPECT_EQ(std::count(tiles.begin(), tiles.end(), tile), count) << tile;
    }
}

TEST(TileBag, TakesWhatItHoldsAndNoMore) {
    TileBag bag = TileBag::Full();
    GameRandom random(7);
    const std::string first = bag.Take(random, 100);
    EXPECT_EQ(bag.Size(), 2U);
    const std::string rest = bag.Take(random, 7);
    EXPECT_EQ(rest.size(), 2U);
    EXPECT_TRUE(bag.Empty());
    EXPECT_EQ(Sorted(first + rest), Sorted(TileBag::Full().Tiles()));
}

TEST(DrawRule, VowelsAndConsonantsByMoveNumber) {
    const struct {
        const char* draw;
        int move;
        bool meets;
    } cases[] = {
        {"AEBCDFG", 1, true},   {"AEIOUBC", 15, true}, {"AEIOUYC", 15, true}, // Y as consonant
        {"AEIOUBW", 1, true},   {"ABCDFGH", 1, false}, {"ABCDFGH", 16, true},
        {"AEIOUUB", 15, false}, {"AEIOUUB", 16, true}, {"BCDFGH?", 1, false}, // one joker: 1 vowel
        {"BCDF??G", 1, true},   {"AYBCDFG", 1, true},  {"AEIOUY?", 2, true},
        {"BCDFGHJ", 16, false}, {"EE", 20, false},     {"EB", 20, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MeetsRule(c.draw, c.move), c.meets) << c.draw << " move " << c.move;
    }
}

TEST(DrawRule, DrawsFromLeftoverAndBagUntilTheRuleHolds) {
    // Every seed gives a draw that meets the rule, keeps the leftover when it can, and loses
    // no tile: what is drawn plus the bag is what was there.
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        TileBag bag = TileBag::Full();
        GameRandom random(seed);
        const std::string leftover = bag.Take(random, 4);
        const std::string before = Sorted(leftover + bag.Tiles());
        const auto draw = DrawTiles(bag, leftover, 3, random);
        ASSERT_TRUE(draw);
        EXPECT_EQ(draw->Tiles().size(), kDrawSize);
        EXPECT_TRUE(MeetsRule(draw->Tiles(), 3)) << draw->Tiles();
        EXPECT_EQ(Sorted(draw->Tiles() + bag.Tiles()), before);
        if (draw->refused == 0) {
            EXPECT_EQ(draw->kept, leftover);
        } else {
            EXPECT_TRUE(draw->kept.empty());
        }
    }
}

TEST(DrawRule, TheSameSeedDrawsTheSameGame) {
    const auto draws = [](std::uint32_t seed) {
        TileBag bag = TileBag::Full();
        GameRandom random(seed);
        std::string all;
        for (int move = 1; move <= 10; ++move) {
            all += DrawTiles(bag, "", move, random)->Tiles() + '/';
        }
        return all;
    };
    EXPECT_EQ(draws(42), draws(42));
    EXPECT_NE(draws(42), draws(43));
}

TEST(DrawRule, EndsWhenNoDrawCanMeetTheRule) {
    GameRandom random(1);
    const struct {
        const char* leftover;
        const char* bag;
        int move;
        bool drawn;
    } cases[] = {
        {"", "", 20, false},           {"EA", "", 20, false},         {"EB", "", 20, true},
        {"", "BCDFGHJKLM", 20, false}, {"B", "CDFGHJKLMA", 20, true}, {"B", "CDFGHJKLMA", 1, false},
        {"", "BCDFGHJKLMA?", 1, true}, // the joker is the second vowel
        {"AE", "IOUBCDF", 5, true},    // a refused draw can be followed by a good one
    };
    for (const auto& c : cases) {
        TileBag bag;
        bag.Return(c.bag);
        const auto draw = DrawTiles(bag, c.leftover, c.move, random);
        EXPECT_EQ(draw.has_value(), c.drawn) << c.leftover << "+" << c.bag;
        if (!draw) {
            EXPECT_EQ(bag.Tiles(), c.bag); // untouched
        }
    }
}

} // namespace
