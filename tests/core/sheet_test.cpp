// Picture sheets: cells found by size, gaps and margins; what counts as ink;
// fitted widths; wrong settings explained; and every community font through
// a sheet and back as the same font, the sheet itself coming back the same.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "formats/fileio.h"
#include "formats/sheet.h"
#include "formats/sheetguess.h"
#include "formats/sheetink.h"
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
    EXPECT_EQ(font.LastChar(), 'B'); // the blank cell after the last ink is none
    EXPECT_EQ(font.Height(), 2);
    EXPECT_EQ(font.Glyph('@' - 32).Rows(), "100|100");
    EXPECT_EQ(font.Glyph('A' - 32).Rows(), "100|110");
    EXPECT_EQ(font.Glyph('B' - 32).Rows(), "111");
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
    EXPECT_EQ(font.Glyph(0).Width(), 3); // blank: the cell width

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
        TColor Paper, Pixel;
        bool Ink;
    };
    const TCase cases[] = {
        {clWhite, clBlack, true},
        {clWhite, RGBColor(127, 127, 127), true},
        {clWhite, RGBColor(128, 128, 128), false},
        {clWhite, RGBColor(255, 0, 0), true},  // red is dark
        {clWhite, RGBColor(0, 255, 0), false}, // green is light
        {clWhite, 0x7F000000u, false},         // transparent black is paper beside dark ink
        {clBlack, clWhite, true},
        {clBlack, RGBColor(128, 128, 128), true},
        {clBlack, RGBColor(127, 127, 127), false},
        {RGBColor(0, 0, 96), RGBColor(255, 255, 0), true}, // yellow on dark blue
        {RGBColor(0, 0, 96), RGBColor(0, 0, 160), false},
        {0x00000000u, clWhite, true}, // anything opaque on see-through paper
        {0x00FFFFFFu, clBlack, true},
        {0x00000000u, 0x10FFFFFFu, false},
    };
    for (const auto& c : cases) {
        // Paper all round, one dark pixel in the middle so holes are paper.
        TRaster sheet(5, 5, c.Paper);
        sheet.SetPixel(2, 2, c.Paper == clWhite ? clBlack : c.Pixel);
        const TSheetPaper paper = SheetPaperOf(sheet, nullptr, false);
        EXPECT_EQ(IsInk(c.Pixel, paper), c.Ink) << std::hex << c.Paper << ' ' << c.Pixel;
        EXPECT_EQ(IsInk(c.Pixel, SheetPaperOf(sheet, nullptr, true)), !c.Ink);
    }

    // White paper with see-through holes and no dark pixel: the holes are ink.
    TRaster light(3, 3, 0xFFF0F0F0u);
    light.SetPixel(1, 1, 0x00000000u);
    EXPECT_TRUE(IsInk(0x00000000u, SheetPaperOf(light, nullptr, false)));
    light.SetPixel(0, 1, clBlack);
    EXPECT_FALSE(IsInk(0x00000000u, SheetPaperOf(light, nullptr, false)));
}

TEST(Sheet, GuessWithoutInk) {
    // No ink: 16 columns of square cells where the height allows, else one
    // row, and no confidence.
    for (const auto& [w, h, cw, ch] :
         {std::array<int, 4>{128, 48, 8, 8}, std::array<int, 4>{160, 8, 10, 8},
          std::array<int, 4>{10, 300, 1, 1}}) {
        const TSheetGuess guess = GuessSheetGrid(TRaster(w, h));
        EXPECT_FALSE(guess.Confident);
        EXPECT_EQ(guess.Options.Columns, 16);
        EXPECT_EQ(guess.Options.CellWidth, cw) << w << 'x' << h;
        EXPECT_EQ(guess.Options.CellHeight, ch) << w << 'x' << h;
        EXPECT_EQ(guess.Options.MarginX + guess.Options.GapX, 0);
    }
}

