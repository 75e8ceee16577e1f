// Glyph <-> raster exchange and the stroke commands of the font.

#include <gtest/gtest.h>

#include <string>

#include "model/font.h"
#include "model/updatescope.h"
#include "raster/raster.h"

namespace {

// A font of the given height whose glyph 0 holds the given values and is
// current, with the history and the modified flag as after a file read.
struct StrokeFont {
    TFZXFont font;
    int changes = 0;

    StrokeFont(int height, const std::string& rows, int leading, int width) {
        {
            TFontUpdate update(font, false);
            font.SetHeight(height);
            font.SetLastChar(32);
            font.Glyph(0).SetAll(rows, leading, width, 0);
        }
        font.SetCurrent(0);
        font.SetModified(false);
        font.OnChange = [this](TFZXFont&) { ++changes; };
    }
    TFZXChar& glyph() { return font.Glyph(0); }
};

// Black where the row text holds '1', white elsewhere, compared pixel by pixel.
void ExpectRasterShows(const TRaster& raster, const std::string& rows) {
    TStringList list;
    SplitText(list, rows, '|');
    ASSERT_EQ(raster.Height(), static_cast<int>(list.size()));
    for (int y = 0; y < raster.Height(); ++y) {
        ASSERT_EQ(raster.Width(), static_cast<int>(list[y].size())) << "row " << y;
        for (int x = 0; x < raster.Width(); ++x)
            EXPECT_EQ(raster.Pixel(x, y), list[y][x] == '1' ? clBlack : clWhite) << x << "," << y;
    }
}

TEST(RasterExchange, BeginRasterEditExpandsAndPaints) {
    StrokeFont f(8, "10001|01010|00100", 2, 5);
    f.font.BeginRasterEdit();
    const std::string expanded = "00000|00000|10001|01010|00100|00000|00000|00000";
    EXPECT_EQ(f.glyph().Rows(), expanded);
    EXPECT_EQ(f.glyph().Leading(), 0);
    EXPECT_EQ(f.font.WorkRows(), expanded);
    ExpectRasterShows(f.font.WorkBitmap(), expanded);
    EXPECT_EQ(f.font.UndoList().Count(), 1);
}

TEST(RasterExchange, OnlyExactBlackReadsAsSet) {
    StrokeFont f(2, "", 0, 4);
    f.font.BeginRasterEdit();
    TRaster& r = f.font.WorkBitmap();
    r.SetPixel(0, 0, clBlack);
    r.SetPixel(1, 0, RGBColor(1, 0, 0));
    r.SetPixel(2, 0, RGBColor(0, 0, 1));
    r.SetPixel(3, 0, RGBColor(0, 1, 0));
    r.SetPixel(3, 1, clBlack);
    f.font.ApplyRaster();
    EXPECT_EQ(f.glyph().Rows(), "1000|0001");
}

TEST(RasterExchange, ApplyRasterIgnoresRasterOfOtherSize) {
    StrokeFont f(8, "11", 0, 2);
    f.font.BeginRasterEdit();
    const std::string before = f.glyph().Rows();
    f.font.WorkBitmap().Fill(clBlack);
    f.font.SetHeight(9); // the body changed since the press
    f.font.ApplyRaster();
    EXPECT_EQ(f.glyph().Rows(), before);
    f.font.SetHeight(8);
    f.glyph().SetWidth(3);
    f.font.ApplyRaster();
    EXPECT_EQ(f.glyph().Width(), 3);
    EXPECT_EQ(f.glyph().Rows(), "110");
}

TEST(RasterExchange, RestoreRaster) {
    StrokeFont f(4, "0110|1001", 1, 4);
    f.font.BeginRasterEdit();
    const std::string start = f.glyph().Rows();
    const TRaster startRaster = f.font.WorkBitmap();
    for (int i = 0; i < 4; ++i)
        f.font.WorkBitmap().SetPixel(i, i, clBlack);
    f.font.ApplyRaster();
    ASSERT_NE(f.glyph().Rows(), start);
    const std::string drawn = f.glyph().Rows();

    // Without reset only the raster is repainted, from the present rows.
    f.font.WorkBitmap().Fill(clWhite);
    f.font.RestoreRaster(false);
    EXPECT_EQ(f.glyph().Rows(), drawn);
    ExpectRasterShows(f.font.WorkBitmap(), drawn);

    f.font.RestoreRaster(true);
    EXPECT_EQ(f.glyph().Rows(), start);
    EXPECT_EQ(f.font.WorkBitmap(), startRaster);
}

TEST(RasterExchange, RowsBelowTheBodyAreDropped) {
    std::string rows = "1";
    for (int i = 1; i < 12; ++i)
        rows += i % 2 ? "|0" : "|1";
    StrokeFont f(8, rows, 0, 1);
    f.font.BeginRasterEdit();
    EXPECT_EQ(f.glyph().RowCount(), 12);
    EXPECT_EQ(f.font.WorkBitmap().Height(), 8);
    f.font.ApplyRaster();
    EXPECT_EQ(f.glyph().Rows(), "1|0|1|0|1|0|1|0");
}

TEST(RasterExchange, WholeStrokeRecordsOnceAndNormalizes) {
    StrokeFont f(8, "", 0, 4);
    TFZXFont& font = f.font;
    {
        TFontUpdate update(font, false);
        font.BeginRasterEdit();
        font.WorkBitmap().SetPixel(1, 2, clBlack);
        font.ApplyRaster();
    }
    for (int x = 1; x < 3; ++x) { // pointer moves
        {
            TFontUpdate update(font, false);
            font.RestoreRaster(true);
            font.WorkBitmap().FillRect(1, 2, x + 1, 5, clBlack);
            font.ApplyRaster();
        }
    }
    EXPECT_EQ(f.changes, 0);
    EXPECT_EQ(f.glyph().Leading(), 0);
    EXPECT_EQ(f.glyph().RowCount(), 8);

    {
        TFontUpdate update(font);
        font.ApplyRaster();
        font.EndRasterEdit(true, THistoryKind::LineTool);
    }
    font.GlyphChanged(THistoryKind::LineTool);
    EXPECT_EQ(f.glyph().Leading(), 2);
    EXPECT_EQ(f.glyph().Rows(), "0110|0110|0110");
    EXPECT_TRUE(font.Modified());
    ASSERT_EQ(font.UndoList().Count(), 2);
    const Tundolistentry& last = font.UndoList().Entry(1);
    EXPECT_EQ(last.Action, THistoryKind::LineTool);
    EXPECT_EQ(last.Rows, f.glyph().Rows());
    EXPECT_EQ(last.Leading, 2);
}

TEST(RasterExchange, EndRasterEditWithoutRecordLeavesHistoryAndFlag) {
    StrokeFont f(8, "1", 3, 1);
    f.font.BeginRasterEdit();
    f.font.EndRasterEdit(false, THistoryKind::CopyTool);
    EXPECT_EQ(f.glyph().Rows(), "1");
    EXPECT_EQ(f.glyph().Leading(), 3);
    EXPECT_EQ(f.font.UndoList().Count(), 1);
    EXPECT_FALSE(f.font.Modified());
}

TEST(RasterExchange, NoCurrentGlyphMakesCommandsNoOps) {
    TFZXFont font;
    int changes = 0;
    font.OnChange = [&](TFZXFont&) { ++changes; };
    font.WorkBitmap().SetSize(3, 3);
    font.BeginRasterEdit();
    font.ApplyRaster();
    font.RestoreRaster(true);
    font.EndRasterEdit(true, THistoryKind::PixelsChanged);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(font.WorkBitmap().Width(), 3);
    EXPECT_EQ(font.UndoList().Count(), 0);
    EXPECT_FALSE(font.Modified());
}

TEST(RasterExchange, FromBitmapAnySize) {
    StrokeFont f(8, "101", 0, 3);
    TFontUpdate update(f.font, false);
    f.glyph().FromBitmap(TRaster(0, 0), true);
    EXPECT_EQ(f.glyph().Rows(), "");
    TRaster r(2, 3);
    r.SetPixel(1, 2, clBlack);
    f.glyph().FromBitmap(r, true);
    EXPECT_EQ(f.glyph().Rows(), "00|00|01");
    EXPECT_EQ(f.glyph().Width(), 3); // the caller sets the width
}

TEST(RasterExchange, GlyphOperationsNotifyOnce) {
    StrokeFont f(8, "101", 1, 3);
    TRaster r;
    std::string rows;
    f.glyph().ToBitmap(rows, r);
    EXPECT_EQ(f.changes, 1);
    f.glyph().FromBitmap(r, false);
    EXPECT_EQ(f.changes, 2);
    f.glyph().RowsToBitmap(true, "111", r);
    EXPECT_EQ(f.changes, 2);
    EXPECT_EQ(f.glyph().Rows(), "111");
    EXPECT_EQ(r.Pixel(0, 1), clBlack); // uncovered pixels keep their colour
}

} // namespace
