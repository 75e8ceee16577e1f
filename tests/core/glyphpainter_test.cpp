#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/font.h"
#include "raster/raster.h"
#include "text/textrows.h"

namespace {

constexpr TColor kMarker = RGBColor(9, 9, 9);

struct GlyphSpec {
    std::string Rows;
    int Leading;
    int Width;
    int Kern;
};

struct PaintCase {
    GlyphSpec Glyph;
    int Height;
    int Tracking;
    int Zoom;
    int OriginX;
    int OriginY;
    bool Grid;
    bool Transparent;
    bool KernShift;
};

std::string Describe(const PaintCase& p) {
    return "rows '" + p.Glyph.Rows + "' leading " + std::to_string(p.Glyph.Leading) + " width " +
           std::to_string(p.Glyph.Width) + " kern " + std::to_string(p.Glyph.Kern) + " height " +
           std::to_string(p.Height) + " tracking " + std::to_string(p.Tracking) + " zoom " +
           std::to_string(p.Zoom) + " origin " + std::to_string(p.OriginX) + "," +
           std::to_string(p.OriginY) + (p.Grid ? " grid" : "") +
           (p.Transparent ? " transparent" : "") + (p.KernShift ? " kernshift" : "");
}

// A font whose glyph 0 (code 32) is the given glyph.
void MakeFont(TFZXFont& font, const GlyphSpec& g, int height, int tracking) {
    font.SetHeight(height);
    font.SetTracking(tracking);
    font.SetLastChar(32);
    font.Glyph(0).SetAll(g.Rows, g.Leading, g.Width, g.Kern);
}

// Every colour distinct, so a pixel painted with the wrong kind shows.
void SetDistinctColours(TFZXDrawSettings& s) {
    s.SetColors(RGBColor(250, 250, 250), RGBColor(1, 1, 1), RGBColor(200, 200, 0),
                RGBColor(0, 200, 200), RGBColor(255, 0, 0));
    s.SetGridColors(RGBColor(50, 0, 0), RGBColor(0, 50, 0), RGBColor(0, 0, 50),
                    RGBColor(50, 50, 0));
    s.BackgroundColor = RGBColor(120, 120, 120);
}

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The colour of one pixel after Draw, worked out for that pixel alone: find
// the cell under it and let the kind painted last win.
TColor Expected(const PaintCase& p, const TFZXDrawSettings& s, int px, int py, TColor before) {
    const GlyphSpec& g = p.Glyph;
    const int dx = px - p.OriginX, dy = py - p.OriginY;
    const int c = FloorDiv(dx, p.Zoom), r = FloorDiv(dy, p.Zoom);
    const bool edge = p.Grid && (dx == c * p.Zoom || dy == r * p.Zoom);
    auto pick = [edge](TColor fill, TColor line) { return edge ? line : fill; };
    TStringList rows;
    SplitText(rows, g.Rows, '|');
    int visible = std::min(static_cast<int>(rows.size()), p.Height - g.Leading);
    if (visible < 0) visible = 0;
    const bool opaque = !p.Transparent;

    if (opaque && c >= g.Width && c < g.Width + p.Tracking && r >= 0 && r < p.Height)
        return pick(s.TrackingColor, s.TrackingGridColor);
    if (opaque && c >= 0 && c < g.Width && r >= g.Leading + visible && r < p.Height)
        return pick(s.BlankRowColor, s.BlankRowGridColor);
    if (r >= g.Leading && r < g.Leading + visible) {
        const std::string& row = rows[static_cast<std::size_t>(r - g.Leading)];
        const int i = c + (p.KernShift ? g.Kern : 0);
        if (i >= 0 && i < static_cast<int>(row.size())) {
            if (row[static_cast<std::size_t>(i)] == '1')
                return pick(i <= 15 ? s.InkColor : s.OverflowInkColor, s.InkGridColor);
            if (opaque) return pick(s.PaperColor, s.PaperGridColor);
        }
    }
    if (opaque && c >= 0 && c < g.Width && r >= 0 && r < g.Leading)
        return pick(s.BlankRowColor, s.BlankRowGridColor);
    return opaque ? s.BackgroundColor : before;
}

TEST(GlyphPainter, DefaultSettings) {
    const TFZXDrawSettings s;
    EXPECT_EQ(s.PaperColor, clWhite);
    EXPECT_EQ(s.InkColor, clBlack);
    EXPECT_EQ(s.BlankRowColor, clBtnFace);
    EXPECT_EQ(s.TrackingColor, clBtnFace);
    EXPECT_EQ(s.OverflowInkColor, RGBColor(255, 0, 0));
    EXPECT_EQ(s.PaperGridColor, clBlack);
    EXPECT_EQ(s.InkGridColor, RGBColor(128, 128, 128));
    EXPECT_EQ(s.BlankRowGridColor, RGBColor(128, 128, 128));
    EXPECT_EQ(s.TrackingGridColor, RGBColor(128, 128, 128));
    EXPECT_EQ(s.OriginX, 0);
    EXPECT_EQ(s.OriginY, 0);
    EXPECT_EQ(s.Advance, 0);
    EXPECT_EQ(s.PaintedRect, (TRect{0, 0, 0, 0}));
}

TEST(GlyphPainter, EveryPixelMatchesThePerPixelReference) {
    const GlyphSpec glyphs[] = {
        {"00011000|00100100", 2, 8, 0},
        {"100000000000000011|010000000000000110", 1, 18, 2}, // positions 16, 17
        {"1111111111|0101010101", 1, 6, 1},                  // rows pass the width
        {"1|0|1|0|1|0|1|0|1|0|1|1", 3, 4, 0},                // rows pass the body
        {"1|1", 10, 3, 0},                                   // leading past the body
        {"01x1||1", 0, 4, 3},                                // odd character, empty row
    };
    const int zooms[] = {1, 3, 8};
    for (const GlyphSpec& g : glyphs)
        for (int zoom : zooms)
            for (int flags = 0; flags < 8; ++flags) {
                const PaintCase p{g,
                                  8,
                                  flags & 1 ? 2 : 0,
                                  zoom,
                                  zoom == 3 ? -4 : 5,
                                  zoom == 3 ? 7 : -2,
                                  (flags & 1) != 0,
                                  (flags & 2) != 0,
                                  (flags & 4) != 0};
                TFZXFont font;
                MakeFont(font, g, p.Height, p.Tracking);
                TFZXDrawSettings& s = font.DrawSettings();
                SetDistinctColours(s);
                s.SetOrigin(p.OriginX, p.OriginY);
                TRaster raster(90, 110, kMarker);
                const TRaster before = raster;
                EXPECT_TRUE(
                    font.Glyph(0).Draw(raster, zoom, p.Grid, p.Transparent, false, p.KernShift));
                int wrong = 0;
                for (int y = 0; y < raster.Height() && wrong < 3; ++y)
                    for (int x = 0; x < raster.Width() && wrong < 3; ++x) {
                        const TColor want = Expected(p, s, x, y, before.Pixel(x, y));
                        if (raster.Pixel(x, y) == want) continue;
                        ++wrong;
                        ADD_FAILURE() << Describe(p) << ": pixel (" << x << "," << y << ") is "
                                      << std::hex << raster.Pixel(x, y) << ", expected " << want;
                    }
                const int cols = g.Width + p.Tracking;
                EXPECT_EQ(s.Advance, (cols - (p.KernShift ? g.Kern : 0)) * zoom) << Describe(p);
                EXPECT_EQ(s.PaintedRect, (TRect{p.OriginX, p.OriginY, p.OriginX + cols * zoom,
                                                p.OriginY + 8 * zoom}))
                    << Describe(p);
            }
}

TEST(GlyphPainter, ZoomEightExampleCellsAndGridEdges) {
    TFZXFont font;
    MakeFont(font, {"00011000|00100100", 2, 8, 0}, 8, 0);
    TFZXDrawSettings& s = font.DrawSettings();
    s.SetOrigin(16, 16);
    TRaster raster(100, 100, kMarker);
    ASSERT_TRUE(font.Glyph(0).Draw(raster, 8, true, false, false, false));
    EXPECT_EQ(s.PaintedRect, (TRect{16, 16, 80, 80}));
    EXPECT_EQ(s.Advance, 64);

    // Interior pixel of each cell gives its fill.
    auto fill = [&](int c, int r) { return raster.Pixel(16 + c * 8 + 4, 16 + r * 8 + 4); };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            TColor want = clBtnFace;
            if (r == 2) want = (c == 3 || c == 4) ? clBlack : clWhite;
            if (r == 3) want = (c == 2 || c == 5) ? clBlack : clWhite;
            EXPECT_EQ(fill(c, r), want) << "cell " << c << "," << r;
        }
    // Left and top edges carry the cell's grid colour.
    EXPECT_EQ(raster.Pixel(16, 16), clGray);         // blank row cell
    EXPECT_EQ(raster.Pixel(16 + 3 * 8, 36), clGray); // left edge of a set cell
    EXPECT_EQ(raster.Pixel(20, 32), clBlack);        // top edge of an unset cell
    EXPECT_EQ(raster.Pixel(20, 40), clBlack);
    // No line on the right and bottom edges of the last column and row, and
    // the end points of the lines stay out.
    EXPECT_EQ(raster.Pixel(79, 36), clWhite);
    EXPECT_EQ(raster.Pixel(76, 79), clBtnFace);
    EXPECT_EQ(raster.Pixel(16, 80), clBtnFace); // background, not a grid line
    EXPECT_EQ(raster.Pixel(80, 16), clBtnFace);
    // The background fill covers the whole raster.
    EXPECT_EQ(raster.Pixel(0, 0), clBtnFace);
    EXPECT_EQ(raster.Pixel(99, 99), clBtnFace);
}

