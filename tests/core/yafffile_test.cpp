// yaff: characters found by every kind of label, metrics from per-glyph and
// global bearings, every malformed line named, FZX -> yaff -> FZX byte-exact
// for the whole collection, and the reference sample read as it is drawn.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontchecks.h"
#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "formats/yafffile.h"
#include "model/font.h"
#include "shareddata.h"

namespace {

using testdata::CanonicalFZX;
using testdata::ExpectGlyph;

std::string Read(TFZXFont& font, const std::string& text, TImportReport& report, bool zx = false) {
    TImportOptions options;
    options.ZxCharset = zx;
    return ReadYaff(font, std::vector<std::uint8_t>(text.begin(), text.end()), options, report);
}

// Every kind of label, per-glyph metrics, a multi-line value, CR LF endings.
const char* const kSmallYaff = "# a test font\r\n"
                               "yaff: 1.0.4\r\n"
                               "name: Small\r\n"
                               "notice:\r\n"
                               "    first line\r\n"
                               "    \"second: line\"\r\n"
                               "ascent: 4\r\n"
                               "descent: 1\r\n"
                               "right-bearing: 1\r\n"
                               "\r\n"
                               "u+0020:\r\n"
                               "    -\r\n"
                               "\r\n"
                               "    right-bearing: 3\r\n"
                               "\r\n"
                               "0x41:\r\n"
                               "u+0041:\r\n"
                               "    .@.\r\n"
                               "    @.@\r\n"
                               "    @@@\r\n"
                               "    @.@\r\n"
                               "\r\n"
                               "66:\r\n"
                               "\"latin_b\":\r\n"
                               "    @@.\r\n"
                               "    @@@\r\n"
                               "\r\n"
                               "    shift-up: 2\r\n"
                               "'j':\r\n"
                               "    ..@\r\n"
                               "    ..@\r\n"
                               "    @@.\r\n"
                               "\r\n"
                               "    left-bearing: -1\r\n"
                               "    shift-up: -1\r\n"
                               "    right-kerning:\r\n"
                               "        u+0041 -1\r\n"
                               "\u00e9:\r\n"
                               "    @\r\n"
                               "u+2191:\r\n"
                               "    @\r\n"
                               "\"tag only\":\r\n"
                               "    @\r\n"
                               "u+0066, u+0066:\r\n"
                               "    @\r\n"
                               "0o174:\r\n"
                               "    @\r\n"
                               "',':\r\n"
                               "    @\r\n"
                               "''':\r\n"
                               "    @\r\n";

TEST(YaffReader, FindsCharactersByLabelAndPlacesThemByMetrics) {
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(Read(font, kSmallYaff, report), "");
    EXPECT_EQ(font.Height(), 5);
    EXPECT_EQ(font.Tracking(), 1);
    EXPECT_EQ(font.LastChar(), 233);
    // Advance 3 + 1 = 4 with the tracking of 1: width 3.
    ExpectGlyph(font, {32, "", 3, 4, 0});
    ExpectGlyph(font, {65, "010|101|111|101", 3, 0, 0});
    // Raised 2 above the baseline: its bottom row is two rows above it.
    ExpectGlyph(font, {66, "110|111", 3, 0, 0});
    // One column left of the pen: kern 1; advance -1 + 3 + 1 = 3.
    ExpectGlyph(font, {106, "001|001|110", 3, 2, 1});
    ExpectGlyph(font, {124, "1", 1, 3, 0}); // 0o174
    ExpectGlyph(font, {44, "1", 1, 3, 0});  // a quoted comma
    ExpectGlyph(font, {39, "1", 1, 3, 0});  // a quoted quote
    ExpectGlyph(font, {233, "1", 1, 3, 0});
    // The up arrow, the tag and the ligature.
    EXPECT_EQ(report.Skipped, 3);
}

TEST(YaffReader, ZXCharsetTakesTheUpArrow) {
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(Read(font, kSmallYaff, report, true), "");
    ExpectGlyph(font, {94, "1", 1, 3, 0});
    EXPECT_EQ(report.Skipped, 2);
}

TEST(YaffReader, ReadsTheReferenceSampleAsDrawn) {
    const std::string path = std::string(QUORREL_SHARED_DIR) + "/reference/sample-4x6.yaff";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "reference sample not found at " << path;
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(ReadYaff(font, ReadFileBytes(path), TImportOptions(), report), "");
    // ascent 5 + descent 1; every raster 4 x 6 with shift-up -1.
    EXPECT_EQ(font.Height(), 6);
    EXPECT_EQ(font.Tracking(), 0);
    EXPECT_EQ(font.LastChar(), 255);
    ExpectGlyph(font, {33, "0100|0100|0100|0000|0100", 4, 0, 0});
    ExpectGlyph(font, {106, "0010|0000|0010|0010|0010|1100", 4, 0, 0});
    ExpectGlyph(font, {233, "0010|0100|1010|1100|0110", 4, 0, 0});
    ExpectGlyph(font, {32, "", 4, 0, 0});
    EXPECT_GT(report.Skipped, 0); // the sample goes beyond Latin-1
}

TEST(YaffReader, NamesTheLineAndTheFault) {
    const struct {
        std::string Text, Message;
    } cases[] = {
        {"    @@\n", "Line 1: indented line without a label or a property name before it"},
        {"name: x\njust words\n",
         "Line 2: neither a property (name: value), a label (ending in \":\") nor a comment "
         "(starting with \"#\")"},
        {"u+0041:\nname: x\n", "Line 1: label \"u+0041\" is not followed by a glyph"},
        {"a:\nb:\n    text\n", "Line 2: label \"b\" is not followed by a glyph"},
        {"u+0041:\n", "Line 1: label \"u+0041\" is not followed by a glyph"},
        {"0x4G:\n    @\n",
         "Line 1: label \"0x4G\" is no codepoint (decimal, 0x hexadecimal or 0o octal)"},
        {"u+zz:\n    @\n",
         "Line 1: label \"u+zz\" is no character (u+ and hexadecimal digits, or characters in "
         "single quotes)"},
        {"'\xC3':\n    @\n", "Line 1: label \"'\xC3'\" is not valid UTF-8"},
        {"65:\n    @.\n    @\n", "Line 3: glyph row 1 pixels wide, the rows above 2"},
        {"65:\n    @.\n      @.\n", "Line 3: glyph row indented differently from the row above"},
        {"name: x\n0x41:\n    .@x\n    @@@\n",
         "Line 3: \".@x\" under label \"0x41\" is no glyph row (\".\" and \"@\" only)"},
        {"65:\n    @.\n    @x\n",
         "Line 3: \"@x\" is no glyph row (\".\" and \"@\" only) and no property (name: value)"},
        {"65:\n    @.\n\n    @.\n",
         "Line 4: glyph row \"@.\" does not belong to the glyph above (a blank line or a "
         "different indent between them)"},
        {"65:\n    @\n\n    shift-up: high\n", "Line 4: shift-up needs a whole number up to 512"},
        {"ascent: 9999\n65:\n    @\n", "Line 1: ascent needs a whole number up to 512"},
        {"65:\n    " + std::string(513, '@') + "\n", "Line 2: glyph row wider than 512 pixels"},
        {"levels: 4\n", "Line 1: greyscale glyphs (levels: 4) are not supported"},
        {"", "The file holds no characters with codes 32 to 255."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TFZXFont font;
        TImportReport report;
        EXPECT_EQ(Read(font, c.Text, report), c.Message);
    }
}

TEST(YaffRoundTrip, EveryCollectionFontComesBackByteForByte) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("fzx", ".fzx");
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        TFZXFont font;
        const std::vector<std::uint8_t> fzx = CanonicalFZX(path.string(), font);
        for (bool zx : {false, true}) {
            TExportOptions out;
            out.ZxCharset = zx;
            out.FontName = path.stem().string();
            std::vector<std::uint8_t> yaff;
            ASSERT_EQ(WriteYaff(font, out, yaff), "");
            TImportOptions in;
            in.ZxCharset = zx;
            TImportReport report;
            EXPECT_EQ(testdata::FZXImageOf(ReadYaff, yaff, in, report), fzx)
                << (zx ? "ZX" : "Latin-1");
            EXPECT_TRUE(report.Lines.empty()) << report.Lines.front();
        }
    }
}

