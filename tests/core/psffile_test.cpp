// PSF 1 and PSF 2: hand-made files with and without a Unicode table, the
// refusals of damaged files with their byte offsets, the writer's limits, and
// every community CHR set through PSF 2 and back byte-exact.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "formats/psffile.h"
#include "model/font.h"
#include "shareddata.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put32(TBytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A PSF 2 font of count glyphs, width x height, glyph g's first row 0x80 >> g and
// every other row blank; table appended as given.
TBytes MakePSF2(std::uint32_t count, int width, int height, const TBytes& table) {
    TBytes b = {0x72, 0xB5, 0x4A, 0x86};
    const std::uint32_t rowBytes = (width + 7) / 8;
    for (const std::uint32_t v :
         {0u, 32u, table.empty() ? 0u : 1u, count, rowBytes * height,
          static_cast<std::uint32_t>(height), static_cast<std::uint32_t>(width)})
        Put32(b, v);
    for (std::uint32_t g = 0; g < count; ++g) {
        b.push_back(static_cast<std::uint8_t>(0x80 >> (g % 8)));
        b.resize(b.size() + rowBytes * height - 1, 0);
    }
    b.insert(b.end(), table.begin(), table.end());
    return b;
}

std::string Read(TFZXFont& font, const TBytes& bytes, bool zx = false) {
    TImportOptions options;
    options.ZxCharset = zx;
    TImportReport report;
    return ReadPSF(font, bytes, options, report);
}

TEST(PsfFile, WithoutTableGlyphNIsCodeN) {
    // PSF 1: 256 glyphs, 8 x 4; glyph 65 has a dot top left and bottom right.
    TBytes b = {0x36, 0x04, 0x00, 0x04};
    b.resize(4 + 256 * 4, 0);
    b[4 + 65 * 4] = 0x80;
    b[4 + 65 * 4 + 3] = 0x01;
    b[4 + 7 * 4] = 0xFF; // a control character's glyph: left out, counted
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(ReadPSF(font, b, TImportOptions(), report), "");
    EXPECT_EQ(font.Height(), 4);
    EXPECT_EQ(font.LastChar(), 255);
    EXPECT_EQ(report.Skipped, 1);
    const TFZXChar& a = font.Glyph(65 - 32);
    EXPECT_EQ(a.Width(), 8);
    EXPECT_EQ(a.Leading(), 0);
    EXPECT_EQ(a.Rows(), "10000000|00000000|00000000|00000001");
    EXPECT_EQ(font.Glyph(0).Width(), 8);
    EXPECT_FALSE(font.Modified());
}

TEST(PsfFile, UnicodeTablePlacesGlyphs) {
    // PSF 2 with 4 glyphs 5 x 3: glyph 1 is 'A' and U+00C0; glyph 2 is U+2191
    // (arrow), glyph 3 is U+0416 (Cyrillic) and a sequence starting 'B'.
    const TBytes table = {0xFF,                                // glyph 0: nothing
                          'A',  0xC3, 0x80, 0xFF,              // glyph 1
                          0xE2, 0x86, 0x91, 0xFF,              // glyph 2
                          0xD0, 0x96, 0xFE, 'B',  0x41, 0xFF}; // glyph 3
    const TBytes b = MakePSF2(4, 5, 3, table);
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(ReadPSF(font, b, TImportOptions(), report), "");
    EXPECT_EQ(font.LastChar(), 0xC0);
    EXPECT_EQ(font.Glyph('A' - 32).Rows(), "01000");
    EXPECT_EQ(font.Glyph(0xC0 - 32).Rows(), font.Glyph('A' - 32).Rows());
    EXPECT_EQ(font.Glyph('B' - 32).RowCount(), 0); // sequences give no character
    EXPECT_EQ(font.Glyph('B' - 32).Width(), 5);    // missing: as wide as the cells
    EXPECT_EQ(report.Skipped, 3);                  // glyph 0, the arrow and the Cyrillic glyph
    EXPECT_EQ(report.Lines.back(), "3 characters outside codes 32 to 255 left out");

    // With the Spectrum's characters, the arrow takes code 94.
    TFZXFont zx;
    TImportOptions options;
    options.ZxCharset = true;
    TImportReport zxReport;
    ASSERT_EQ(ReadPSF(zx, b, options, zxReport), "");
    EXPECT_EQ(zxReport.Skipped, 2);
    EXPECT_EQ(zx.Glyph(94 - 32).Rows(), "00100");
}