TEST(GlyphPainter, OverflowIsJudgedByRowPosition) {
    TFZXFont font;
    MakeFont(font, {"000000000000000111", 0, 18, 2}, 8, 0);
    for (bool kernShift : {false, true}) {
        TRaster raster(20, 8, kMarker);
        font.DrawSettings().SetOrigin(0, 0);
        font.Glyph(0).Draw(raster, 1, false, false, false, kernShift);
        const int shift = kernShift ? 2 : 0;
        EXPECT_EQ(raster.Pixel(15 - shift, 0), clBlack);
        EXPECT_EQ(raster.Pixel(16 - shift, 0), clRed);
        EXPECT_EQ(raster.Pixel(17 - shift, 0), clRed);
        EXPECT_EQ(raster.Pixel(14 - shift, 0), clWhite);
    }
}

TEST(GlyphPainter, KernShiftMovesStoredRowsOnly) {
    TFZXFont font;
    MakeFont(font, {"10000001", 0, 8, 2}, 8, 1);
    TFZXDrawSettings& s = font.DrawSettings();
    s.SetOrigin(10, 0);
    TRaster raster(30, 8, kMarker);
    ASSERT_TRUE(font.Glyph(0).Draw(raster, 1, false, true, false, true));
    EXPECT_EQ(raster.Pixel(8, 0), clBlack); // first character at OriginX - 2
    EXPECT_EQ(raster.Pixel(15, 0), clBlack);
    EXPECT_EQ(raster.Pixel(10, 0), kMarker);
    EXPECT_EQ(s.Advance, 8 + 1 - 2);
}

