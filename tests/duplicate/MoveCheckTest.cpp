// The player's move as typed: its score when legal, and otherwise a French message that
// names the word at fault; and moves typed on the board square by square.

#include "duplicate/MoveCheck.h"

#include "data/Cp1252.h"
#include "duplicate/BoardTyping.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace zorvane;
using namespace zorvane::duplicate;

data::WordGraph Graph(std::vector<std::string_view> words) {
    std::sort(words.begin(), words.end());
    return data::WordGraph(words);
}

board::Position WithMots() {
    board::Position position;
    for (int i = 0; i < 4; ++i) {
        position.Set(7, 3 + i, "MOTS"[i]); // H4 MOTS
    }
    return position;
}

std::string Utf8(std::string_view cp1252) {
    std::string text;
    for (const char c : cp1252) {
        const char32_t code = cp1252::ToUnicode(static_cast<unsigned char>(c));
        if (code < 0x80) {
            text.push_back(static_cast<char>(code));
        } else {
            text.push_back(static_cast<char>(0xC0 | (code >> 6)));
            text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return text;
}

TEST(CheckMove, LegalMovesAreScoredAndOthersToldWhy) {
    const data::WordGraph words =
        Graph({"MOTS", "MOT", "SOT", "SOTS", "OS", "TA", "AS", "MA", "ZOO", "EMOTS"});
    const board::Position blank;
    const board::Position mots = WithMots();
    const struct {
        const board::Position& position;
        const char* draw;
        const char* entry;
        int score;           // when legal
        const char* message; // the start of the message when refused
    } cases[] = {
        {blank, "MOTSABC", "H5 MOTS", 10, ""}, // S on H8: the word x2
        {blank, "??TSABC", "H5 moTS", 4, ""},  // jokers count nothing
        {blank, "MOT?ABC", "8H MOTs", 8, ""},  // down, the S a joker
        {mots, "ASBCDEF", "6H TA", 2, ""},     // down through the T of MOTS
        {mots, "AEBCDFG", "H3 EMOTS", 6, ""},
        {mots, "AEBCDFG", "H3 Emots", 6, ""}, // board letters in either case
        {mots, "ASBCDEF", "I4 AS", 7, ""},    // and MA, OS across
        {blank, "MOTSABC", "", 0, "Écrivez un coup"},
        {blank, "MOTSABC", "Z4 MOTS", 0, "La case « Z4 » n'existe pas"},
        {blank, "MOTSABC", "H4", 0, "Écrivez la case puis un seul mot"},
        {blank, "MOTSABC", "H4 MO TS", 0, "Écrivez la case puis un seul mot"},
        {blank, "MOTSABC", "H4 M0TS", 0, "Le mot « M0TS » ne doit contenir que des lettres"},
        {blank, "MOTSABC", "H8 M", 0, "Le mot « M » est trop court"},
        {blank, "MOTSABC", "H13 MOTS", 0, "Le mot « MOTS » sort du plateau"},
        {mots, "MOTSABC", "H4 MATS", 0,
         "Le mot « MATS » ne va pas sur le plateau : la case H5 "
         "porte déjà un O."},
        {mots, "ABCDEFG", "H4 MOT", 0, "Le mot « MOT » continue sur le plateau (case H7)"},
        {mots, "ABCDEFG", "H4 MOTS", 0, "Le mot « MOTS » est déjà en entier sur le plateau"},
        {blank, "MOABCDE", "H4 MOTS", 0, "Le mot « MOTS » demande T, S que le tirage MOABCDE"},
        {blank, "MOT?ABC", "H5 MOTss", 0,
         "Le mot « MOTss » demande un joker que le tirage "
         "MOT?ABC n'a pas."},
        {blank, "MOTSABC", "H1 MOTS", 0,
         "Le premier mot doit passer par la case centrale H8 : "
         "« MOTS »"},
        {mots, "SOTABCD", "A1 SOT", 0, "Le mot « SOT » ne touche aucune lettre du plateau"},
        {blank, "ZOTSABC", "H8 ZOTS", 0, "Le mot « ZOTS » n'est pas admis au jeu."},
        {mots, "ASBCDEF", "7H SA", 0, "Le mot « SA » n'est pas admis au jeu."},
        {mots, "ASBCDEF", "I5 AS", 0, "Le mot « OA » (formé en travers) n'est pas admis"},
    };
    for (const auto& c : cases) {
        const CheckedMove checked = CheckMove(c.position, c.draw, c.entry, words);
        const std::string message = Utf8(checked.error);
        if (std::string_view(c.message).empty()) {
            EXPECT_TRUE(checked.Legal()) << c.entry << ": " << message;
            EXPECT_EQ(checked.move.score, c.score) << c.entry;
        } else {
            EXPECT_EQ(message.rfind(c.message, 0), 0U) << c.entry << ": " << message;
        }
    }
}

TEST(BoardTyping, LettersGoOnEmptySquaresAndBoardTilesJoinTheWord) {
    const board::Position mots = WithMots();
    const struct {
        const char* start;
        const char* letters;
        const char* entry;
        int nextRow, nextColumn; // from 0; 15 is off the board
    } cases[] = {
        {"H2", "E", "H2 E", 7, 2},       // a gap before MOTS: not joined yet
        {"H3", "E", "H3 EMOTS", 7, 7},   // joined, the cursor jumps past the tiles
        {"H8", "E", "H4 MOTSE", 7, 8},   // tiles before the start join too
        {"5G", "ST", "5G SOT", 9, 4},    // down through the O of H5
        {"H14", "ABC", "H14 AB", 7, 15}, // what finds no square is left out
        {"A1", "", "", 0, 0},
    };
    for (const auto& c : cases) {
        const BoardTyping typing{*board::ReadPlacement(c.start), c.letters};
        EXPECT_EQ(TypedEntry(mots, typing), c.entry) << c.start << " " << c.letters;
        const board::Placement next = NextSquare(mots, typing);
        EXPECT_EQ(next.row, c.nextRow) << c.start << " " << c.letters;
        EXPECT_EQ(next.column, c.nextColumn) << c.start << " " << c.letters;
    }
}

TEST(BoardTyping, ALetterTheDrawLacksTakesAJoker) {
    EXPECT_EQ(TileForLetter("AB?CDEF", "", 'a'), 'A');
    EXPECT_EQ(TileForLetter("AB?CDEF", "A", 'a'), 'a');  // the only A is used: the joker
    EXPECT_EQ(TileForLetter("AB?CDEF", "Aa", 'A'), 'A'); // no joker left: the check will tell
    EXPECT_EQ(TileForLetter("AB??DEF", "z", 'Z'), 'z');
}

} // namespace
