#include <gtest/gtest.h>

#include "shell/listzoom.h"

namespace {

struct ZoomCase {
    int height, columns, cellWidth, zoom;
};

TEST(CharListZoom, FollowsBodyHeightAndShrinksToFitTheCell) {
    const ZoomCase cases[] = {
        {8, 8, 70, 3},                   // 24 div 8; 3 x 8 fits
        {8, 30, 70, 2},                  // 90 is too wide, 60 fits
        {8, 23, 70, 3},                  // 69 fits
        {8, 24, 70, 2},                  // 72 does not
        {8, 36, 70, 1},                  // even 72 at zoom 2 is too wide; never below 1
        {8, 200, 70, 1},                 // wide glyph stays at 1
        {16, 8, 70, 1},                  // 24 div 16
        {12, 35, 70, 2},                 // exactly the cell width fits
        {12, 36, 70, 1}, {1, 2, 70, 24}, // one-row font: the full row height
        {1, 3, 70, 23},                  // 24 x 3 = 72 too wide
        {24, 8, 70, 1},                  // the row height itself: no enlargement
        {40, 8, 70, 1},  {0, 8, 70, 1},  // no body height: zoom 1
        {-5, 8, 70, 1},  {8, 0, 70, 3},  // an empty cell cannot be too wide
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharListZoom(c.height, c.columns, c.cellWidth), c.zoom)
            << "height " << c.height << " columns " << c.columns << " cell " << c.cellWidth;
}

} // namespace
