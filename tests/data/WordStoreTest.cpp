#include "data/WordStore.h"

#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>

using namespace zorvane;
using data::FillSynonymTable;
using data::SynonymLetterTable;

TEST(FillSynonymTable, RefusesDataOutsideTheTableLimits) {
    SynonymLetterTable table;
    const std::vector<std::string> tooMany(data::kSynonymPlaces + 1, std::string("a§n$b"_cp));
    EXPECT_TRUE(FillSynonymTable(table, tooMany));
    EXPECT_TRUE(FillSynonymTable(table, {std::string("a§n$b"_cp), "sans section"}));
    const std::string head30(30, 'a');
    EXPECT_TRUE(FillSynonymTable(table, {head30 + std::string("§n$b"_cp)}));
    EXPECT_EQ(table.NbSyno, 0);
    EXPECT_TRUE(table.Syno[0].empty());
    // 4300 lines and a 29-character headword are within the limits.
    const std::vector<std::string> full(data::kSynonymPlaces,
                                        std::string(29, 'a') + std::string("§n$b"_cp));
    EXPECT_FALSE(FillSynonymTable(table, full));
    EXPECT_EQ(table.NbSyno, 4300);
}