// Codes 32..last of 8 x 8, the space blank, every other character a box of
// its own pattern in columns 0..4 and rows 1..6.
void BoxFont(TFZXFont& font, int last) {
    font.SetLastChar(last);
    for (int code = 33; code <= last; ++code) {
        std::string rows = "11111000";
        for (int r = 0; r < 4; ++r) {
            rows += "|1";
            for (int b = 0; b < 3; ++b)
                rows += (code >> ((r + b) % 7)) & 1 ? '1' : '0';
            rows += "1000";
        }
        font.Glyph(code - 32).SetAll(rows + "|11111000", 1, 8, 0);
    }
}

TRaster SheetOf(int last, int columns, bool grid = false, bool captions = false) {
    TFZXFont font;
    BoxFont(font, last);
    TExportOptions out;
    out.Columns = columns;
    out.Grid = grid;
    out.Captions = captions;
    TRaster sheet;
    EXPECT_EQ(WriteSheet(font, out, sheet), "");
    return sheet;
}

// A sheet as other programs draw one: each character at the top left of its
// cell, cells gap apart, the last ones followed by the margin that precedes
// the first; light ink on dark paper where dark is set.
TRaster DrawnSheet(const TFZXFont& font, int gap, int marginX, int marginY, bool dark,
                   int columns) {
    const int last = font.LastChar();
    int cw = 1, ch = font.Height();
    for (int code = 32; code <= last; ++code) {
        cw = std::max(cw, font.Glyph(code - 32).Width());
        ch = std::max(ch, font.Glyph(code - 32).Leading() + font.Glyph(code - 32).RowCount());
    }
    const int rows = (last - 31 + columns - 1) / columns;
    TRaster sheet(2 * marginX + columns * cw + (columns - 1) * gap,
                  2 * marginY + rows * ch + (rows - 1) * gap, dark ? clBlack : clWhite);
    TStringList lines;
    for (int code = 32; code <= last; ++code) {
        const TFZXChar& g = font.Glyph(code - 32);
        const int left = marginX + (code - 32) % columns * (cw + gap);
        const int top = marginY + (code - 32) / columns * (ch + gap) + g.Leading();
        SplitText(lines, g.Rows(), '|');
        for (std::size_t r = 0; r < lines.size(); ++r)
            for (int x = 0; x < g.Width() && x < static_cast<int>(lines[r].size()); ++x)
                if (lines[r][static_cast<std::size_t>(x)] == '1')
                    sheet.SetPixel(left + x, top + static_cast<int>(r), dark ? clWhite : clBlack);
    }
    return sheet;
}

