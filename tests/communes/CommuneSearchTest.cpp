// Resolving a clicked list item, and checking what is typed in the name box. The searches
// themselves are driven through the window (Frm14CDTest) and over the shipped data.

#include "communes/CommuneSearch.h"

#include "SampleCommunes.h"

#include <gtest/gtest.h>

using namespace zorvane;
using namespace zorvane::communes;
using Items = std::vector<std::string>;

namespace {

struct SampleLists {
    PostcodeList postcodes;
    NameList names;
    SampleLists() {
        FillPostcodeList(postcodes, zorvane::testing::SamplePostcodeResource());
        FillNameList(names, zorvane::testing::SampleNameResource());
    }
};

} // namespace

TEST(CommunesListClick, PostcodeModeByKeyOtherwiseByNameAndCode) {
    const SampleLists lists;
    const auto byCode =
        FindListItem(CommuneSearchMode::Postcode, lists.postcodes, lists.names, "93210 ST DENIS");
    ASSERT_TRUE(byCode);
    EXPECT_EQ(byCode->key, "93210 ST DENIS");

    // A shared name resolves to the commune with that postal code.
    for (const auto mode : {CommuneSearchMode::Name, CommuneSearchMode::None}) {
        const auto reunion = FindListItem(mode, lists.postcodes, lists.names, "97400 ST DENIS");
        ASSERT_TRUE(reunion);
        EXPECT_EQ(reunion->department, "974 La Réunion"_cp);
        EXPECT_EQ(reunion->holidayZone, ".");
    }
    // Homonyms sharing a postal code: the first in name-list order, in both modes.
    EXPECT_EQ(
        FindListItem(CommuneSearchMode::Name, lists.postcodes, lists.names, "89310 LA CHAPELLE")
            ->insee,
        "89081");
    EXPECT_EQ(
        FindListItem(CommuneSearchMode::Postcode, lists.postcodes, lists.names, "89310 LA CHAPELLE")
            ->insee,
        "89081");
    EXPECT_FALSE(
        FindListItem(CommuneSearchMode::Name, lists.postcodes, lists.names, "00000 NULLE"));
}

TEST(CommunesNameEntry, SaintAndSainteWordsSpeltAsTheKeys) {
    for (const auto& [typed, spelled] : std::initializer_list<std::pair<const char*, const char*>>{
             {"SAINT MALO", "ST MALO"},
             {"LE MONT SAINT", "LE MONT ST"},
             {"SAINTE  MARIE SAINTES", "STE  MARIE SAINTES"},
             {"ST JEAN LE BLANC", "ST JEAN LE BLANC"},
             {" SAINTRY", " SAINTRY"}}) {
        EXPECT_EQ(PostalSpelling(typed), spelled) << typed;
    }
}

TEST(CommunesNameEntry, UpperCaseAndRefusedCharacters) {
    EXPECT_EQ(CheckNameEntry("st jean le blanc").text, "ST JEAN LE BLANC");
    const NameEntry hyphens = CheckNameEntry("Saint-Denis-lès-Bourg"_cp);
    EXPECT_EQ(hyphens.text, "SAINTDENISLSBOURG");
    EXPECT_EQ(hyphens.refused, "-È"_cp);
    EXPECT_EQ(CheckNameEntry("L'Abergement").refused, "'");
    EXPECT_EQ(CheckNameEntry("ÉCOLE"_cp).text, "COLE");
}