TEST(GlyphPainter, TransparentPaintsOnlySetCells) {
    TFZXFont font;
    MakeFont(font, {"0110|1001", 1, 4, 0}, 4, 2);
    font.DrawSettings().SetOrigin(1, 1);
    TRaster raster(16, 16, kMarker);
    ASSERT_TRUE(font.Glyph(0).Draw(raster, 2, true, true, false, false));
    int changed = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            changed += raster.Pixel(x, y) != kMarker;
    EXPECT_EQ(changed, 4 * 2 * 2); // four set cells of 2 x 2 pixels, nothing else
}

TEST(GlyphPainter, EmptyAreaPaintsNothingButSetsAdvance) {
    struct Case {
        int Width, Tracking, Height, Zoom;
        bool KernShift;
        int Advance;
    };
    const Case cases[] = {{0, 0, 8, 2, false, 0},
                          {0, 0, 8, 2, true, -6}, // -Kern x zoom
                          {4, 0, 0, 1, false, 4},
                          {4, 0, 8, 0, false, 0}};
    for (const Case& c : cases) {
        TFZXFont font;
        MakeFont(font, {"1", 0, c.Width, 3}, c.Height, c.Tracking);
        TFZXDrawSettings& s = font.DrawSettings();
        s.Advance = 99;
        TRaster raster(8, 8, kMarker);
        const TRaster before = raster;
        EXPECT_FALSE(font.Glyph(0).Draw(raster, c.Zoom, false, false, false, c.KernShift));
        EXPECT_EQ(s.Advance, c.Advance) << "width " << c.Width << " zoom " << c.Zoom;
        EXPECT_TRUE(raster == before);
    }
}

TEST(GlyphPainter, LeadingPastTheBodyPaintsBlankRowsOnly) {
    TFZXFont font;
    MakeFont(font, {"1111", 10, 4, 0}, 8, 0);
    font.DrawSettings().SetOrigin(0, 0);
    TRaster raster(4, 12, kMarker);
    ASSERT_TRUE(font.Glyph(0).Draw(raster, 1, false, false, false, false));
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(raster.Pixel(0, y), clBtnFace) << "row " << y;
    for (int x = 0; x < 4; ++x)
        EXPECT_NE(raster.Pixel(x, 10), clBlack);

    // A resized raster is the glyph's cell and clips the rows below the body.
    TRaster resized(1, 1, kMarker);
    ASSERT_TRUE(font.Glyph(0).Draw(resized, 3, false, false, true, false));
    EXPECT_EQ(resized.Width(), 12);
    EXPECT_EQ(resized.Height(), 24);
}

TEST(GlyphPainter, DrawCharNeedsAGlyphForTheCode) {
    TFZXFont font;
    font.SetLastChar(34); // three glyphs, codes 32..34
    font.Glyph(2).SetAll("1", 0, 1, 0);
    TRaster raster(8, 8, kMarker);
    font.DrawSettings().SetOrigin(0, 0);
    for (int code : {31, 35, 300, -1})
        EXPECT_FALSE(font.DrawChar(code, raster, false, true, false, false, 1)) << code;
    EXPECT_EQ(raster.Pixel(0, 0), kMarker);
    EXPECT_TRUE(font.DrawChar(34, raster, false, true, false, false, 1));
    EXPECT_EQ(raster.Pixel(0, 0), clBlack);
}

TEST(GlyphPainter, GlyphWithoutFontLeavesSettingsAlone) {
    TFZXChar orphan(nullptr);
    orphan.SetAll("1", 0, 1, 0);
    TRaster raster(4, 4, kMarker);
    EXPECT_FALSE(orphan.Draw(raster, 1, false, false, true, false));
    EXPECT_EQ(raster.Width(), 4);
    EXPECT_EQ(raster.Pixel(0, 0), kMarker);
}

} // namespace
