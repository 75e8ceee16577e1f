#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/font.h"
#include "raster/raster.h"
#include "render/previewstrip.h"

namespace {

TEST(ExpandCodeEscapes, Table) {
    struct Case {
        std::string In, Out;
    };
    const Case cases[] = {
        {"Hello[127]", "Hello\x7f"},
        {"[31]", "[31]"},
        {"[65]", "A"},
        {"[0065]", "[0065]"},
        {"[6a]", "[6a]"},
        {"[[65]", "[A"},
        {"[32][065]", " A"},
        {"[]", "[]"},
        {"[", "["},
        {"[65", "[65"},
        {"a]b", "a]b"},
        {"[6]5]", "[6]5]"},
        {"[1000]", "[1000]"},
        {"[255]", "\xff"},
        {"[999]", std::string(1, static_cast<char>(999 & 0xFF))},
        {"x[256]y", std::string("x\0y", 3)}, // lowest 8 bits: a control code
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandCodeEscapes(c.In), c.Out) << "text '" << c.In << "'";
}

// Glyphs of width 8 whose top row spells their code in binary, so a strip can
// be read back: every code from 32 up has a set bit.
void MakeCodeFont(TFZXFont& font, int lastChar) {
    font.SetHeight(8);
    font.SetLastChar(lastChar);
    for (int code = 32; code <= lastChar; ++code)
        font.Glyph(code - 32).SetAll(ByteToBits(static_cast<std::uint8_t>(code)), 0, 8, 0);
}

// Codes of the whole characters in strip row `row` (zoom 1, width 8 each,
// no kern), up to the first blank cell.
std::vector<int> ReadRow(const TRaster& raster, int row) {
    std::vector<int> codes;
    for (int x0 = 0; x0 + 8 <= raster.Width(); x0 += 8) {
        int code = 0;
        for (int i = 0; i < 8; ++i)
            code = code * 2 + (raster.Pixel(x0 + i, row * 8) == clBlack);
        if (code == 0) break;
        codes.push_back(code);
    }
    return codes;
}

std::vector<int> Codes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<int> Range(int first, int count, int lastChar) {
    std::vector<int> codes;
    for (int i = 0; i < count; ++i)
        codes.push_back(32 + (first - 32 + i) % (lastChar - 31));
    return codes;
}

bool RowIsBackground(const TRaster& raster, int top, int height) {
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < raster.Width(); ++x)
            if (raster.Pixel(x, y) != clBtnFace) return false;
    return true;
}

TEST(PreviewStrip, CharacterSequenceContinuesRowByRow) {
    TFZXFont font;
    MakeCodeFont(font, 127);
    const TStringList none;
    // 20.5 characters a row: the cut-off 21st still counts.
    TRaster raster(164, 40);
    PaintPreviewStrip(font, raster, &none, 1, true, clBtnFace);
    EXPECT_EQ(ReadRow(raster, 0), Range(32, 20, 127));
    EXPECT_EQ(ReadRow(raster, 1), Range(53, 20, 127));
    EXPECT_EQ(ReadRow(raster, 4), Range(32 + 4 * 21, 20, 127)); // 116..127, 32..39

    PaintPreviewStrip(font, raster, &none, 1, false, clBtnFace);
    EXPECT_EQ(ReadRow(raster, 0), Range(32, 20, 127));
    EXPECT_TRUE(RowIsBackground(raster, 8, 32));

    // Before the dialog exists: one row at zoom 1, whatever was asked for.
    PaintPreviewStrip(font, raster, nullptr, 3, true, clBtnFace);
    EXPECT_EQ(ReadRow(raster, 0), Range(32, 20, 127));
    EXPECT_TRUE(RowIsBackground(raster, 8, 32));
}

TEST(PreviewStrip, LinesRepeatOnlyWhenEndless) {
    TFZXFont font;
    MakeCodeFont(font, 127);
    struct Case {
        TStringList Lines;
        bool Endless;
        std::vector<std::string> Rows;
    };
    const Case cases[] = {
        {{"ABC", "DEF"}, true, {"ABC", "DEF", "ABC", "DEF", "ABC"}},
        {{"ABC", "DEF"}, false, {"ABC", "DEF", "", "", ""}},
        {{"AB", "", "CD"}, false, {"AB", "", "CD", "", ""}},
        {{"AB\tCD", "EF"}, true, {"AB", "", "", "", ""}},    // a tab ends everything
        {{"AB[200]CD", "EF"}, true, {"AB", "", "", "", ""}}, // no glyph for 200
        {{"A[256]B", "EF"}, true, {"A", "", "", "", ""}},    // code 0 after escape
        {{"[65][66]", "[[67]"}, false, {"AB", "[C", "", "", ""}},
    };
    for (const Case& c : cases) {
        TRaster raster(96, 40);
        PaintPreviewStrip(font, raster, &c.Lines, 1, c.Endless, clBtnFace);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(ReadRow(raster, row), Codes(c.Rows[static_cast<std::size_t>(row)]))
                << "first line '" << c.Lines[0] << "', row " << row;
        // Nothing but set pixels, all black, on the background.
        for (int y = 0; y < raster.Height(); ++y)
            for (int x = 0; x < raster.Width(); ++x) {
                const TColor px = raster.Pixel(x, y);
                ASSERT_TRUE(px == clBtnFace || (px == clBlack && y % 8 == 0));
            }
    }
}

