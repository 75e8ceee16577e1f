#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>

#include "raster/raster.h"
#include "rasterart.h"

using testdata::RasterArt;
using testdata::TArt;

namespace {

TRaster Drawn(int width, int height, const std::function<void(TRaster&)>& draw) {
    TRaster raster(width, height);
    draw(raster);
    return raster;
}

TRaster Mirrored(const TRaster& source, bool horizontal) {
    TRaster result(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            result.SetPixel(horizontal ? source.Width() - 1 - x : x,
                            horizontal ? y : source.Height() - 1 - y, source.Pixel(x, y));
    return result;
}

// Box (left, top, right, bottom) of the black pixels; left > right when none.
struct TInk {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1, Count = 0;
};
TInk InkOf(const TRaster& raster) {
    TInk ink;
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = 0; x < raster.Width(); ++x)
            if (raster.Pixel(x, y) == clBlack) {
                ink.Left = std::min(ink.Left, x);
                ink.Right = std::max(ink.Right, x);
                ink.Top = std::min(ink.Top, y);
                ink.Bottom = std::max(ink.Bottom, y);
                ++ink.Count;
            }
    return ink;
}

TEST(RasterDraw, LinesIncludeBothEndsInAnyDirection) {
    // Every line is 8-connected, holds both ends and max(|dx|, |dy|) + 1 pixels.
    const int ends[][4] = {{0, 0, 7, 7}, {7, 7, 0, 0}, {1, 1, 6, 3}, {6, 3, 1, 1}, {2, 5, 2, 0},
                           {0, 4, 7, 4}, {3, 3, 3, 3}, {0, 7, 7, 0}, {5, 0, 0, 2}};
    for (const auto& e : ends) {
        const TRaster r = Drawn(8, 8, [&](TRaster& t) { t.Line(e[0], e[1], e[2], e[3], clBlack); });
        SCOPED_TRACE(testing::Message() << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3]);
        EXPECT_EQ(r.Pixel(e[0], e[1]), clBlack);
        EXPECT_EQ(r.Pixel(e[2], e[3]), clBlack);
        EXPECT_EQ(InkOf(r).Count, std::max(std::abs(e[2] - e[0]), std::abs(e[3] - e[1])) + 1);
        for (int y = 0; y < 8; ++y) // one pixel per row or column step: no gaps
            for (int x = 0; x < 8; ++x) {
                if (r.Pixel(x, y) != clBlack || (x == e[2] && y == e[3])) continue;
                int neighbours = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if ((dx || dy) && r.Pixel(x + dx, y + dy) == clBlack) ++neighbours;
                EXPECT_GE(neighbours, 1) << x << "," << y;
            }
    }
    EXPECT_EQ(RasterArt(Drawn(8, 4, [](TRaster& t) { t.Line(1, 1, 6, 3, clBlack); })),
              (TArt{"........", ".##.....", "...##...", ".....##."}));
}

TEST(RasterDraw, BoxesTakeCornersInAnyOrderAndClip) {
    const TArt outline{"......", "..####", "..#..#", "..#..#", "..####", "......"};
    const TArt fill{"......", "..####", "..####", "..####", "..####", "......"};
    for (const auto& c :
         {std::array<int, 4>{2, 1, 5, 4}, {5, 4, 2, 1}, {2, 4, 5, 1}, {5, 1, 2, 4}}) {
        EXPECT_EQ(RasterArt(Drawn(
                      6, 6, [&](TRaster& t) { t.RectOutline(c[0], c[1], c[2], c[3], clBlack); })),
                  outline);
        EXPECT_EQ(RasterArt(Drawn(
                      6, 6, [&](TRaster& t) { t.RectFill(c[0], c[1], c[2], c[3], clBlack); })),
                  fill);
    }
    // Reaching beyond the raster: only the visible sides are drawn.
    EXPECT_EQ(RasterArt(Drawn(4, 3, [](TRaster& t) { t.RectOutline(-2, 1, 2, 9, clBlack); })),
              (TArt{"....", "###.", "..#."}));
}

TEST(RasterDraw, InvertedOutlineIsTheOutlineInvertedOnce) {
    // On white, inverting gives exactly the outline; inverting twice restores.
    const int boxes[][4] = {{1, 1, 5, 4}, {2, 2, 2, 2},   {1, 3, 6, 3}, {4, 0, 4, 5},
                            {5, 4, 4, 1}, {-3, -2, 3, 2}, {6, 1, 9, 9}, {0, 0, 7, 5}};
    TRaster pattern(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x * 3 + y) % 4 == 0) pattern.SetPixel(x, y, clBlack);
    for (const auto& b : boxes) {
        SCOPED_TRACE(testing::Message() << b[0] << "," << b[1] << "," << b[2] << "," << b[3]);
        const TRaster expected =
            Drawn(8, 6, [&](TRaster& t) { t.RectOutline(b[0], b[1], b[2], b[3], clBlack); });
        EXPECT_EQ(Drawn(8, 6, [&](TRaster& t) { t.InvertRectOutline(b[0], b[1], b[2], b[3]); }),
                  expected);
        TRaster twice = pattern;
        twice.InvertRectOutline(b[0], b[1], b[2], b[3]);
        twice.InvertRectOutline(b[0], b[1], b[2], b[3]);
        EXPECT_EQ(twice, pattern);
    }
}

