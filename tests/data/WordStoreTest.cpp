#include "data/WordStore.h"

#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using data::FillSynonymTable;
using data::SynonymLetterTable;

TEST(FillSynonymTable, RefusesDataOutsideTheTableLimits) {
    SynonymLetterTable table;
    constexpr std::string_view sectionBytes = "§n$b"_cp;
    const std::string section(sectionBytes);
    const std::vector<std::string> tooMany(data::kSynonymPlaces + 1, "a" + section);
    EXPECT_TRUE(FillSynonymTable(table, tooMany));
    EXPECT_TRUE(FillSynonymTable(table, {"a" + section, "sans section"}));
    EXPECT_TRUE(FillSynonymTable(table, {std::string(30, 'a') + section}));
    EXPECT_EQ(table.NbSyno, 0);
    EXPECT_TRUE(table.Syno[0].empty());
    // 4300 lines and a 29-character headword are within the limits.
    const std::vector<std::string> full(data::kSynonymPlaces, std::string(29, 'a') + section);
    EXPECT_FALSE(FillSynonymTable(table, full));
    EXPECT_EQ(table.NbSyno, 4300);
}
