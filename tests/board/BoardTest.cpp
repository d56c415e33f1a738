// The board core without the generator: premiums, notation, the text form of a position,
// draws and scores.

#include "board/Draw.h"
#include "board/Move.h"

#include <gtest/gtest.h>
#include <map>

using namespace zorvane::board;

namespace {

// The squares of each premium as players list them; every other square has none.
const std::map<Premium, std::vector<std::string>> kListedPremiums = {
    {Premium::TripleWord, {"A1", "A8", "A15", "H1", "H15", "O1", "O8", "O15"}},
    {Premium::DoubleWord,
     {"B2", "C3", "D4", "E5", "B14", "C13", "D12", "E11", "N2", "M3", "L4", "K5", "N14", "M13",
      "L12", "K11", "H8"}},
    {Premium::TripleLetter,
     {"B6", "B10", "F2", "F6", "F10", "F14", "J2", "J6", "J10", "J14", "N6", "N10"}},
    {Premium::DoubleLetter,
     {"A4",  "A12", "C7", "C9", "D1",  "D8", "D15", "G3",  "G7", "G9", "G13", "H4",
      "H12", "I3",  "I7", "I9", "I13", "L1", "L8",  "L15", "M7", "M9", "O4",  "O12"}},
};

Position FromRows(const std::vector<std::pair<std::string, std::string>>& words) {
    Position position;
    for (const auto& [at, word] : words) {
        const Placement placement = *ReadPlacement(at);
        for (int i = 0; i < static_cast<int>(word.size()); ++i) {
            position.Set(RowOf(placement, i), ColumnOf(placement, i),
                         word[static_cast<std::size_t>(i)]);
        }
    }
    return position;
}

} // namespace

TEST(Premiums, EverySquareAsListedAndTheBoardLooksTheSameTurnedOrMirrored) {
    std::map<std::pair<int, int>, Premium> listed;
    for (const auto& [premium, squares] : kListedPremiums) {
        for (const std::string& square : squares) {
            const Placement at = *ReadPlacement(square);
            listed[{at.row, at.column}] = premium;
        }
    }
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const auto found = listed.find({row, column});
            EXPECT_EQ(PremiumAt(row, column), found == listed.end() ? Premium::None : found->second)
                << RowName(row) << column + 1;
            const int last = kSize - 1;
            EXPECT_EQ(PremiumAt(row, column), PremiumAt(column, row));
            EXPECT_EQ(PremiumAt(row, column), PremiumAt(last - row, column));
            EXPECT_EQ(PremiumAt(row, column), PremiumAt(row, last - column));
        }
    }
}

