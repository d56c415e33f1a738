// The score sheet (totals, share of the top, CSV) and the saved file, written and read back,
// with the line named when a file is not one of ours.

#include "duplicate/GameFile.h"

#include "duplicate/ScoreSheet.h"

#include <gtest/gtest.h>

namespace {

using namespace zorvane::duplicate;

std::vector<Turn> ThreeTurns() {
    return {
        {1, {"", "AEINRST", 0}, {"H4", "SATINER", 72}, WrittenMove{"H8", "TRAINS", 16}},
        {2, {"", "BCDEEIO", 2}, {"5E", "BOCkE", 30}, std::nullopt},
        {3, {"DEI", "LMNO", 0}, {"J2", "MOINE", 28}, WrittenMove{"2J", "MINE", 27}},
    };
}

TEST(ScoreSheet, RunningTotalsAndShareOfTheTop) {
    const auto rows = ScoreSheet(ThreeTurns());
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].draw, "AEINRST");
    EXPECT_EQ(rows[1].draw, "-BCDEEIO");
    EXPECT_EQ(rows[2].draw, "DEI+LMNO");
    EXPECT_EQ(rows[1].player, "-");
    EXPECT_EQ(rows[1].playerScore, 0);
    EXPECT_EQ(rows[2].playerTotal, 43);
    EXPECT_EQ(rows[2].topTotal, 130);
    EXPECT_EQ(rows[2].top, "J2 MOINE");
}

TEST(ScoreSheet, PercentRoundsToTenths) {
    const struct {
        int player, top;
        const char* text;
    } cases[] = {{43, 130, "33,1 %"}, {1, 8, "12,5 %"},    {2, 3, "66,7 %"},
                 {0, 50, "0,0 %"},    {72, 72, "100,0 %"}, {0, 0, "-"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PercentText(c.player, c.top), c.text) << c.player << "/" << c.top;
    }
}

TEST(ScoreSheet, CsvHasTitlesThenOneLinePerMove) {
    const std::string csv = SheetCsv(ScoreSheet(ThreeTurns()));
    EXPECT_EQ(csv, "Coup;Tirage;Votre coup;Vos points;Top;Points du top;Votre total;"
                   "Total du top;% du top\r\n"
                   "1;AEINRST;H8 TRAINS;16;H4 SATINER;72;16;72;22,2 %\r\n"
                   "2;-BCDEEIO;-;0;5E BOCkE;30;16;102;15,7 %\r\n"
                   "3;DEI+LMNO;2J MINE;27;J2 MOINE;28;43;130;33,1 %\r\n");
}

TEST(GameFile, WritesAndReadsBack) {
    const std::string text = GameText(123456, ThreeTurns(), Draw{"AB", "CDEFG", 0});
    EXPECT_EQ(text, "Zorvane duplicate 1\n"
                    "graine 123456\n"
                    "coup 1 tirage AEINRST top H4 SATINER 72 joueur H8 TRAINS 16\n"
                    "coup 2 tirage -BCDEEIO top 5E BOCkE 30 joueur -\n"
                    "coup 3 tirage DEI+LMNO top J2 MOINE 28 joueur 2J MINE 27\n"
                    "en cours 4 tirage AB+CDEFG\n");
    for (const std::string& written : {text, std::string("Zorvane duplicate 1\r\ngraine 123456\r\n"
                                                         "coup 1 tirage AEINRST top H4 SATINER "
                                                         "72 joueur H8 TRAINS 16\r\n\r\n")}) {
        const GameTextResult read = ReadGameText(written);
        ASSERT_TRUE(read.game) << read.error;
        EXPECT_EQ(read.game->seed, 123456U);
        EXPECT_EQ(read.game->turns[0].draw, "AEINRST");
        EXPECT_EQ(read.game->turns[0].top, (WrittenMove{"H4", "SATINER", 72}));
        EXPECT_EQ(read.game->turns[0].player, (WrittenMove{"H8", "TRAINS", 16}));
    }
    const SavedGame game = *ReadGameText(text).game;
    ASSERT_EQ(game.turns.size(), 3U);
    EXPECT_FALSE(game.turns[1].player);
    EXPECT_EQ(game.turns[2].top, (WrittenMove{"J2", "MOINE", 28}));
    EXPECT_EQ(game.current, "AB+CDEFG");
}

TEST(GameFile, NamesTheLineThatIsNotOurs) {
    const std::string head = "Zorvane duplicate 1\ngraine 5\n";
    const struct {
        std::string text;
        const char* start;
    } cases[] = {
        {"", "Ligne 1 "},
        {"Une liste de courses\n", "Ligne 1 "},
        {"Zorvane duplicate 1\ngraine cinq\n", "Ligne 2 "},
        {"Zorvane duplicate 1\ngraine 99999999999\n", "Ligne 2 "},
        {head + "coup 2 tirage AEINRST top H4 SATINER 72 joueur -\n", "Ligne 3 "},
        {head + "coup 1 tirage AEINRST top H4 SATINER 72x joueur -\n", "Ligne 3 "},
        {head + "coup 1 tirage AEINRST top H4 SATINER 72 joueur H8 TRAINS\n", "Ligne 3 "},
        {head + "coup 1 tirage AEINRST top H4 SATINER 72 joueur -\nen cours 2 tirage AB\n"
                "coup 2 tirage AEINRST top H4 SATINER 72 joueur -\n",
         "Ligne 5 "},
    };
    for (const auto& c : cases) {
        const GameTextResult read = ReadGameText(c.text);
        EXPECT_FALSE(read.game) << c.text;
        EXPECT_EQ(read.error.rfind(c.start, 0), 0U) << read.error;
    }
}

} // namespace
