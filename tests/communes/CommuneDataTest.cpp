// The two shipped commune lists, loaded as the window loads them, and the limits of loading.
// That both lists hold the same communes is checked on the resources themselves.

#include "communes/CommuneLists.h"
#include "communes/CommuneSearch.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace zorvane;
using namespace zorvane::communes;

namespace {

std::string ShippedBytes(std::string_view type, int id) {
    std::ifstream file(std::string(ZORVANE_COMMUNE_RESOURCE_DIR) + "/" + std::string(type) + "." +
                           std::to_string(id),
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Shipped {
    std::string postcodeBytes = ShippedBytes(kPostcodeResource, kPostcodeResourceId);
    std::string nameBytes = ShippedBytes(kNameResource, kNameResourceId);
    PostcodeList postcodes;
    NameList names;
    Shipped() {
        EXPECT_EQ(FillPostcodeList(postcodes, postcodeBytes), std::nullopt);
        EXPECT_EQ(FillNameList(names, nameBytes), std::nullopt);
    }
};

const Shipped& ShippedLists() {
    static const Shipped shipped;
    return shipped;
}

} // namespace

TEST(CommunesShipped, LastLinesAreLoadedAndFound) {
    const Shipped& s = ShippedLists();
    // LISTEPARCP has no final CR LF, LISTEPARNOM has one before its padding.
    EXPECT_EQ(s.postcodes.Count(), static_cast<std::size_t>(std::count(
                                       s.postcodeBytes.begin(), s.postcodeBytes.end(), '\n')) +
                                       1);
    EXPECT_EQ(s.names.Count(),
              static_cast<std::size_t>(std::count(s.nameBytes.begin(), s.nameBytes.end(), '\n')));
    EXPECT_EQ(s.names.lines.back().find('\0'), std::string::npos);

    const CommuneRecord lastByCode = ParsePostcodeLine(s.postcodes.lines.back());
    EXPECT_EQ(lastByCode.longitude.find('\0'), std::string::npos);
    const CommuneMatches code = SearchByPostcode(s.postcodes, lastByCode.key.substr(0, 5));
    EXPECT_NE(std::find(code.items.begin(), code.items.end(), lastByCode.key), code.items.end());

    const CommuneMatches name = SearchByName(s.names, s.names.keys.back());
    ASSERT_FALSE(name.items.empty());
    EXPECT_EQ(FindListItem(CommuneSearchMode::Name, s.postcodes, s.names, name.items.back()),
              ParseNameLine(s.names.lines.back()));
}

TEST(CommunesLoading, ListsStopAtTheCapacityAndSayWhy) {
    std::string bytes;
    for (std::size_t i = 0; i < kCommuneCapacity + 2; ++i) {
        bytes += (i == 0 ? "" : "\r\n") + std::to_string(10000 + i) + " X\xA7x";
    }
    PostcodeList postcodes;
    const auto warning = FillPostcodeList(postcodes, bytes);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("LISTEPARCP (n° 200)"_cp), std::string::npos);
    EXPECT_NE(warning->find(std::to_string(kCommuneCapacity + 2)), std::string::npos);
    EXPECT_EQ(postcodes.Count(), kCommuneCapacity);
    EXPECT_EQ(postcodes.keys.back(), std::to_string(10000 + kCommuneCapacity - 1) + " X");

    // Exactly the capacity loads without a word; a lone NUL after the last line is no entry.
    NameList names;
    std::string full;
    for (std::size_t i = 0; i < kCommuneCapacity; ++i) {
        full += "K$1\xA7"
                "2\r\n";
    }
    EXPECT_EQ(FillNameList(names, full + std::string(1, '\0')), std::nullopt);
    EXPECT_EQ(names.Count(), kCommuneCapacity);
    EXPECT_EQ(names.keys.front(), "K");
}

// What a French user types first: the commune expected comes first in the list and in the
// details, arrondissements in their order, and a former commune shows the one it joined.
TEST(CommunesShipped, NameSearchesShowTheExpectedCommuneFirst) {
    const Shipped& s = ShippedLists();
    struct Case {
        const char* typed;
        const char* firstItem;
        const char* name;       // name as written of the first commune shown
        const char* department; // its department code
    };
    const Case cases[] = {
        {"PARIS", "75001 PARIS 01", "Paris 1er Arrondissement", "75"},
        {"LYON", "69001 LYON 01", "Lyon 1er Arrondissement", "69"},
        {"MARSEILLE", "13001 MARSEILLE 01", "Marseille 1er Arrondissement", "13"},
        // Homonyms: the most populous first.
        {"ST DENIS", "97400 ST DENIS", "Saint-Denis", "974"},
        {"VALENCE", "26000 VALENCE", "Valence", "26"},
        {"MONTREUIL", "93100 MONTREUIL", "Montreuil", "93"},
        {"ST NAZAIRE", "44600 ST NAZAIRE", "Saint-Nazaire", "44"},
        // Former and delegated communes La Poste still writes.
        {"COURCOURONNES", "91080 COURCOURONNES", "\xC9vry-Courcouronnes", "91"},
        {"ANNECY LE VIEUX", "74940 ANNECY LE VIEUX", "Annecy", "74"},
        {"SEYNOD", "74600 SEYNOD", "Annecy", "74"},
    };
    for (const Case& c : cases) {
        const CommuneMatches found = SearchByName(s.names, c.typed);
        ASSERT_FALSE(found.items.empty()) << c.typed;
        EXPECT_EQ(found.items.front(), c.firstItem) << c.typed;
        ASSERT_TRUE(found.first) << c.typed;
        EXPECT_EQ(found.first->name, c.name) << c.typed;
        EXPECT_EQ(found.first->department.substr(0, found.first->department.find(' ')),
                  c.department)
            << c.typed;
        // A click on the item shows the same commune.
        EXPECT_EQ(FindListItem(CommuneSearchMode::Name, s.postcodes, s.names, c.firstItem),
                  found.first)
            << c.typed;
    }
    const CommuneMatches paris = SearchByName(s.names, "PARIS");
    for (int n = 1; n <= 20; ++n) {
        char item[32];
        std::snprintf(item, sizeof item, "750%02d PARIS %02d", n, n);
        EXPECT_NE(std::find(paris.items.begin(), paris.items.end(), item), paris.items.end())
            << item;
    }
    EXPECT_TRUE(std::is_sorted(
        paris.items.begin(), paris.items.begin() + 20,
        [](const std::string& a, const std::string& b) { return a.substr(6) < b.substr(6); }));
}

TEST(CommunesShipped, FormerCommunesAreFoundByPostalCodeToo) {
    const Shipped& s = ShippedLists();
    const CommuneMatches code = SearchByPostcode(s.postcodes, "74600");
    ASSERT_NE(std::find(code.items.begin(), code.items.end(), "74600 SEYNOD"), code.items.end());
    const auto seynod =
        FindListItem(CommuneSearchMode::Postcode, s.postcodes, s.names, "74600 SEYNOD");
    ASSERT_TRUE(seynod);
    EXPECT_EQ(seynod->insee, "74010");
    EXPECT_EQ(seynod->name, "Annecy");
}