TRaster Inverted(const TRaster& picture) {
    TRaster inverted(picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            inverted.SetPixel(x, y, picture.Pixel(x, y) ^ 0x00FFFFFFu);
    return inverted;
}

TEST(Sheet, GuessFindsTheGrid) {
    // Sheets of community fonts (below fzx/) or of box characters up to
    // code Last, drawn by another program with gaps and margins, or by
    // Quorrel (Writer: with grid lines and captions as asked); "" where the
    // grid cannot be told for sure.
    struct TCase {
        const char* Font;
        int Last, Gap, MarginX, MarginY;
        bool Dark;
        int Columns;
        const char* Grid;
        bool Writer = false, Lines = false, Captions = false;
    };
    const TCase cases[] = {
        {"dkud3/Cobra/cobratall.fzx", 0, 2, 10, 6, true, 16,
         "grid: 8x14 cells, gap 2, margin 10x6, 16 columns"},
        // Cells that touch show where they begin only by fewer strokes
        // crossing there: after a margin that is unsure.
        {"dkud3/Cobra/cobratall.fzx", 0, 0, 32, 0, false, 16, ""},
        {"kk/Mischke_Latin1.fzx", 0, 1, 0, 0, false, 16,
         "grid: 12x16 cells, gap 1, margin 0x0, 16 columns"},
        {"ao/Grotesk/Grotesk.fzx", 0, 4, 8, 8, false, 16,
         "grid: 16x32 cells, gap 4, margin 8x8, 16 columns"},
        {"utz/TinyTexan/tinytexanXS.fzx", 0, 8, 32, 32, true, 10,
         "grid: 5x5 cells, gap 8, margin 32x32, 10 columns"},
        {"ao/Roundel/RoundelSerif_Latin1.fzx", 0, 3, 17, 5, true, 32,
         "grid: 15x17 cells, gap 3, margin 17x5, 32 columns"},
        {"ao/Aribeth/Aribeth14.fzx", 0, 5, 0, 20, true, 12,
         "grid: 13x15 cells, gap 5, margin 0x20, 12 columns"},
        {nullptr, 127, 0, 0, 0, false, 32, "grid: 8x8 cells, gap 0, margin 0x0, 32 columns"},
        {nullptr, 127, 0, 0, 0, false, 16, "grid: 8x8 cells, gap 0, margin 0x0, 16 columns"},
        {nullptr, 50, 0, 0, 0, false, 19, "grid: 8x8 cells, gap 0, margin 0x0, 19 columns"},
        {nullptr, 100, 0, 13, 7, false, 10, "grid: 8x8 cells, gap 0, margin 13x7, 10 columns"},
        // Boxes leave room at their right: wider cells with a narrower gap
        // and no margin after the last fit as well.
        {nullptr, 100, 6, 3, 3, true, 12, ""},
        {nullptr, 100, 0, 0, 0, false, 12, "grid: 8x8 cells, gap 1, margin 14x8, 12 columns", true,
         true, true},
        {nullptr, 100, 0, 0, 0, true, 12, "grid: 8x8 cells, gap 1, margin 14x8, 12 columns", true,
         true, true},
        {nullptr, 100, 0, 0, 0, true, 16, "grid: 8x8 cells, gap 0, margin 13x7, 16 columns", true,
         false, true},
        {nullptr, 100, 0, 0, 0, false, 16, "grid: 8x8 cells, gap 1, margin 1x1, 16 columns", true,
         true, false},
    };
    for (const auto& c : cases) {
        const std::string name = (c.Font ? c.Font : "boxes to " + std::to_string(c.Last)) +
                                 ", gap " + std::to_string(c.Gap) + ", margin " +
                                 std::to_string(c.MarginX) + 'x' + std::to_string(c.MarginY) +
                                 (c.Dark ? ", light on dark" : "");
        SCOPED_TRACE(name);
        TFZXFont font;
        if (c.Font) {
            if (!testdata::HaveSharedFonts()) {
                std::cout << "[  SKIPPED ] " << name << ": no shared font collection\n";
                continue;
            }
            ASSERT_EQ(font.LoadFZX((testdata::SharedFonts() / "fzx" / c.Font).string()), "");
        } else {
            BoxFont(font, c.Last);
        }
        TRaster sheet;
        if (c.Writer) {
            TExportOptions out;
            out.Columns = c.Columns;
            out.Grid = c.Lines;
            out.Captions = c.Captions;
            ASSERT_EQ(WriteSheet(font, out, sheet), "");
            if (c.Dark) sheet = Inverted(sheet);
        } else {
            sheet = DrawnSheet(font, c.Gap, c.MarginX, c.MarginY, c.Dark, c.Columns);
        }
        const TSheetGuess guess = GuessSheetGrid(sheet);
        EXPECT_EQ(guess.Confident ? SheetGridText(guess.Options) : "", c.Grid) << guess.Doubt;
        EXPECT_EQ(guess.LightOnDark, c.Dark);
        EXPECT_EQ(guess.Doubt.empty(), guess.Confident);
    }
    // Noise has no grid to read.
    TRaster noise(64, 32);
    unsigned seed = 1;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            if ((seed = seed * 1103515245u + 12345u) >> 30 & 1) noise.SetPixel(x, y, clBlack);
    EXPECT_FALSE(GuessSheetGrid(noise).Confident);

    // Columns follow from the cell size and the picture's width.
    TImportOptions o;
    o.CellWidth = 8;
    EXPECT_EQ(SheetColumnsFitting(TRaster(256, 8), o), 32);
    o.GapX = 1;
    o.MarginX = 14;
    EXPECT_EQ(SheetColumnsFitting(TRaster(14 + 12 * 9, 8), o), 12);
}

TEST(Sheet, LightInkOnDarkPaper) {
    // The same sheet in other colours reads the same characters.
    TFZXFont font;
    BoxFont(font, 80);
    const TRaster sheet = SheetOf(80, 16);
    struct TCase {
        TColor Paper, Ink;
    };
    const TCase cases[] = {
        {clBlack, clWhite},
        {RGBColor(0, 0, 128), RGBColor(255, 255, 0)},
        {0x00000000u, clWhite},
        {0x00FFFFFFu, clBlack},
    };
    for (const auto& c : cases) {
        TRaster picture(sheet.Width(), sheet.Height());
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x) {
                const bool ink = sheet.Pixel(x, y) == clBlack;
                picture.SetPixel(x, y, ink ? c.Ink : c.Paper);
            }
        const TSheetGuess guess = GuessSheetGrid(picture);
        ASSERT_TRUE(guess.Confident) << std::hex << c.Paper << guess.Doubt;
        EXPECT_EQ(SheetGridText(guess.Options), "grid: 8x8 cells, gap 0, margin 0x0, 16 columns");
        TFZXFont back;
        TImportReport report;
        ASSERT_EQ(ReadSheet(back, picture, guess.Options, report), "");
        EXPECT_EQ(back.LastChar(), 80);
        for (int code = 32; code <= 80; ++code)
            ASSERT_EQ(back.Glyph(code - 32).Rows(), font.Glyph(code - 32).Rows()) << code;
    }
}

