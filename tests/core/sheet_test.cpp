// Picture sheets: cells found by size, gaps and margins; what counts as ink;
// fitted widths; wrong settings explained; and every community font through
// a sheet and back with its ink in place, the sheet itself coming back the
// same.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "formats/fileio.h"
#include "formats/sheet.h"
#include "model/font.h"
#include "rasterart.h"
#include "shareddata.h"
#include "text/textrows.h"

namespace {

TEST(Sheet, CellsGapsMarginsAndFittedWidths) {
    // Margin 1, 3 x 2 cells, gap 1, two columns from code 'A' - 1 ('@').
    const TRaster picture = testdata::ArtRaster({
        ".........",
        ".#...#...",
        ".#...##..",
        ".........",
        ".###.....",
        ".........",
    });
    TImportOptions o;
    o.CellWidth = 3;
    o.CellHeight = 2;
    o.Columns = 2;
    o.GapX = o.GapY = 1;
    o.MarginX = o.MarginY = 1;
    o.FirstCode = '@';
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(ReadSheet(font, picture, o, report), "");
    EXPECT_EQ(font.LastChar(), 'C');
    EXPECT_EQ(font.Height(), 2);
    EXPECT_EQ(font.Glyph('@' - 32).Rows(), "100|100");
    EXPECT_EQ(font.Glyph('A' - 32).Rows(), "100|110");
    EXPECT_EQ(font.Glyph('B' - 32).Rows(), "111");
    EXPECT_EQ(font.Glyph('C' - 32).Width(), 3);
    // Codes before the first cell: blank, as wide as a cell.
    EXPECT_EQ(font.Glyph(0).Width(), 3);
    EXPECT_EQ(report.Lines, std::vector<std::string>{"Not in the file, left empty: 32 to 63"});

    o.FitWidth = true;
    o.Spacing = 1;
    ASSERT_EQ(ReadSheet(font, picture, o, report), "");
    EXPECT_EQ(font.Glyph('@' - 32).Width(), 2);
    EXPECT_EQ(font.Glyph('@' - 32).Rows(), "10|10");
    EXPECT_EQ(font.Glyph('A' - 32).Width(), 3);
    EXPECT_EQ(font.Glyph('B' - 32).Width(), 4);
    EXPECT_EQ(font.Glyph('B' - 32).Rows(), "1110");
    EXPECT_EQ(font.Glyph('C' - 32).Width(), 3); // blank: the cell width

    // From code 254 the third cell (ink) and fourth fall beyond 255.
    o.FirstCode = 254;
    report = TImportReport();
    ASSERT_EQ(ReadSheet(font, picture, o, report), "");
    EXPECT_EQ(font.LastChar(), 255);
    EXPECT_EQ(report.Skipped, 1);
    EXPECT_EQ(report.Lines.back(), "1 character outside codes 32 to 255 left out");
}

TEST(Sheet, WhatCountsAsInk) {
    struct TCase {
        TColor Pixel;
        bool LightSheet, Ink;
    };
    const TCase cases[] = {
        {clBlack, false, true},
        {RGBColor(127, 127, 127), false, true},
        {RGBColor(128, 128, 128), false, false},
        {RGBColor(255, 0, 0), false, true},  // red is dark
        {RGBColor(0, 255, 0), false, false}, // green is light
        {0x7F000000u, false, false},         // transparent black is paper
        {0x00FFFFFFu, true, true},           // a hole in a light sheet is ink
        {0xFFFFFFFFu, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsInk(c.Pixel, c.LightSheet), c.Ink) << std::hex << c.Pixel;

    TRaster light(2, 1, 0xFFF0F0F0u);
    EXPECT_FALSE(IsLightSheet(light)); // opaque all over: ink is dark pixels
    light.SetPixel(1, 0, 0x00000000u);
    EXPECT_TRUE(IsLightSheet(light));
    light.SetPixel(0, 0, clBlack);
    EXPECT_FALSE(IsLightSheet(light));
}

TEST(Sheet, GuessWithoutAGrid) {
    // 16 columns of square cells where the height allows, else one row.
    for (const auto& [w, h, cw, ch] :
         {std::array<int, 4>{128, 48, 8, 8}, std::array<int, 4>{160, 8, 10, 8},
          std::array<int, 4>{10, 300, 1, 1}}) {
        const TImportOptions o = GuessSheetOptions(TRaster(w, h));
        EXPECT_EQ(o.Columns, 16);
        EXPECT_EQ(o.CellWidth, cw) << w << 'x' << h;
        EXPECT_EQ(o.CellHeight, ch) << w << 'x' << h;
        EXPECT_EQ(o.MarginX + o.GapX, 0);
    }
}

TEST(Sheet, WrongSettingsExplained) {
    const TRaster picture(16, 8);
    struct TCase {
        void (*Set)(TImportOptions&);
        std::string Message;
    };
    const TCase cases[] = {
        {[](TImportOptions& o) { o.CellWidth = 0; }, "The cell size must be 1 to 255"},
        {[](TImportOptions& o) { o.CellHeight = 256; }, "The cell size must be 1 to 255"},
        {[](TImportOptions& o) { o.Columns = 0; }, "at least one column"},
        {[](TImportOptions& o) { o.FirstCode = 256; }, "first code must be 0 to 255"},
        {[](TImportOptions& o) { o.GapY = -1; }, "cannot be negative"},
        {[](TImportOptions& o) { o.CellHeight = 9; },
         "Not one cell of 8 x 9 pixels fits the picture of 16 x 8."},
        {[](TImportOptions& o) { o.MarginX = 9; }, "Not one cell"},
        {[](TImportOptions& o) { o.FirstCode = 0; }, "cells end before code 32"},
    };
    for (const auto& c : cases) {
        TImportOptions o;
        c.Set(o);
        TFZXFont font;
        TImportReport report;
        const std::string error = ReadSheet(font, picture, o, report);
        EXPECT_NE(error.find(c.Message), std::string::npos) << error;
    }
}

// Every inked pixel of the codes 32..last as (code, x, y from the cell top).
std::set<std::tuple<int, int, int>> Ink(const TFZXFont& font, int last) {
    std::set<std::tuple<int, int, int>> ink;
    TStringList rows;
    for (int code = 32; code <= last; ++code) {
        const TFZXChar& g = font.Glyph(code - 32);
        SplitText(rows, g.Rows(), '|');
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int x = 0; x < g.Width() && x < static_cast<int>(rows[r].size()); ++x)
                if (rows[r][static_cast<std::size_t>(x)] == '1')
                    ink.insert({code, x, g.Leading() + static_cast<int>(r)});
    }
    return ink;
}

TEST(Sheet, CommunityFontsThroughSheetsAndBack) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("fzx", ".fzx");
    ASSERT_FALSE(files.empty());
    int n = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::vector<std::uint8_t> bytes = ReadFileBytes(path.string());
        TFZXFont font;
        ASSERT_EQ(font.LoadFZXBytes(bytes.data(), bytes.size()), "");
        // Grid, captions and column counts vary from font to font.
        TExportOptions out;
        out.Grid = n % 2 == 1;
        out.Captions = n % 3 == 2;
        out.Columns = 8 + n % 12;
        ++n;
        TRaster sheet;
        ASSERT_EQ(WriteSheet(font, out, sheet), "");
        TImportOptions in = SheetImportOptions(font, out);
        TFZXFont back;
        TImportReport report;
        ASSERT_EQ(ReadSheet(back, sheet, in, report), "");
        ASSERT_GE(back.LastChar(), font.LastChar());
        EXPECT_EQ(Ink(back, font.LastChar()), Ink(font, font.LastChar()));
        EXPECT_EQ(back.Glyph(0).Width(), in.CellWidth);

        // A sheet with a grid shows the window its own layout.
        if (out.Grid) {
            const TImportOptions guess = GuessSheetOptions(sheet);
            EXPECT_EQ(
                std::tie(guess.CellWidth, guess.CellHeight, guess.Columns, guess.GapX,
                         guess.MarginX, guess.MarginY),
                std::tie(in.CellWidth, in.CellHeight, in.Columns, in.GapX, in.MarginX, in.MarginY));
        }

        // The sheet of what was read is the same picture.
        TRaster again;
        ASSERT_EQ(WriteSheet(back, out, again), "");
        EXPECT_TRUE(again == sheet);

        // Fitted widths: the ink plus the spacing, the ink in place.
        in.FitWidth = true;
        in.Spacing = 2;
        TFZXFont fitted;
        ASSERT_EQ(ReadSheet(fitted, sheet, in, report), "");
        EXPECT_EQ(Ink(fitted, font.LastChar()), Ink(font, font.LastChar()));
        for (int code = 32; code <= font.LastChar(); ++code) {
            const TFZXChar& g = fitted.Glyph(code - 32);
            if (g.RowCount() > 0) {
                ASSERT_EQ(g.RightSpace(), 2) << code;
            }
        }
    }
}

} // namespace