TEST(RasterDraw, SmallEllipses) {
    struct Case {
        int W, H;
        TArt Outline, Fill;
    };
    const Case cases[] = {
        {1, 1, {"#"}, {"#"}},
        {3, 1, {"###"}, {"###"}},
        {1, 3, {"#", "#", "#"}, {"#", "#", "#"}},
        {3, 3, {".#.", "#.#", ".#."}, {".#.", "###", ".#."}},
        {4, 4, {".##.", "#..#", "#..#", ".##."}, {".##.", "####", "####", ".##."}},
        {5,
         5,
         {".###.", "#...#", "#...#", "#...#", ".###."},
         {".###.", "#####", "#####", "#####", ".###."}},
        {11,
         7,
         {"...#####...", ".##.....##.", "#.........#", "#.........#", "#.........#", ".##.....##.",
          "...#####..."},
         {"...#####...", ".#########.", "###########", "###########", "###########", ".#########.",
          "...#####..."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << " x " << c.H);
        EXPECT_EQ(
            RasterArt(Drawn(
                c.W, c.H, [&](TRaster& t) { t.EllipseOutline(0, 0, c.W - 1, c.H - 1, clBlack); })),
            c.Outline);
        EXPECT_EQ(
            RasterArt(Drawn(c.W, c.H,
                            [&](TRaster& t) { t.EllipseFill(c.W - 1, c.H - 1, 0, 0, clBlack); })),
            c.Fill);
    }
}

TEST(RasterDraw, EllipsesAreSymmetricAndTouchTheirBoxForAllSizes) {
    for (int w = 1; w <= 24; ++w)
        for (int h = 1; h <= 24; ++h) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            // One pixel of margin shows anything drawn outside the box.
            const TRaster outline =
                Drawn(w + 2, h + 2, [&](TRaster& t) { t.EllipseOutline(1, 1, w, h, clBlack); });
            const TRaster fill =
                Drawn(w + 2, h + 2, [&](TRaster& t) { t.EllipseFill(w, h, 1, 1, clBlack); });
            for (const TRaster* r : {&outline, &fill}) {
                EXPECT_EQ(Mirrored(*r, true), *r);
                EXPECT_EQ(Mirrored(*r, false), *r);
                const TInk ink = InkOf(*r);
                EXPECT_EQ(ink.Left, 1);
                EXPECT_EQ(ink.Top, 1);
                EXPECT_EQ(ink.Right, w);
                EXPECT_EQ(ink.Bottom, h);
            }
            // The outline lies on the fill, and a filled pixel off the outline
            // has all four neighbours filled.
            for (int y = 0; y < h + 2; ++y)
                for (int x = 0; x < w + 2; ++x) {
                    const bool filled = fill.Pixel(x, y) == clBlack;
                    const bool rim = outline.Pixel(x, y) == clBlack;
                    if (rim) {
                        EXPECT_TRUE(filled) << x << "," << y;
                    }
                    if (filled && !rim) {
                        EXPECT_TRUE(
                            fill.Pixel(x - 1, y) == clBlack && fill.Pixel(x + 1, y) == clBlack &&
                            fill.Pixel(x, y - 1) == clBlack && fill.Pixel(x, y + 1) == clBlack)
                            << x << "," << y;
                    }
                }
        }
}

TEST(RasterDraw, EllipseCutByTheRasterEdgeMatchesTheWholeOne) {
    // The same ellipse drawn partly outside a small raster and wholly inside a
    // large one must agree on the common pixels.
    const TRaster big = Drawn(40, 40, [](TRaster& t) { t.EllipseOutline(7, 8, 25, 20, clBlack); });
    const TRaster small =
        Drawn(9, 6, [](TRaster& t) { t.EllipseOutline(-3, -2, 15, 10, clBlack); });
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(small.Pixel(x, y), big.Pixel(x + 10, y + 10)) << x << "," << y;
    // A huge box far beyond the raster costs nothing; near its middle column
    // only the bottom row is rim.
    const TRaster huge =
        Drawn(4, 4, [](TRaster& t) { t.EllipseOutline(-100000000, -3, 100000000, 2, clBlack); });
    EXPECT_EQ(RasterArt(huge), (TArt{"....", "....", "####", "...."}));
}

TEST(RasterDraw, RoundPen) {
    // A stroke to the right-hand neighbour: one round spot centred on the
    // pen's pixel, as far to the left as to the right.
    EXPECT_EQ(RasterArt(Drawn(8, 8, [](TRaster& t) { t.RoundPenLine(3, 3, 4, 3, clBlack); })),
              (TArt{"........", "...#....", "..###...", ".#####..", "..###...", "...#....",
                    "........", "........"}));
    // A longer stroke is a band with round ends.
    EXPECT_EQ(
        RasterArt(Drawn(10, 6, [](TRaster& t) { t.RoundPenLine(2, 2, 7, 2, clBlack); })),
        (TArt{"..#####...", ".#######..", "#########.", ".#######..", "..#####...", ".........."}));
    // Clipped at the raster's edge, and a one-point stroke still draws.
    EXPECT_EQ(RasterArt(Drawn(3, 3, [](TRaster& t) { t.RoundPenLine(0, 0, 0, 0, clBlack); })),
              (TArt{"###", "##.", "#.."}));
}

} // namespace
