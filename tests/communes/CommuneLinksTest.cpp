// The links the commune window opens, and the commune lines it reads.

#include "communes/CommuneLinks.h"

#include "communes/CommuneRecord.h"
#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using namespace zorvane::communes;

namespace {

const std::string kDirectory = "http://mairies.zorvane.example/";

} // namespace

// The window's transcript shows a whole commune copied and its links; these are the edges.
TEST(CommunesLinks, ShortLinesMissingPointsAndNamesToFold) {
    EXPECT_EQ(ParseNameLine("X$1§2§3§4§5§6§7§8§9§10§11§12"_cp).key, "2 X");
    EXPECT_EQ(ParsePostcodeLine("12345 SEUL").name, "");
    EXPECT_EQ(MapDirectionsUrl(".", "."),
              "https://www.google.com/maps/dir//%20%20+%20%20.%20%20+%20%20,%20%20.");

    EXPECT_EQ(TownHallUrl("L'Abergement-Clémenciat"_cp, "01 Ain"),
              kDirectory + "01/l'abergement-clemenciat");
    EXPECT_EQ(TownHallUrl("Basse-Terre", "971 Guadeloupe"), kDirectory + "97/basse-terre");
    EXPECT_EQ(TownHallUrl("Le Plessis Étoilé"_cp, "77 Seine-et-Marne"),
              kDirectory + "77/le-plessis-etoile");
    EXPECT_EQ(TownHallUrl("Œuilly"_cp, "02 Aisne"), kDirectory + std::string("02/œuilly"_cp));
}
