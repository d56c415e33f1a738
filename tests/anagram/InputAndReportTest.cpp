#include "anagram/InputFilter.h"
#include "anagram/SearchReport.h"
#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using namespace zorvane::anagram;

TEST(FiltreSaisie, KeepsLettersAndJokerUpperCased) {
    EXPECT_EQ(FiltreSaisie("chat", kLettresTirage), "CHAT");
    EXPECT_EQ(FiltreSaisie("c-h", kLettresTirage), "CH");
    EXPECT_EQ(FiltreSaisie("ch?z", kLettresTirage), "CH?Z");
    // Accents are refused, with every repeat of the refused character.
    EXPECT_EQ(FiltreSaisie("château été 12"_cp, kLettresTirage), "CHTEAUT");
    EXPECT_EQ(FiltreSaisie("é"_cp, kLettresTirage), "");
    // Blanks alone are left as typed.
    EXPECT_EQ(FiltreSaisie("   ", kLettresTirage), "   ");
    EXPECT_EQ(FiltreSaisie("h", kLettresObligatoires), "H");
    EXPECT_EQ(FiltreSaisie("?", kLettresObligatoires), "");
    EXPECT_EQ(FiltreSaisie("1", kLettresObligatoires), "");
}

TEST(SearchReport, ElapsedTimeAndStatusLine) {
    EXPECT_EQ(DureeRecherche("10:59:58", "11:00:01"), "00:00:03");
    EXPECT_EQ(DureeRecherche("12:00:00", "12:00:00"), "00:00:00");
    EXPECT_EQ(DureeRecherche("23:59:59", "00:01:01"), "00:01:02");
    EXPECT_EQ(TexteRapport(6, "00:00:03"), "6 mots trouvés en 0:03 sec."_cp);
    EXPECT_EQ(TexteRapport(1, "00:12:34"), "1 mots trouvés en 2:34 sec."_cp);
    EXPECT_EQ(TexteRapport(0, "00:00:03"), "Aucun mots trouvés."_cp);
}
