// The two shipped commune lists, loaded as the window loads them, and the limits of loading.
// That both lists hold the same communes is checked on the resources themselves.

#include "communes/CommuneLists.h"
#include "communes/CommuneSearch.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
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
