#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/canvasgeometry.h"
#include "model/font.h"

namespace {

// Labels measured as 6 pixels per character, th 10: easy to follow by hand.
TCanvasTextMetrics FixedMetrics() {
    return {10, [](const std::string& s) { return static_cast<int>(s.size()) * 6; }};
}

// A font of the given height whose glyphs up to lastChar are empty and 8 wide.
void MakeFont(TFZXFont& font, int height, int lastChar) {
    font.SetHeight(height);
    font.SetLastChar(lastChar);
}

TCanvasView Options(int zoom) {
    TCanvasView o;
    o.Zoom = zoom;
    o.ShowCharLimits = false;
    return o;
}

TEST(CanvasGeometry, GlyphAreaStartsAtOneCellOrSixteenPixels) {
    struct Case {
        int Zoom, Width, Tracking, Height;
        TRect Area;
    };
    const std::vector<Case> cases = {
        {8, 8, 0, 8, {16, 16, 80, 80}},    {1, 8, 0, 8, {16, 16, 24, 24}},
        {16, 8, 0, 8, {16, 16, 144, 144}}, {20, 8, 0, 8, {20, 20, 180, 180}},
        {8, 18, 2, 8, {16, 16, 176, 80}},  {80, 256, 16, 192, {80, 80, 21840, 15440}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CanvasGlyphArea(c.Zoom, c.Width, c.Tracking, c.Height), c.Area)
            << "zoom " << c.Zoom << " width " << c.Width;
}

TEST(CanvasGeometry, PointToPixelRoundsDownAndMarksTheGlyphOnly) {
    const TRect area = CanvasGlyphArea(8, 8, 2, 8); // 16..96 x 16..80, tracking 80..95
    struct Case {
        int X, Y, Column, Row;
        bool Inside;
    };
    const std::vector<Case> cases = {
        {16, 16, 0, 0, true},   {23, 23, 0, 0, true},  {24, 79, 1, 7, true},
        {13, 20, -1, 0, false}, {8, 20, -1, 0, false}, {7, 20, -2, 0, false},
        {20, 15, 0, -1, false}, {0, 0, -2, -2, false}, {79, 20, 7, 0, true},
        {80, 20, 8, 0, false},  {90, 20, 9, 0, false}, {20, 80, 0, 8, false},
    };
    for (const Case& c : cases) {
        const TCanvasPixel p = CanvasPointToPixel(area, 8, 8, 8, c.X, c.Y);
        EXPECT_EQ(p.Column, c.Column) << c.X << "," << c.Y;
        EXPECT_EQ(p.Row, c.Row) << c.X << "," << c.Y;
        EXPECT_EQ(p.Inside, c.Inside) << c.X << "," << c.Y;
    }
}

TEST(CanvasGeometry, ZoomStepsAQuarterAtLeastOneWithinLimits) {
    const struct {
        int Zoom, Steps, Want;
    } rows[] = {{8, 1, 10},  {10, -1, 8}, {1, 1, 2},   {2, -1, 1},      {8, 0, 8},
                {8, -40, 1}, {64, 1, 80}, {80, 1, 80}, {8, 1000000, 80}};
    for (const auto& r : rows)
        EXPECT_EQ(CanvasZoomStep(r.Zoom, r.Steps), r.Want) << r.Zoom << " by " << r.Steps;
}

TEST(CanvasGeometry, RangeLabels) {
    struct Case {
        int First, Last;
        std::string Label;
    };
    const std::vector<Case> cases = {
        {32, 255, "All"},      {48, 57, "0..9"},         {65, 65, "A"},
        {32, 32, " "},         {32, 46, "\" \"..\".\""}, {46, 46, "."},
        {100, 127, "d..\xA9"}, {128, 200, "128..200"},   {33, 255, "!..255"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharRangeLabel(c.First, c.Last), c.Label);
}

TEST(CanvasLayout, NoGlyphNeedsNothing) {
    TFZXFont font;
    const TCanvasLayout l = LayoutEditCanvas(font, nullptr, Options(8), FixedMetrics());
    EXPECT_FALSE(l.HasGlyph);
    EXPECT_EQ(l.ExtentX, 0);
    EXPECT_EQ(l.ExtentY, 0);
}

TEST(CanvasLayout, KernMarkBelowTheAreaAtKernColumns) {
    TFZXFont font;
    MakeFont(font, 8, 32);
    font.Glyph(0).SetKern(2);
    const TCanvasLayout l = LayoutEditCanvas(font, &font.Glyph(0), Options(8), FixedMetrics());
    ASSERT_EQ(l.RedLines.size(), 1u);
    EXPECT_EQ(l.RedLines[0], (TCanvasLine{32, 80, 32, 100}));
    ASSERT_EQ(l.RedTexts.size(), 1u);
    EXPECT_EQ(l.RedTexts[0].Text, "Horizontal overlapping (kern)");
    EXPECT_EQ(l.RedTexts[0].X, 16);
    EXPECT_EQ(l.RedTexts[0].Y, 100);
    EXPECT_EQ(l.ExtentX, 16 + 29 * 6);
    EXPECT_EQ(l.ExtentY, 110);

    font.Glyph(0).SetKern(0);
    const TCanvasLayout none = LayoutEditCanvas(font, &font.Glyph(0), Options(8), FixedMetrics());
    EXPECT_TRUE(none.RedLines.empty());
    EXPECT_TRUE(none.RedTexts.empty());
    EXPECT_EQ(none.ExtentX, 80);
    EXPECT_EQ(none.ExtentY, 80);
}

// Digits with Leading 1 and 7 rows, letters empty: ranges 0..9, a..z, A..Z.
struct LimitsFixture {
    TFZXFont font;
    TCanvasView options = Options(8);
    LimitsFixture() {
        MakeFont(font, 8, 'z');
        for (int c = '0'; c <= '9'; ++c)
            font.Glyph(c - 32).SetAll("1|1|1|1|1|1|1", 1, 8, 0);
        font.Glyph('B' - 32).SetAll("1|1", 2, 8, 0);
        options.ShowCharLimits = true;
        options.ShowGuideLines = true; // limits win over guide lines
        options.CharRanges = {{'0', '9'}, {'a', 'z'}, {'A', 'Z'}};
        options.GuideRows = {4};
    }
    TCanvasLayout Layout() {
        return LayoutEditCanvas(font, &font.Glyph(0), options, FixedMetrics());
    }
};

TEST(CanvasLayout, CharLimitsTickRowsAndSkipEmptyRanges) {
    LimitsFixture f;
    const TCanvasLayout l = f.Layout();
    // 0..9: label 24 wide, cx = 80 + 8 + 12 = 100; ticks at rows 1 and 8.
    // a..z leaves no gap; A..Z (rows 2 and 4): cx = 100 + 24 + 8 + 12 = 144.
    const std::vector<TCanvasLine> lines = {
        {92, 24, 108, 24},  {92, 80, 108, 80},  {100, 24, 100, 80},
        {136, 32, 152, 32}, {136, 48, 152, 48}, {144, 32, 144, 48},
    };
    EXPECT_EQ(l.RedLines, lines);
    ASSERT_EQ(l.RedTexts.size(), 2u);
    EXPECT_EQ(l.RedTexts[0].Text, "0..9");
    EXPECT_EQ(l.RedTexts[0].X, 88);
    EXPECT_EQ(l.RedTexts[0].Y, 90);
    EXPECT_EQ(l.RedTexts[1].Text, "A..Z");
    EXPECT_EQ(l.RedTexts[1].X, 132);
    EXPECT_EQ(l.RedTexts[1].Y, 58);
    EXPECT_TRUE(l.GuideLines.empty());
    EXPECT_EQ(l.ExtentX, 144 + 24 + 8); // cx moves on by the whole label from its centre
    EXPECT_EQ(l.ExtentY, 100);
}

TEST(CanvasLayout, StrokeHidesLimitsAndStillKeepsGuideLinesOff) {
    LimitsFixture f;
    f.options.StrokeButton = -1;
    const TCanvasLayout l = f.Layout();
    EXPECT_TRUE(l.RedLines.empty());
    EXPECT_TRUE(l.RedTexts.empty());
    EXPECT_TRUE(l.GuideLines.empty());
    EXPECT_EQ(l.ExtentX, 80);
}

TEST(CanvasLayout, GuideLinesAtRowBoundariesWhenLimitsAreOffOrEmpty) {
    LimitsFixture f;
    f.font.SetHeight(16);
    f.options.GuideRows = f.font.ParseGuideLines("8, 16, 24");
    for (const bool limitsOn : {false, true}) {
        f.options.ShowCharLimits = limitsOn;
        f.options.CharRanges.clear();
        const TCanvasLayout l = f.Layout();
        const std::vector<TCanvasLine> lines = {{8, 80, 96, 80}, {8, 144, 96, 144}};
        EXPECT_EQ(l.GuideLines, lines) << "limits " << limitsOn;
        EXPECT_EQ(l.ExtentX, 96);
        EXPECT_EQ(l.ExtentY, 144);
    }
}

TEST(CanvasLayout, NoMarksUpToZoomFour) {
    LimitsFixture f;
    f.font.Glyph(0).SetKern(1);
    for (const int zoom : {4, 5}) {
        f.options.Zoom = zoom;
        for (const bool limits : {true, false}) {
            f.options.ShowCharLimits = limits;
            const TCanvasLayout l = f.Layout();
            const bool marks = !l.RedLines.empty() && (limits || !l.GuideLines.empty());
            EXPECT_EQ(marks, zoom > 4) << "zoom " << zoom << " limits " << limits;
        }
    }
}

} // namespace
