#include "data/ResourceText.h"

#include <gtest/gtest.h>

using zorvane::data::SplitLines;

TEST(SplitLines, CountsLinesWithAndWithoutFinalLineBreak) {
    EXPECT_EQ(SplitLines("AA\r\nAB").size(), 2U);
    // A final CR LF leaves an empty (or NUL-only) last text, as the name list has.
    const auto withBreak = SplitLines(std::string("AA\r\nAB\r\n\0", 9));
    ASSERT_EQ(withBreak.size(), 3U);
    EXPECT_EQ(withBreak[2], std::string(1, '\0'));
    EXPECT_TRUE(SplitLines("").empty());
    // A lone CR or LF is part of the text, not a separator.
    const auto lone = SplitLines("A\rB\nC\r\nD");
    ASSERT_EQ(lone.size(), 2U);
    EXPECT_EQ(lone[0], "A\rB\nC");
}
