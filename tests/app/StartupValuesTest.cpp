#include "data/StartupValues.h"

#include "app/ColourSettings.h"

#include <gtest/gtest.h>

using namespace zorvane::app;
using zorvane::data::DefinitionsPath;
using zorvane::data::WithTrailingSeparator;

TEST(StartupValues, DefinitionsFileSitsInTheProgramFolderOnce) {
    EXPECT_EQ(WithTrailingSeparator("/opt/zorvane", '/'), "/opt/zorvane/");
    EXPECT_EQ(WithTrailingSeparator("/", '/'), "/");
    EXPECT_EQ(WithTrailingSeparator("C:\\", '\\'), "C:\\");
    EXPECT_EQ(DefinitionsPath(WithTrailingSeparator("/", '/'), "1.20"), "/definitions1.20.ret");
    EXPECT_EQ(DefinitionsPath("/opt/z/", "1.20"), "/opt/z/definitions1.20.ret");
}

TEST(ColourNumber, ReadsHexAndDecimalForms) {
    EXPECT_EQ(ColourNumber("&HE0E0E0"), 14737632U);
    EXPECT_EQ(ColourNumber("14737632"), ColourNumber("&HE0E0E0"));
    EXPECT_EQ(ColourNumber("&HFFFFFF"), 16777215U);
    EXPECT_EQ(ColourNumber("&hff"), 255U);
    EXPECT_EQ(ColourNumber("&HFF0000"), 0xFF0000U); // blue: red sits in the low byte
    for (const char* bad :
         {"", "&H", "&HXYZ", "&H-1", "-5", "12 34", "bleu", "99999999999", "&H1FFFFFFFF"}) {
        EXPECT_FALSE(ColourNumber(bad)) << bad;
    }
}

TEST(ResolveColour, FallsBackToTheDefaultAndAsksForAWrite) {
    const StoredColour missing = ResolveColour(std::nullopt, kDefaultCouleurMDI);
    EXPECT_EQ(missing.text, "&HFFFFFF");
    EXPECT_TRUE(missing.writeBack);
    const StoredColour garbage = ResolveColour(std::string("&Hzz"), kDefaultCouleurBar);
    EXPECT_EQ(garbage.text, "&HE0E0E0");
    EXPECT_TRUE(garbage.writeBack);
    const StoredColour saved = ResolveColour(std::string("255"), kDefaultCouleurBar);
    EXPECT_EQ(saved.text, "255");
    EXPECT_FALSE(saved.writeBack);
}
