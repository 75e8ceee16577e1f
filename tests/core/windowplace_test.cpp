// Remembered window places: read back, and put where a screen has room.

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

// Moved onto the screen it overlaps most, kept at its size where it fits,
// shrunk where it does not.
TEST(WindowPlace, FitMovesOntoTheScreenItOverlapsMost) {
    const std::vector<TRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    const struct {
        TRect rect, fitted;
    } cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},       // fits: unchanged
        {{1700, 900, 2000, 1200}, {1620, 740, 1920, 1040}}, // off the corner
        {{-50, -30, 650, 470}, {0, 0, 700, 500}},           // title bar above
        {{1500, 100, 2500, 500}, {1920, 100, 2920, 500}},   // more on the second
        {{5000, 100, 5500, 500}, {1420, 100, 1920, 500}},   // a screen now gone
        {{-10, 0, 2500, 1200}, {0, 0, 1920, 1040}},         // larger than the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitWindowRect(c.rect, screens), c.fitted)
            << c.rect.Left << "," << c.rect.Top << " " << c.rect.Right << "," << c.rect.Bottom;
    EXPECT_EQ(FitWindowRect({1, 2, 3, 4}, {}), (TRect{1, 2, 3, 4}));
}

} // namespace
