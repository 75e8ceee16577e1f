// Scaling glyphs by factors, and the stretching copy underneath.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/font.h"
#include "model/updatescope.h"
#include "raster/raster.h"

namespace {

// A font of the given height whose glyphs all hold the same values; glyph 0
// is current.
struct ScaleFont {
    TFZXFont font;
    std::vector<std::string> messages;
    double widthFactor = 1.0, heightFactor = 1.0;

    ScaleFont(int height, const std::string& rows, int leading, int width, int glyphs = 1) {
        {
            TFontUpdate update(font, false);
            font.SetHeight(height);
            font.SetLastChar(31 + glyphs);
            for (int i = 0; i < glyphs; ++i)
                font.Glyph(i).SetAll(rows, leading, width, 0);
        }
        font.SetCurrent(0);
        font.SetModified(false);
        font.OnMessage = [this](const std::string& text) { messages.push_back(text); };
        font.OnGetScaleFactors = [this](double& w, double& h) {
            w = widthFactor;
            h = heightFactor;
            return true;
        };
    }
    TFZXChar& glyph(int i = 0) { return font.Glyph(i); }
};

TEST(GlyphScale, Examples) {
    struct Case {
        const char* Name;
        int Height;
        std::string Rows;
        int Leading, Width;
        double WF, HF;
        std::string NewRows;
        int NewLeading, NewWidth;
    };
    const std::string row256 = "11" + std::string(254, '0');
    const Case cases[] = {
        {"2 x 2 scales the leading too", 8, "00011000", 2, 8, 2.0, 2.0,
         "0000001111000000|0000001111000000", 4, 16},
        {"1 x 1 keeps the glyph", 8, "01|11", 3, 2, 1.0, 1.0, "01|11", 3, 2},
        {"half of 5 is 2", 8, "11111", 0, 5, 0.5, 1.0, "11", 0, 2},
        {"half of 7 is 4", 8, "1000001", 0, 7, 0.5, 1.0, "1001", 0, 4},
        {"reduce keeps left pixel", 8, "1000", 0, 4, 0.5, 1.0, "10", 0, 2},
        {"reduce keeps right pixel", 8, "0001", 0, 4, 0.5, 1.0, "01", 0, 2},
        {"width rounding to 0", 8, "1111", 0, 4, 0.1, 1.0, "", 0, 0},
        {"height rounding to 0", 8, "1111", 0, 4, 1.0, 0.01, "", 0, 4},
        {"enlarged past the body", 4, "1|0|0|1", 0, 1, 1.0, 2.0, "1|1|0|0|0|0|1|1", 0, 1},
        {"rows below the body are lost", 2, "1|1|1", 0, 1, 1.0, 1.0, "1|1", 0, 1},
        {"exactly 256 x 192", 96, "1" + std::string(127, '0'), 0, 128, 2.0, 2.0,
         row256 + "|" + row256, 0, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ScaleFont f(c.Height, c.Rows, c.Leading, c.Width);
        ASSERT_TRUE(f.glyph().Scale(c.WF, c.HF));
        EXPECT_EQ(f.glyph().Rows(), c.NewRows);
        EXPECT_EQ(f.glyph().Leading(), c.NewLeading);
        EXPECT_EQ(f.glyph().Width(), c.NewWidth);
    }
}

TEST(GlyphScale, TooLargeResultsFailAndKeepTheGlyph) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int Height, Width;
        double WF, HF;
    };
    // 260 columns, 200 rows, 193 rows, and factors that give no size at all.
    const Case cases[] = {{8, 26, 10.0, 1.0},
                          {20, 4, 1.0, 10.0},
                          {193, 1, 1.0, 1.0},
                          {8, 4, -1.0, 1.0},
                          {8, 4, 1.0, nan}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        ScaleFont f(c.Height, "1|0|1", 1, c.Width);
        const std::string rows = f.glyph().Rows();
        EXPECT_FALSE(f.glyph().Scale(c.WF, c.HF));
        EXPECT_EQ(f.glyph().Rows(), rows);
        EXPECT_EQ(f.glyph().Leading(), 1);
        EXPECT_EQ(f.glyph().Width(), c.Width);
    }
}

