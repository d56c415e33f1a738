// What the commune window shows, copies and opens for one commune; the browser's program.

#include "communes/CommuneLinks.h"

#include "communes/CommuneDetails.h"
#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using namespace zorvane::communes;

namespace {

const std::string kDirectory = "http://mairies.zorvane.example/";

} // namespace

TEST(CommunesDetails, CodesShowOneLeadingBlankAndTheCopyUsesTheCaptions) {
    const CommuneRecord bourg = ParsePostcodeLine(
        "01000 BOURG EN BRESSE§Bourg-en-Bresse§01 Ain§Auvergne-Rhône-Alpes§84§01053§Lyon§10§A§"
        "46.2051520382§5.24602125501"_cp);
    const DetailTexts shown = DetailsOf(bourg);
    EXPECT_EQ(shown[4], " 84");
    EXPECT_EQ(shown[5], " 01053");
    EXPECT_EQ(shown[7], " 10");
    EXPECT_EQ(shown[8], " A");
    EXPECT_EQ(CopiedText(shown),
              "Commune: 01000 BOURG EN BRESSE\r\nNom minuscule: Bourg-en-Bresse\r\n"
              "Département: 01 Ain\r\nRégion: Auvergne-Rhône-Alpes\r\nCode région:  84\r\n"
              "N°INSEE:  01053\r\nAcadémie: Lyon\r\nCode académie:  10\r\nZone vacances:  A\r\n"
              "Latitude: 46.2051520382\r\nLongitude: 5.24602125501"_cp);
    EXPECT_EQ(ParseNameLine("X$1§2§3§4§5§6§7§8§9§10§11§12"_cp).key, "2 X");
    EXPECT_EQ(ParsePostcodeLine("12345 SEUL").name, "");
}

TEST(CommunesLinks, MapDirectionsAndTownHallPages) {
    EXPECT_EQ(MapDirectionsUrl("46.2051520382", "5.24602125501"),
              "https://www.google.com/maps/dir//%20%20+%20%2046.2051520382"
              "%20%20+%20%20,%20%205.24602125501");
    EXPECT_EQ(MapDirectionsUrl(".", "."),
              "https://www.google.com/maps/dir//%20%20+%20%20.%20%20+%20%20,%20%20.");

    EXPECT_EQ(TownHallUrl("Saint-Denis-lès-Bourg"_cp, "01 Ain"),
              kDirectory + "01/saint-denis-les-bourg");
    EXPECT_EQ(TownHallUrl("L'Abergement-Clémenciat"_cp, "01 Ain"),
              kDirectory + "01/l'abergement-clemenciat");
    EXPECT_EQ(TownHallUrl("Basse-Terre", "971 Guadeloupe"), kDirectory + "97/basse-terre");
    EXPECT_EQ(TownHallUrl("Le Plessis Étoilé"_cp, "77 Seine-et-Marne"),
              kDirectory + "77/le-plessis-etoile");
    EXPECT_EQ(TownHallUrl("Œuilly"_cp, "02 Aisne"), kDirectory + std::string("02/œuilly"_cp));
    // Past 42 characters the name is still folded to its end.
    EXPECT_EQ(TownHallUrl("Saint-Rémy-en-Bouzemont-Saint-Genest-et-Issôn"_cp, "51 Marne"),
              kDirectory + "51/saint-remy-en-bouzemont-saint-genest-et-isson");
}
