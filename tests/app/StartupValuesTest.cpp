#include "data/StartupValues.h"

#include "app/ColourSettings.h"

#include <gtest/gtest.h>

using namespace zorvane::app;
using namespace zorvane::data;

TEST(StartupValues, DefinitionsFileSitsInTheProgramFolderOnce) {
    EXPECT_EQ(DefinitionsPath(WithTrailingSeparator("/opt/z", '/'), "1.20"),
              "/opt/z/definitions1.20.ret");
    EXPECT_EQ(DefinitionsPath(WithTrailingSeparator("/", '/'), "1.20"), "/definitions1.20.ret");
}

TEST(ColourNumber, ReadsHexAndDecimalForms) {
    EXPECT_EQ(ColourNumber("14737632"), 0xE0E0E0U);
    EXPECT_EQ(ColourNumber("&hff"), 255U);
    EXPECT_EQ(ColourNumber("&HFF0000"), 0xFF0000U); // blue: red sits in the low byte
    for (const char* bad :
         {"", "&H", "&HXYZ", "&H-1", "-5", "12 34", "bleu", "99999999999", "&H1FFFFFFFF"}) {
        EXPECT_FALSE(ColourNumber(bad)) << bad;
    }
}