TEST(YaffWriter, WritesReadableLabelsAndMetrics) {
    TFZXFont font;
    font.SetLastChar(34);
    font.SetTracking(2);
    font.Glyph(0).SetAll("", 0, 3, 0);
    font.Glyph(1).SetAll("1|1", 1, 2, 1);
    font.Glyph(2).SetAll("101", 0, 3, 0);
    std::vector<std::uint8_t> bytes;
    TExportOptions options;
    options.FontName = ".hidden:";
    ASSERT_EQ(WriteYaff(font, options, bytes), "");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("name: \".hidden:\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("right-bearing: 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n0x20:\nu+0020:\n    -\n\n    right-bearing: 3\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\n0x21:\nu+0021:\n    @.\n    @.\n\n    left-bearing: -1\n"),
              std::string::npos)
        << text;
}

TEST(YaffFormat, IsARowOfTheFormatTable) {
    const TFontFormat* format = FindFontFormat("font.YAFF");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->Name, "yaff");
    EXPECT_TRUE(format->ReadBytes && format->WriteBytes);
}

} // namespace

namespace {

// With the Spectrum's characters, codes 163 and 169 have no Unicode partner:
// each format still writes them so that they read back in their places.
TEST(FontFormats, ZXCharsetRoundTripKeepsEveryCode) {
    TFZXFont font;
    font.SetHeight(8);
    font.SetLastChar(255);
    for (int code = 32; code <= 255; ++code) {
        std::string row(8, '0');
        for (int b = 0; b < 8; ++b)
            if (code & (0x80 >> b)) row[static_cast<std::size_t>(b)] = '1';
        font.Glyph(code - 32).SetAll(row + "|10000001", code % 3, 8, 0);
    }
    std::vector<std::uint8_t> expected;
    ASSERT_EQ(font.BuildFZXImage(expected), "");
    for (const char* name : {"font.bdf", "font.yaff", "font.psf"}) {
        SCOPED_TRACE(name);
        const TFontFormat* format = FindFontFormat(name);
        ASSERT_NE(format, nullptr);
        TExportOptions out;
        out.ZxCharset = true;
        std::vector<std::uint8_t> bytes;
        ASSERT_EQ(format->WriteBytes(font, out, bytes), "");
        TImportOptions in;
        in.ZxCharset = true;
        TImportReport report;
        TFZXFont back;
        ASSERT_EQ(format->ReadBytes(back, bytes, in, report), "");
        EXPECT_EQ(report.Skipped, 0);
        std::vector<std::uint8_t> image;
        ASSERT_EQ(back.BuildFZXImage(image), "");
        EXPECT_EQ(image, expected);
        for (int code : {163, 169})
            EXPECT_EQ(back.Glyph(code - 32).Rows(), font.Glyph(code - 32).Rows()) << code;
    }
}

// The readers refuse more bytes than the table's limit even when handed them.
TEST(TextFormats, OversizedInputIsRefusedAndTheFontLeftAlone) {
    for (const char* name : {"font.bdf", "font.yaff"}) {
        SCOPED_TRACE(name);
        const TFontFormat* format = FindFontFormat(name);
        ASSERT_NE(format, nullptr);
        const std::vector<std::uint8_t> bytes(format->MaxFileSize + 1, ' ');
        TFZXFont font;
        font.SetLastChar(40);
        TImportReport report;
        EXPECT_EQ(format->ReadBytes(font, bytes, TImportOptions(), report),
                  "File is too large for a " + format->Name + " font!");
        EXPECT_EQ(font.LastChar(), 40);
    }
}

} // namespace