TEST(GlyphScale, CurrentGlyphMessages) {
    ScaleFont f(8, "1", 0, 26);
    f.widthFactor = 10.0;
    f.font.ApplyToCurrent(coScale);
    EXPECT_EQ(f.messages, std::vector<std::string>{"Illegal destination size!"});
    EXPECT_EQ(f.glyph().Width(), 26);
    EXPECT_EQ(f.font.UndoList().Entry(f.font.UndoList().Count() - 1).Action,
              THistoryKind::ScaleChar);

    ScaleFont ok(8, "1", 0, 16);
    ok.widthFactor = 10.0;
    ok.font.ApplyToCurrent(coScale);
    EXPECT_TRUE(ok.messages.empty());
    EXPECT_EQ(ok.glyph().Width(), 160);
    EXPECT_EQ(ok.glyph().Rows(), std::string(10, '1') + std::string(150, '0'));
    EXPECT_TRUE(ok.font.ScaleCurrent(0.5, 1.0));
    EXPECT_EQ(ok.glyph().Width(), 80);

    TFZXFont none;
    EXPECT_FALSE(none.ScaleCurrent(1.0, 1.0));
}

TEST(GlyphScale, AllGlyphsCountTheirErrors) {
    ScaleFont f(20, "1", 0, 4, 3);
    f.heightFactor = 10.0;
    f.font.ApplyToAll(coScale);
    EXPECT_EQ(f.messages, std::vector<std::string>{"There were 3 scaling errors!"});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.glyph(i).Rows(), "1");
    EXPECT_TRUE(f.font.Modified());

    // Only the glyphs that fail are kept; the others are scaled.
    ScaleFont mixed(8, "1", 0, 4, 3);
    mixed.glyph(1).SetWidth(30);
    mixed.widthFactor = 9.0;
    mixed.font.ApplyToAll(coScale);
    EXPECT_EQ(mixed.messages, std::vector<std::string>{"There were 1 scaling errors!"});
    EXPECT_EQ(mixed.glyph(0).Width(), 36);
    EXPECT_EQ(mixed.glyph(1).Width(), 30);
    EXPECT_EQ(mixed.glyph(2).Width(), 36);

    ScaleFont unassigned(8, "1", 0, 4, 2);
    unassigned.font.OnGetScaleFactors = nullptr;
    unassigned.font.ApplyToAll(coScale);
    EXPECT_EQ(unassigned.glyph(1).Width(), 4);
    EXPECT_EQ(unassigned.font.UndoList().Count(), 1 + 4);
}

// Each destination pixel is the AND of the source pixels the axis rules
// give it, found by testing every source pixel.
TRaster SlowStretch(const TRaster& src, int width, int height) {
    auto covers = [](int s, int d, int oldSize, int newSize) {
        if (newSize >= oldSize)
            return s == static_cast<int>(static_cast<long long>(d) * oldSize / newSize);
        return d == static_cast<int>(static_cast<long long>(s) * newSize / oldSize);
    };
    TRaster dst(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            TColor c = 0xFFFFFFFFu;
            for (int sy = 0; sy < src.Height(); ++sy)
                for (int sx = 0; sx < src.Width(); ++sx)
                    if (covers(sx, x, src.Width(), width) && covers(sy, y, src.Height(), height))
                        c &= src.Pixel(sx, sy);
            dst.SetPixel(x, y, c);
        }
    return dst;
}

TEST(RasterStretch, MatchesPerPixelReference) {
    std::mt19937 random(7);
    const TColor colours[] = {clBlack, clWhite, clWhite, RGBColor(200, 30, 90)};
    for (int round = 0; round < 300; ++round) {
        const int sw = 1 + static_cast<int>(random() % 19),
                  sh = 1 + static_cast<int>(random() % 19);
        const int dw = 1 + static_cast<int>(random() % 41),
                  dh = 1 + static_cast<int>(random() % 41);
        TRaster src(sw, sh);
        for (int y = 0; y < sh; ++y)
            for (int x = 0; x < sw; ++x)
                src.SetPixel(x, y, colours[random() % 4]);
        TRaster dst(dw, dh, clRed);
        dst.StretchFrom(src);
        ASSERT_EQ(dst, SlowStretch(src, dw, dh)) << sw << "x" << sh << " -> " << dw << "x" << dh;
    }
}

TEST(RasterStretch, ReducingNeverLosesBlack) {
    TRaster src(256, 192);
    src.SetPixel(255, 191, clBlack);
    TRaster dst(3, 2);
    dst.StretchFrom(src);
    EXPECT_EQ(dst.Pixel(2, 1), clBlack);
    TRaster empty(2, 2, clBlack);
    empty.StretchFrom(TRaster());
    EXPECT_EQ(empty, TRaster(2, 2));
}

} // namespace