TEST(Sheet, ARoundTripAddsNothing) {
    // 'A' ends the font, 2 rows of 32 cells: the 30 blank cells after it are
    // no characters; ink outside every cell is counted.
    struct TCase {
        int Last;
        bool Blank; // the last character has no ink
        int Stray;  // inked pixels put outside the cells
    };
    const TCase cases[] = {{65, false, 0}, {65, true, 0}, {40, false, 3}};
    for (const auto& c : cases) {
        TFZXFont font;
        BoxFont(font, c.Last);
        if (c.Blank) font.Glyph(c.Last - 32).SetAll("", 0, 8, 0);
        TExportOptions out;
        out.Columns = 32;
        out.Grid = c.Stray > 0;
        TRaster sheet;
        ASSERT_EQ(WriteSheet(font, out, sheet), "");
        for (int i = 0; i < c.Stray; ++i)
            sheet.SetPixel(0, 1 + 2 * i, clBlack); // on the grid line left of the cells
        const TImportOptions in = SheetImportOptions(font, out);
        EXPECT_EQ(in.LastCode, c.Blank ? c.Last : 0);
        TFZXFont back;
        TImportReport report;
        ASSERT_EQ(ReadSheet(back, sheet, in, report), "");
        EXPECT_EQ(back.LastChar(), c.Last);
        const std::vector<std::string> lines =
            c.Stray ? std::vector<std::string>{std::to_string(c.Stray) +
                                               " inked pixels outside every cell left out"}
                    : std::vector<std::string>{};
        EXPECT_EQ(report.Lines, lines);
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
        EXPECT_EQ(back.LastChar(), font.LastChar());
        EXPECT_TRUE(report.Lines.empty()) << report.Lines.front();
        // The same font: the marks in the cells carry widths, kerns, the
        // leading of blank characters, the height and the tracking.
        std::vector<std::uint8_t> written, read;
        ASSERT_EQ(font.BuildFZXImage(written), "");
        ASSERT_EQ(back.BuildFZXImage(read), "");
        EXPECT_TRUE(read == written);

        // Grid lines, captions or the marks in the cells give the layout;
        // a grid guessed without doubt is the right one.
        const TSheetGuess guess = GuessSheetGrid(sheet);
        if (out.Grid || out.Captions) {
            EXPECT_TRUE(guess.Confident) << guess.Doubt;
        }
        if (guess.Confident) {
            EXPECT_EQ(SheetGridText(guess.Options), SheetGridText(in));
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