TEST(Notation, PlacementsReadAndWrittenBothWays) {
    const std::vector<std::pair<std::string, Placement>> good{
        {"H4", {Direction::Across, 7, 3}},  {"4H", {Direction::Down, 7, 3}},
        {"A1", {Direction::Across, 0, 0}},  {"O15", {Direction::Across, 14, 14}},
        {"15O", {Direction::Down, 14, 14}}, {"10B", {Direction::Down, 1, 9}},
    };
    for (const auto& [text, placement] : good) {
        EXPECT_EQ(ReadPlacement(text), placement) << text;
        EXPECT_EQ(WritePlacement(placement), text);
    }
    EXPECT_EQ(ReadPlacement("h4"), (Placement{Direction::Across, 7, 3}));
    for (const std::string bad :
         {"", "H", "4", "P1", "1P", "H0", "H16", "H04", "HH", "44", "H4 ", "H-4"}) {
        EXPECT_EQ(ReadPlacement(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(WriteMove({{Direction::Down, 7, 3}, "MoTS", 24}), "4H MoTS 24");
}

TEST(PositionText, ReadWrittenAndRefusedWithTheReason) {
    const Position position = FromRows({{"H4", "MOTS"}, {"5G", "ArT"}});
    const std::string text = WritePosition(position);
    EXPECT_EQ(ReadPosition(text).position, position);
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(ReadPosition(crlf + "\r\n\n").position, position);
    EXPECT_EQ(ReadPosition(text.substr(0, text.size() - 1)).position, position);

    const std::string dots(kSize, '.');
    const auto lines = [&](int count, const std::string& middle) {
        std::string joined;
        for (int i = 0; i < count; ++i) {
            joined += (i == 7 ? middle : dots) + "\n";
        }
        return joined;
    };
    const std::vector<std::pair<std::string, std::string>> refused{
        {lines(14, dots),
         "La position doit compter 15 lignes de 15 caract\xE8res ; le texte en compte 14."},
        {lines(16, dots),
         "La position doit compter 15 lignes de 15 caract\xE8res ; le texte en compte 16."},
        {lines(15, dots + "."), "Ligne 8 (H) : 16 caract\xE8res au lieu de 15."},
        {lines(15, ".......#......."),
         "Ligne 8 (H), colonne 8 : Le caract\xE8re \xAB # \xBB n'a pas sa place"},
        {lines(15, ".......\t......."),
         "Ligne 8 (H), colonne 8 : Le caract\xE8re de code 9 n'a pas"},
        {lines(15, "...aaa........."), "Trop de jokers : 3 pour 2 dans le jeu."},
        {lines(15, "ZZ............."), "Trop de Z : 2 pour 1 dans le jeu."},
    };
    for (const auto& [bad, reason] : refused) {
        const PositionRead read = ReadPosition(bad);
        EXPECT_FALSE(read.position);
        EXPECT_EQ(read.error.substr(0, reason.size()), reason);
    }
}

TEST(Draws, ReadInCapitalsOrRefused) {
    EXPECT_EQ(ReadDraw("es?rt?i").tiles, "ES?RT?I");
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "Le tirage est vide."},
        {"ABCDEFGH", "Le tirage compte plus de 7 tuiles."},
        {"A??B?", "Le tirage compte plus de 2 jokers."},
        {"AB1",
         "\xAB 1 \xBB : seules les lettres A \xE0 Z et le joker \xAB ? \xBB forment un tirage."},
    };
    for (const auto& [bad, reason] : refused) {
        EXPECT_EQ(ReadDraw(bad).error, reason) << bad;
        EXPECT_FALSE(ReadDraw(bad).tiles);
    }
    EXPECT_EQ(TilesBeyondSet(FromRows({{"H8", "KA"}}), "K"), "Trop de K : 2 pour 1 dans le jeu.");
    EXPECT_EQ(TilesBeyondSet(FromRows({{"H8", "KA"}}), "??"), "");
}

TEST(Scores, PremiumsUnderNewTilesOnlyCrossWordsJokersAndTheBonus) {
    const Position first;
    const Position withCat = FromRows({{"8G", "C.T"}});
    struct Case {
        const Position* position;
        Move move;
        int drawSize;
        int score;
    };
    const std::vector<Case> cases{
        {&first, {{Direction::Across, 7, 4}, "CHAT", 0}, 4, 18},              // centre x2
        {&first, {{Direction::Across, 7, 3}, "KIWI", 0}, 4, 20 + 1 + 10 + 1}, // K on H4
        {&first, {{Direction::Across, 7, 4}, "CHaT", 0}, 4, 16},              // joker worth 0
        {&first, {{Direction::Across, 7, 1}, "ENTRAIS", 0}, 7, 16 + 50},      // T on H4
        {&withCat, {{Direction::Across, 7, 6}, "HA", 0}, 2, 10 + 10}, // CAT across the centre
        {&withCat, {{Direction::Down, 6, 7}, "CAT", 0}, 1, 10},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(FitsOn(*c.position, c.move)) << WriteMove(c.move);
        EXPECT_EQ(ScoreMove(*c.position, c.move, c.drawSize), c.score) << WriteMove(c.move);
    }
    EXPECT_EQ(TilesPlaced(withCat, {{Direction::Down, 6, 7}, "CaT", 0}), "?");
    EXPECT_FALSE(FitsOn(withCat, {{Direction::Down, 6, 7}, "CAR", 0}));
    EXPECT_FALSE(FitsOn(withCat, {{Direction::Down, 7, 7}, "AT", 0})); // C touches its start
    EXPECT_FALSE(FitsOn(FromRows({{"H8", "AH"}}), {{Direction::Across, 7, 7}, "AH", 0}));
    EXPECT_EQ(Play(first, {{Direction::Across, 7, 6}, "aH", 0}), FromRows({{"H7", "aH"}}));
}
