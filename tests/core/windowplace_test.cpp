// Remembered window places: read back, and used only where a screen has room.

#include <gtest/gtest.h>

#include "shell/windowplace.h"

namespace {

TEST(WindowPlace, TextRoundTripsAndRefusesOtherTexts) {
    TRect r;
    ASSERT_TRUE(ParseWindowRect(WindowRectText({-20, 30, 700, 530}), r));
    EXPECT_EQ(r, (TRect{-20, 30, 700, 530}));
    for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,2,0,4", "1,2,3,-4",
                            "1, 2, 3, 4x", "1,2,999999,4"}) {
        TRect kept{1, 2, 3, 4};
        EXPECT_FALSE(ParseWindowRect(bad, kept)) << bad;
        EXPECT_EQ(kept, (TRect{1, 2, 3, 4})) << bad;
    }
}

TEST(WindowPlace, FitsOnlyWhollyOnOneScreen) {
    const std::vector<TRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    EXPECT_TRUE(WindowRectFits({100, 100, 800, 600}, screens));
    EXPECT_TRUE(WindowRectFits({2000, 10, 3200, 1000}, screens));  // the second screen
    EXPECT_FALSE(WindowRectFits({1800, 100, 2100, 500}, screens)); // across both
    EXPECT_FALSE(WindowRectFits({4000, 100, 4500, 500}, screens)); // a screen now gone
    EXPECT_FALSE(WindowRectFits({0, 0, 1920, 1100}, screens));     // taller than any
    EXPECT_FALSE(WindowRectFits({0, 0, 10, 10}, {}));
}

} // namespace
