#include "app/Cascade.h"

#include <gtest/gtest.h>

using zorvane::app::PasCascade;

TEST(PasCascade, CyclesThroughSixPlacesAndKeepsStrangeValues) {
    std::int16_t place = 0;
    std::vector<int> seen;
    for (int i = 0; i < 8; ++i) {
        place = PasCascade(place);
        seen.push_back(place);
    }
    EXPECT_EQ(seen, (std::vector<int>{600, 1200, 1800, 2400, 3000, 3600, 600, 1200}));
    EXPECT_EQ(PasCascade(700), 700);
    EXPECT_EQ(PasCascade(-600), -600);
}