TEST(PreviewStrip, KernOverlapsThePreviousCharacter) {
    TFZXFont font;
    font.SetHeight(4);
    font.SetTracking(1);
    font.SetLastChar(66);
    font.Glyph('A' - 32).SetAll("10000001", 2, 8, 1); // row 2
    font.Glyph('B' - 32).SetAll("11111111", 0, 8, 0); // row 0
    const TStringList lines{"BAB"};
    TRaster raster(60, 8);
    PaintPreviewStrip(font, raster, &lines, 2, false, clWhite);
    // B at 0 moves the pen 18; A starts 2 left of 18 and moves it 16.
    auto blackRun = [&](int y) {
        std::string s;
        for (int x = 0; x < 52; ++x)
            s += raster.Pixel(x, y) == clBlack ? '#' : '.';
        return s;
    };
    EXPECT_EQ(blackRun(0),
              std::string(16, '#') + std::string(18, '.') + std::string(16, '#') + "..");
    EXPECT_EQ(blackRun(4), std::string(16, '.') + "##............##" + std::string(20, '.'));
    EXPECT_EQ(raster.Pixel(59, 7), clWhite); // the background is the one asked for
}

TEST(PreviewStrip, AGlyphOfNoWidthAdvancesAsItsFileStoresIt) {
    TFZXFont font;
    font.SetLastChar(66);
    font.Glyph(0).SetAll("", 0, 0, 0); // written as 1 wide
    font.Glyph('B' - 32).SetAll("11111111", 0, 8, 0);
    const TStringList lines{" B"};
    EXPECT_EQ(PreviewLineWidth(font, lines[0], 2), 18);
    TRaster raster(20, 8);
    PaintPreviewStrip(font, raster, &lines, 1, false, clWhite);
    EXPECT_EQ(raster.Pixel(0, 0), clWhite);
    EXPECT_EQ(raster.Pixel(1, 0), clBlack);
    EXPECT_EQ(raster.Pixel(8, 0), clBlack);
}

TEST(PreviewStrip, ZoomThreeIsZoomOneEnlarged) {
    TFZXFont font;
    font.SetHeight(5);
    font.SetTracking(1);
    font.SetLastChar(70);
    font.Glyph('A' - 32).SetAll("0110|1001|1111|1001", 1, 4, 0);
    font.Glyph('B' - 32).SetAll("111|101|110", 0, 3, 1);
    font.Glyph('C' - 32).SetAll("01111111111111111", 2, 5, 0); // red beyond 16
    const TStringList lines{"ABCAB", "BCA"};
    TRaster small(40, 15), large(120, 45);
    PaintPreviewStrip(font, small, &lines, 1, true, clBtnFace);
    PaintPreviewStrip(font, large, &lines, 3, true, clBtnFace);
    bool sawRed = false;
    for (int y = 0; y < large.Height(); ++y)
        for (int x = 0; x < large.Width(); ++x) {
            ASSERT_EQ(large.Pixel(x, y), small.Pixel(x / 3, y / 3)) << x << "," << y;
            sawRed = sawRed || large.Pixel(x, y) == clRed;
        }
    EXPECT_TRUE(sawRed);
}

TEST(PreviewStrip, EmptyFontShowsBackgroundOnly) {
    TFZXFont font;
    const TStringList lines{"ABC"};
    TRaster raster(20, 10, clBlack);
    PaintPreviewStrip(font, raster, &lines, 1, true, clBtnFace);
    EXPECT_TRUE(RowIsBackground(raster, 0, 10));
}

// Fonts on which the pen never reaches the right edge or the next row never
// starts lower must still end the painting.
TEST(PreviewStrip, EndsWhenThePenCannotProgress) {
    TFZXFont font;
    font.SetLastChar(33);
    font.Glyph(0).SetAll("1", 0, 1, 1); // advance 0
    font.Glyph(1).SetAll("1", 0, 2, 3); // advance -1
    const TStringList none;
    TRaster raster(20, 16);
    PaintPreviewStrip(font, raster, &none, 1, true, clBtnFace);
    EXPECT_EQ(raster.Pixel(0, 8), clBtnFace);

    font.SetHeight(0);
    const TStringList empty{"", ""};
    PaintPreviewStrip(font, raster, &empty, 1, true, clBtnFace);
    EXPECT_TRUE(RowIsBackground(raster, 0, 16));
}

} // namespace
