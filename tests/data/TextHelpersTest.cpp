#include "data/TextHelpers.h"

#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using data::sChangeCaractere;
using data::SubAccents;

TEST(SubAccents, FoldsSmallAccentedLettersOnly) {
    EXPECT_EQ(SubAccents("à brûle-pourpoint"_cp, 17), "a brule-pourpoint");
    EXPECT_EQ(SubAccents("àäâçéèëêïîöôùüûÿ"_cp, 16), "aaaceeeeiioouuuy");
    // Capitals, æ, œ and the typographic apostrophe stay as they are.
    EXPECT_EQ(SubAccents("École æ œ d’abord"_cp, 17), std::string("École æ œ d’abord"_cp));
    // Only the first characters are handled.
    EXPECT_EQ(SubAccents("été"_cp, 2), "et");
}

TEST(sChangeCaractere, ReplacesLeftToRightWithoutRescanning) {
    EXPECT_EQ(sChangeCaractere("saint denis", " ", "-"), "saint-denis");
    EXPECT_EQ(sChangeCaractere("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(sChangeCaractere("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(sChangeCaractere("A1B2", "1", ""), "AB2");
    EXPECT_EQ(sChangeCaractere("ABC", "", "x"), "ABC");
    EXPECT_EQ(sChangeCaractere("   ", " ", ""), "   ");
}