TEST(PsfFile, DamagedFilesNameTheByte) {
    const TBytes good = MakePSF2(2, 8, 8, {'A', 0xFF, 'B', 0xFF});
    struct TCase {
        const char* Name;
        TBytes Bytes;
        std::string Message;
    };
    TBytes badSize = good;
    badSize[20] = 9;
    TBytes badUtf8 = good;
    badUtf8[good.size() - 4] = 0xC3; // lead byte followed by 0xFF
    TBytes noGlyphs = good;
    noGlyphs[16] = 0;
    std::vector<TCase> cases = {
        {"empty", {}, "byte 0: not a PSF font"},
        {"other file", {'F', 'Z', 'X', 0}, "byte 0: not a PSF font"},
        {"short header", TBytes(good.begin(), good.begin() + 20), "byte 20: the file ends inside"},
        {"glyph size", badSize, "byte 20: glyph size 9 does not match 8 rows of 8 pixels"},
        {"no glyphs", noGlyphs, "byte 16: the font holds no glyphs"},
        {"cut glyphs", TBytes(good.begin(), good.begin() + 40),
         "byte 40: the file ends before glyph 1 of 2"},
        {"cut table", TBytes(good.begin(), good.end() - 1), "byte 51: the Unicode table ends"},
        {"bad UTF-8", badUtf8, "byte 48: malformed UTF-8"},
        {"PSF 1 height 0", {0x36, 0x04, 0x00, 0x00}, "byte 3: the glyph height is 0"},
        {"PSF 1 cut", {0x36, 0x04, 0x00, 0x08, 0x00}, "the file ends before glyph 0 of 256"},
        {"too large", TBytes(kMaxPSFFileSize + 1, 0), "File is too large for a PSF font!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFZXFont font;
        const std::string error = Read(font, c.Bytes);
        EXPECT_NE(error.find(c.Message), std::string::npos) << error;
    }
}

TEST(PsfFile, WriterLimitsAndLayout) {
    TFZXFont font;
    font.SetLastChar(66);
    font.SetHeight(6);
    font.Glyph(33).SetAll("101|010", 2, 3, 1); // 'A': kern is not written
    TBytes b;
    ASSERT_EQ(WritePSF(font, TExportOptions(), b), "");
    // Width: the widest character (8, the new glyphs' width); 256 glyphs.
    EXPECT_EQ(b[28], 8);
    EXPECT_EQ(b[16] | (b[17] << 8), 256);
    EXPECT_EQ(b[32 + 65 * 6 + 2], 0xA0);
    EXPECT_EQ(b[32 + 65 * 6 + 3], 0x40);

    TFZXFont back;
    ASSERT_EQ(Read(back, b), "");
    EXPECT_EQ(back.LastChar(), 66);
    EXPECT_EQ(back.Glyph(33).Leading(), 2);
    EXPECT_EQ(back.Glyph(33).Rows(), "10100000|01000000");

    font.Glyph(1).SetWidth(9);
    EXPECT_EQ(WritePSF(font, TExportOptions(), b),
              "Character [33] is 9 pixels wide: console fonts (PSF) take at most 8.");
    font.Glyph(1).SetWidth(8);
    font.SetHeight(33);
    EXPECT_EQ(WritePSF(font, TExportOptions(), b),
              "The font is 33 rows high: console fonts (PSF) take at most 32.");
}

TEST(PsfFile, FormatsTableRows) {
    for (const char* name : {"x.psf", "X.PSF.GZ"}) {
        const TFontFormat* format = FindFontFormat(name);
        ASSERT_NE(format, nullptr) << name;
        EXPECT_EQ(format->Name, "PSF");
        EXPECT_EQ(format->Gzip, std::string(name) == "X.PSF.GZ");
    }
}

TEST(PsfFile, CommunityChrSetsThroughPsf2ByteExact) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("chr", ".chr");
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const TBytes original = ReadFileBytes(path.string());
        TFZXFont font;
        ASSERT_EQ(font.LoadCHRBytes(original.data(), original.size()), "");
        for (const bool zx : {false, true}) {
            TExportOptions out;
            out.ZxCharset = zx;
            TBytes psf;
            ASSERT_EQ(WritePSF(font, out, psf), "");
            TFZXFont back;
            ASSERT_EQ(Read(back, psf, zx), "");
            TBytes chr;
            ASSERT_EQ(back.BuildCHRImage(chr), "");
            EXPECT_EQ(chr, original);
        }
    }
}

} // namespace
