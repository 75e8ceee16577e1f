// The glyph sheet's layout, hits, keys and the cells an edit makes stale.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/font.h"
#include "shell/glyphsheet.h"

namespace {

TEST(GlyphSheet, ZoomMakesTheBodyReadableWithoutHugeCells) {
    struct Case {
        int Height, Width, Zoom;
    };
    const Case cases[] = {
        {8, 8, 4},    // 32 px high
        {16, 8, 2},   //
        {5, 4, 4},    // never above 4
        {40, 8, 1},   // tall bodies at 1
        {8, 20, 3},   // 80 px would be too wide
        {8, 256, 1},  // the widest glyph still shows whole
        {192, 256, 1} //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Height << "x" << c.Width);
        TFZXFont font;
        font.SetHeight(c.Height);
        font.SetLastChar(40);
        for (int i = 0; i < font.Count(); ++i)
            font.Glyph(i).SetWidth(c.Width);
        const TGlyphSheetMetrics m = GlyphSheetLayout(font, 20, 12);
        EXPECT_EQ(m.Zoom, c.Zoom);
        EXPECT_EQ(m.PictureWidth, c.Width * c.Zoom);
        EXPECT_EQ(m.PictureHeight, c.Height * c.Zoom);
        EXPECT_EQ(m.CellWidth, std::max(m.PictureWidth, 20) + 2 * GlyphSheetPadding);
        EXPECT_EQ(m.CellHeight, m.PictureHeight + 12 + 3 * GlyphSheetPadding);
    }
}

TEST(GlyphSheet, CellsAndHitsAgree) {
    TGlyphSheetMetrics m;
    m.CellWidth = 30;
    m.CellHeight = 50;
    EXPECT_EQ(GlyphSheetCell(m, 32), (TRect{0, 0, 30, 50}));
    EXPECT_EQ(GlyphSheetCell(m, 65), (TRect{30, 100, 60, 150})); // row 2, column 1
    EXPECT_EQ(GlyphSheetCell(m, 255), (TRect{450, 650, 480, 700}));
    EXPECT_EQ(GlyphSheetCell(m, 31), TRect{});
    for (int code = 32; code <= 255; ++code) {
        const TRect r = GlyphSheetCell(m, code);
        EXPECT_EQ(GlyphSheetCodeAt(m, r.Left, r.Top), code);
        EXPECT_EQ(GlyphSheetCodeAt(m, r.Right - 1, r.Bottom - 1), code);
    }
    EXPECT_EQ(GlyphSheetCodeAt(m, -1, 0), -1);
    EXPECT_EQ(GlyphSheetCodeAt(m, 480, 0), -1);
    EXPECT_EQ(GlyphSheetCodeAt(m, 0, 700), -1);
}

TEST(GlyphSheet, KeysStepAndStopAtTheEnds) {
    struct Case {
        int From;
        TSheetMove Move;
        int To;
    };
    const Case cases[] = {
        {65, TSheetMove::Left, 64},  {65, TSheetMove::Right, 66},  {65, TSheetMove::Up, 49},
        {65, TSheetMove::Down, 81},  {32, TSheetMove::Left, 32},   {255, TSheetMove::Right, 255},
        {40, TSheetMove::Up, 40},    {250, TSheetMove::Down, 250}, {47, TSheetMove::Right, 48},
        {100, TSheetMove::Home, 32}, {100, TSheetMove::End, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GlyphSheetStep(c.From, c.Move), c.To) << c.From;
}

TEST(GlyphSheet, WatchNamesOnlyTheCellsAnEditChanged) {
    TFZXFont font;
    font.SetLastChar(40);
    font.SetCurrent(0);
    TGlyphSheetWatch watch;
    bool all = false;
    const auto look = [&] { return watch.Changes(font, GlyphSheetLayout(font, 20, 12), all); };
    EXPECT_TRUE(look().empty());
    EXPECT_TRUE(all);
    EXPECT_TRUE(look().empty());
    EXPECT_FALSE(all);

    font.Glyph(2).SetRows("1");
    EXPECT_EQ(look(), std::vector<int>({34}));
    font.SetCurrent(5);
    EXPECT_EQ(look(), std::vector<int>({32, 37}));
    font.SetLastChar(43); // three glyphs come, three codes lose their grey
    EXPECT_EQ(look(), std::vector<int>({41, 42, 43}));
    EXPECT_FALSE(all);
    font.SetTracking(1);
    EXPECT_TRUE(look().empty());
    EXPECT_TRUE(all);
    font.Glyph(0).SetWidth(30); // wider cells for every glyph
    look();
    EXPECT_TRUE(all);
}

} // namespace
