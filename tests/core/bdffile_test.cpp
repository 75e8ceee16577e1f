// BDF: placement from BBX and the ascent, widths from DWIDTH, codes through
// the character mapping, every malformed line named, FZX -> BDF -> FZX
// byte-exact for the whole collection, and real X11 fonts both ways.

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <string>
#include <vector>

#include "fontchecks.h"
#include "formats/bdffile.h"
#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "formats/yafffile.h"
#include "model/font.h"
#include "shareddata.h"
#include "tempdir.h"

namespace {

using testdata::CanonicalFZX;
using testdata::ExpectGlyph;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Read(TFZXFont& font, const std::string& text, TImportReport& report, bool zx = false) {
    TImportOptions options;
    options.ZxCharset = zx;
    return ReadBDF(font, Bytes(text), options, report);
}

// A small font: ascent 5, descent 2, tracking 1, one glyph starting left of
// the pen, one outside the encoding but numbered 66, one beyond Latin-1.
const char* const kSmallBDF = R"(STARTFONT 2.1
COMMENT a test font
FONT -Test-Small-Medium-R-Normal--7-70-72-72-P-40-ISO10646-1
SIZE 7 72 72
FONTBOUNDINGBOX 6 7 -1 -2
STARTPROPERTIES 4
FONT_ASCENT 5
FONT_DESCENT 2
CHARSET_REGISTRY "ISO10646"
FZX_TRACKING 1
ENDPROPERTIES
CHARS 6
STARTCHAR space
ENCODING 32
DWIDTH 4 0
BBX 0 0 0 0
BITMAP
ENDCHAR
STARTCHAR A
ENCODING 65
SWIDTH 500 0
DWIDTH 5 0
BBX 3 3 0 0
BITMAP
40
A0
E0
ENDCHAR
STARTCHAR j
ENCODING 106
DWIDTH 3 0
BBX 3 4 -1 -2
BITMAP
20
20
20
C0
ENDCHAR
STARTCHAR arrowup
ENCODING 8593
DWIDTH 4 0
BBX 3 2 0 3
BITMAP
40e0
E000
ENDCHAR
STARTCHAR unencoded
ENCODING -1 66
DWIDTH 4 0
BBX 1 1 0 0
BITMAP
80
ENDCHAR
STARTCHAR pound
ENCODING 163
DWIDTH 4 0
BBX 1 1 0 0
BITMAP
80
ENDCHAR
ENDFONT
)";

TEST(BDFReader, PlacesGlyphsByBoxAndAscent) {
    std::string crlf;
    for (const char* c = kSmallBDF; *c; ++c)
        crlf += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
    for (const std::string& text : {std::string(kSmallBDF), crlf}) {
        TFZXFont font;
        TImportReport report;
        ASSERT_EQ(Read(font, text, report), "");
        EXPECT_EQ(font.Height(), 7);
        EXPECT_EQ(font.Tracking(), 1);
        EXPECT_EQ(font.LastChar(), 163);
        ExpectGlyph(font, {32, "", 3, 5, 0});
        ExpectGlyph(font, {65, "0100|1010|1110", 4, 2, 0});
        // Starts one column left of the pen: kern 1; advance 3 = 3 + 1 - 1.
        ExpectGlyph(font, {106, "001|001|001|110", 3, 3, 1});
        ExpectGlyph(font, {163, "100", 3, 4, 0});
        ExpectGlyph(font, {66, "100", 3, 4, 0});
        EXPECT_EQ(report.Skipped, 1); // the up arrow
        EXPECT_FALSE(font.Modified());
    }
}

TEST(BDFReader, ZXCharsetPutsArrowAndPoundInTheirPlaces) {
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(Read(font, kSmallBDF, report, true), "");
    EXPECT_EQ(font.LastChar(), 106);
    ExpectGlyph(font, {94, "010|111", 3, 0, 0});
    ExpectGlyph(font, {96, "100", 3, 4, 0});
    EXPECT_EQ(report.Skipped, 0);
}

TEST(BDFReader, FallsBackToTheBoundingBoxAndReadsForeignEncodingsAsCodes) {
    const std::string text =
        "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 -1\n"
        "STARTPROPERTIES 2\nCHARSET_REGISTRY \"KOI8\"\nCHARSET_ENCODING \"R\"\n"
        "ENDPROPERTIES\nCHARS 1\nSTARTCHAR x\nENCODING 200\nDWIDTH 2 0\n"
        "BBX 1 1 0 -1\nBITMAP\n80\nENDCHAR\nENDFONT\n";
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(Read(font, text, report), "");
    EXPECT_EQ(font.Height(), 8);
    ExpectGlyph(font, {200, "10", 2, 7, 0});
    EXPECT_EQ(report.Lines.front(),
              "Encoding KOI8-R is neither Latin-1 nor Unicode: codes taken as they are");
}

TEST(BDFReader, NamesTheLineAndTheFault) {
    const std::string head = "STARTFONT 2.1\nSTARTPROPERTIES 2\nFONT_ASCENT 5\nFONT_DESCENT 2\n"
                             "ENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\n";
    const std::string glyphTail = "BBX 1 1 0 0\nBITMAP\n80\nENDCHAR\nENDFONT\n";
    const struct {
        std::string Text, Message;
    } cases[] = {
        {"", "Line 1: not a BDF font (STARTFONT expected)"},
        {"\n\nSTARTFONTS 2.1\n", "Line 3: not a BDF font (STARTFONT expected)"},
        {head + "DWIDTH x 0\n" + glyphTail,
         "Line 9: DWIDTH needs a whole number of pixels up to 512"},
        {head + "DWIDTH 4 0\nBBX 1 1 0\nBITMAP\n80\nENDCHAR\nENDFONT\n",
         "Line 10: BBX needs a width and a height (0 to 512) and two offsets"},
        {head + "DWIDTH 4 0\nBBX 9999 1 0 0\n",
         "Line 10: BBX needs a width and a height (0 to 512) and two offsets"},
        {head + "DWIDTH 4 0\nBBX 9 1 0 0\nBITMAP\n80\nENDCHAR\nENDFONT\n",
         "Line 12: bitmap row \"80\" should hold 4 hexadecimal digits for width 9"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\nG0\nENDCHAR\nENDFONT\n",
         "Line 12: bitmap row \"G0\" is not hexadecimal"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\n80\n80\nENDCHAR\nENDFONT\n",
         "Line 13: ENDCHAR expected after the 1 bitmap rows of character \"A\""},
        {head + "DWIDTH 4 0\nBBX 1 2 0 0\nBITMAP\n80\n", "Line 12: the file ends inside a bitmap"},
        {head + "DWIDTH 4 0\nBITMAP\n80\nENDCHAR\nENDFONT\n",
         "Line 10: character \"A\" has no BBX before BITMAP"},
        {head + glyphTail, "Line 7: character \"A\" has no DWIDTH"},
        {head + "DWIDTH 4 0\nSTARTCHAR B\n",
         "Line 10: character \"A\" (line 7) has no ENDCHAR before STARTCHAR"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n",
         "Line 13: the file ends before ENDFONT"},
        {"STARTFONT 2.1\nSTARTPROPERTIES 1\nFONT_ASCENT 5\n",
         "Line 3: the file ends inside the properties (ENDPROPERTIES expected)"},
        {"STARTFONT 2.1\nSTARTPROPERTIES 1\nFONT_ASCENT \"five\"\nENDPROPERTIES\nCHARS "
         "0\nENDFONT\n",
         "Line 3: FONT_ASCENT needs a whole number up to 512"},
        // Ink that would be lost: hex rows without BITMAP, a misspelt keyword,
        // no ENCODING, a stray ENDFONT, a CHARS count the file does not hold.
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\n80\nENDCHAR\nENDFONT\n",
         "Line 11: bitmap row \"80\" of character \"A\" before BITMAP (a BITMAP line expected)"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nbitmap\n80\nENDCHAR\nENDFONT\n",
         "Line 11: \"bitmap\" in character \"A\" is no keyword of a character (ENCODING, "
         "SWIDTH, DWIDTH, BBX, BITMAP or ENDCHAR expected)"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nENDCHAR\nENDFONT\n",
         "Line 11: BITMAP expected in character \"A\""},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 1\nSTARTCHR A\nENCODING 65\n",
         "Line 4: \"STARTCHR A\" where STARTCHAR or ENDFONT is expected"},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 1\nSTARTCHAR A\nDWIDTH 4 0\n" + glyphTail,
         "Line 4: character \"A\" has no ENCODING"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\nENDFONT\nSTARTCHAR B\n",
         "Line 15: \"STARTCHAR B\" after ENDFONT (line 14); the file should end there"},
        {head + "DWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\nSTARTCHAR B\n",
         "Line 14: a character beyond the 1 that CHARS (line 6) announces (ENDFONT expected)"},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 2\nENDFONT\n",
         "Line 4: ENDFONT, but CHARS (line 3) announces 2 characters and the file holds 0"},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nSTARTCHAR A\n",
         "Line 3: STARTCHAR before CHARS (CHARS expected after the properties)"},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nENCODING 65\n",
         "Line 3: ENCODING outside a character (STARTCHAR expected)"},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 9999 8 0 0\n",
         "Line 2: FONTBOUNDINGBOX needs a width and a height (0 to 1536) and two offsets (-512 "
         "to 512)"},
        {"STARTFONT 2.1\nCHARS 0\nENDFONT\n",
         "The font has neither FONT_ASCENT and FONT_DESCENT nor FONTBOUNDINGBOX."},
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 0\nENDFONT\n",
         "The file holds no characters with codes 32 to 255."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TFZXFont font;
        font.SetLastChar(40);
        TImportReport report;
        EXPECT_EQ(Read(font, c.Text, report), c.Message);
    }
}

TEST(BDFRoundTrip, EveryCollectionFontComesBackByteForByte) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("fzx", ".fzx");
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        TFZXFont font;
        const std::vector<std::uint8_t> fzx = CanonicalFZX(path.string(), font);
        std::vector<std::uint8_t> bdf;
        TExportOptions options;
        options.FontName = path.stem().string();
        ASSERT_EQ(WriteBDF(font, options, bdf), "");
        TImportReport report;
        EXPECT_EQ(testdata::FZXImageOf(ReadBDF, bdf, TImportOptions(), report), fzx);
        EXPECT_TRUE(report.Lines.empty()) << report.Lines.front();
    }
}

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// X11's own compiler takes what the writer gives, and its decompiler's
// output reads back to the same font.
TEST(BDFRoundTrip, X11ToolsAcceptTheWrittenFonts) {
    QUORREL_REQUIRE_SHARED_FONTS();
    if (!HaveTool("bdftopcf") || !HaveTool("pcf2bdf"))
        GTEST_SKIP() << "bdftopcf or pcf2bdf not installed (packages xfonts-utils, pcf2bdf)";
    const auto files = testdata::FontFiles("fzx", ".fzx");
    testdata::TempDir dir;
    for (std::size_t i = 0; i < files.size(); i += 12) {
        SCOPED_TRACE(files[i].string());
        TFZXFont font;
        const std::vector<std::uint8_t> fzx = CanonicalFZX(files[i].string(), font);
        for (bool zx : {false, true}) {
            std::vector<std::uint8_t> bdf;
            TExportOptions options;
            options.ZxCharset = zx;
            ASSERT_EQ(WriteBDF(font, options, bdf), "");
            testdata::WriteAll(dir.File("font.bdf"), bdf);
            const std::string compile =
                "bdftopcf -o '" + dir.File("font.pcf") + "' '" + dir.File("font.bdf") + "' 2>&1";
            ASSERT_EQ(std::system(compile.c_str()), 0) << compile;
            const std::string decompile =
                "pcf2bdf -o '" + dir.File("back.bdf") + "' '" + dir.File("font.pcf") + "' 2>&1";
            ASSERT_EQ(std::system(decompile.c_str()), 0) << decompile;
            TImportReport report;
            TImportOptions in;
            in.ZxCharset = zx;
            const std::vector<std::uint8_t> image =
                testdata::FZXImageOf(ReadBDF, ReadFileBytes(dir.File("back.bdf")), in, report);
            EXPECT_EQ(image, fzx) << (zx ? "ZX" : "Latin-1");
        }
    }
}

// FontForge opens the written fonts with every character: it drops a glyph
// whose box has a width but no rows, as a blank glyph's used to have.
TEST(BDFRoundTrip, FontForgeOpensEveryCharacter) {
    if (!HaveTool("fontforge"))
        GTEST_SKIP() << "fontforge not installed (packages fontforge, python3-fontforge)";
    testdata::TempDir dir;
    testdata::WriteAll(dir.File("count.py"),
                       Bytes("import fontforge, sys\n"
                             "font = fontforge.open(sys.argv[1])\n"
                             "open(sys.argv[2], 'w').write(str(sum(1 for g in font.glyphs())))\n"));
    // Blank glyphs with and without kern and leading, beside inked ones.
    TFZXFont fixture;
    fixture.SetHeight(9);
    fixture.SetLastChar(170);
    fixture.Glyph(1).SetAll("", 4, 5, 2);
    fixture.Glyph(33).SetAll("010|101|111", 2, 3, 0);
    fixture.Glyph(163 - 32).SetAll("11", 8, 2, 1);
    std::list<TFZXFont> fonts(1);
    fonts.front().TakeOver(fixture);
    if (testdata::HaveSharedFonts()) {
        const auto files = testdata::FontFiles("fzx", ".fzx");
        for (std::size_t i = 0; i < files.size(); i += 24) {
            fonts.emplace_back();
            CanonicalFZX(files[i].string(), fonts.back());
        }
    }
    // Its settings go to the test's folder, not the user's home.
    const std::string env = "HOME='" + dir.File("") + "' XDG_CONFIG_HOME='" + dir.File("") +
                            "' XDG_CACHE_HOME='" + dir.File("") + "' ";
    for (const TFZXFont& font : fonts) {
        for (bool zx : {false, true}) {
            SCOPED_TRACE(std::to_string(font.LastChar()) + (zx ? " ZX" : " Latin-1"));
            std::vector<std::uint8_t> bdf;
            TExportOptions options;
            options.ZxCharset = zx;
            ASSERT_EQ(WriteBDF(font, options, bdf), "");
            testdata::WriteAll(dir.File("font.bdf"), bdf);
            std::filesystem::remove(dir.File("count.txt"));
            const std::string command = env + "fontforge -lang=py -script '" +
                                        dir.File("count.py") + "' '" + dir.File("font.bdf") +
                                        "' '" + dir.File("count.txt") + "' >/dev/null 2>&1";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            const std::vector<std::uint8_t> count = ReadFileBytes(dir.File("count.txt"));
            // With the Spectrum's characters, codes 163 and 169 are written as
            // "ENCODING -1 163" and "-1 169"; FontForge, like other readers,
            // numbers them 163 and 169, where the pound and copyright already
            // are, and keeps one glyph of each pair.
            const int shared = zx ? (font.LastChar() >= 163) + (font.LastChar() >= 169) : 0;
            EXPECT_EQ(std::string(count.begin(), count.end()),
                      std::to_string(font.LastChar() - 31 - shared));
        }
    }
}

// Real X11 faces, turned into BDF by pcf2bdf; the values below were read off
// the BDF text by hand.
TEST(BDFRealFonts, X11FacesImportAsTheBDFSays) {
    const std::string folder = "/usr/share/fonts/X11/75dpi/";
    if (!HaveTool("pcf2bdf") || !std::filesystem::exists(folder + "helvR12.pcf.gz") ||
        !std::filesystem::exists(folder + "helvO12.pcf.gz"))
        GTEST_SKIP() << "pcf2bdf or the X11 75dpi fonts not installed (packages pcf2bdf, "
                        "xfonts-75dpi)";
    testdata::TempDir dir;
    const auto load = [&](const std::string& face, TFZXFont& font, TImportReport& report) {
        const std::string bdf = dir.File(face + ".bdf");
        const std::string command = "pcf2bdf -o '" + bdf + "' '" + folder + face + ".pcf.gz' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_EQ(ReadBDF(font, ReadFileBytes(bdf), TImportOptions(), report), "");
    };

    TFZXFont helv;
    TImportReport helvReport;
    load("helvR12", helv, helvReport);
    // FONT_ASCENT 11 + FONT_DESCENT 3, and the accented capitals (BBX 7 12 1 0
    // and the like) reach one row above the ascent: everything moves down 1.
    EXPECT_EQ(helv.Height(), 15);
    EXPECT_EQ(helvReport.Lines.front(),
              "20 characters reach up to 1 row above the line: every character moved 1 row "
              "down, height raised from 14 to 15");
    EXPECT_EQ(helv.LastChar(), 255);
    // A: DWIDTH 9, BBX 7 9 1 0.
    ExpectGlyph(helv, {65,
                       "000010000|000101000|000101000|001000100|001000100|001111100|"
                       "010000010|010000010|010000010",
                       9, 3, 0});
    // j: DWIDTH 3, BBX 2 12 0 -3.
    ExpectGlyph(helv, {106, "010|000|010|010|010|010|010|010|010|010|010|100", 3, 3, 0});
    // f: DWIDTH 3 but BBX 4 9 0 0: one column of ink right of the advance.
    ExpectGlyph(helv, {102, "0011|0100|1110|0100|0100|0100|0100|0100|0100", 4, 3, 0});
    EXPECT_NE(std::find(helvReport.Lines.begin(), helvReport.Lines.end(),
                        "Character 102 (f): ink reaches 1 pixel right of the advance; width "
                        "raised to 4"),
              helvReport.Lines.end());
    EXPECT_GT(helvReport.Skipped, 0); // the font goes far beyond Latin-1

    TFZXFont oblique;
    TImportReport obliqueReport;
    load("helvO12", oblique, obliqueReport);
    // j: DWIDTH 3, BBX 7 12 -3 -3: kern 3 and the tail's column past the advance.
    ExpectGlyph(oblique, {106,
                          "0000001|0000000|0000010|0000010|0000100|0000100|0000100|0001000|"
                          "0001000|0010000|0010000|1100000",
                          7, 3, 3});
}

// The yaff sample of the reference folder was made from the same X11 face by
// other tools: both readers must give the same font.
TEST(BDFRealFonts, MiscFixedAgreesWithTheYaffMadeFromIt) {
    const std::string pcf = "/usr/share/fonts/X11/misc/4x6.pcf.gz";
    const std::string yaff = std::string(QUORREL_SHARED_DIR) + "/reference/sample-4x6.yaff";
    if (!HaveTool("pcf2bdf") || !std::filesystem::exists(pcf))
        GTEST_SKIP()
            << "pcf2bdf or the X11 misc fonts not installed (packages pcf2bdf, xfonts-base)";
    if (!std::filesystem::exists(yaff)) GTEST_SKIP() << "reference sample not found at " << yaff;
    testdata::TempDir dir;
    const std::string bdf = dir.File("4x6.bdf");
    ASSERT_EQ(std::system(("pcf2bdf -o '" + bdf + "' '" + pcf + "' 2>&1").c_str()), 0);

    TFZXFont fromBDF, fromYaff;
    TImportReport bdfReport, yaffReport;
    ASSERT_EQ(ReadBDF(fromBDF, ReadFileBytes(bdf), TImportOptions(), bdfReport), "");
    ASSERT_EQ(ReadYaff(fromYaff, ReadFileBytes(yaff), TImportOptions(), yaffReport), "");
    std::vector<std::uint8_t> a, b;
    ASSERT_EQ(fromBDF.BuildFZXImage(a), "");
    ASSERT_EQ(fromYaff.BuildFZXImage(b), "");
    EXPECT_EQ(a, b);
    EXPECT_EQ(fromBDF.Height(), 6);
    // '!' in a 4 x 6 cell: BBX 4 6 0 -1 with FONT_ASCENT 5.
    ExpectGlyph(fromBDF, {33, "0100|0100|0100|0000|0100", 4, 0, 0});
    EXPECT_EQ(bdfReport.Lines, yaffReport.Lines);
    EXPECT_EQ(bdfReport.Skipped, yaffReport.Skipped);
}

TEST(BDFWriter, MapsZXCharactersAndRefusesWhatItCannotReadBack) {
    TFZXFont font;
    font.SetLastChar(169);
    std::vector<std::uint8_t> bytes;
    TExportOptions options;
    options.ZxCharset = true;
    ASSERT_EQ(WriteBDF(font, options, bytes), "");
    const std::string text(bytes.begin(), bytes.end());
    for (const char* part :
         {"STARTCHAR uni2191\nENCODING 8593\n", "STARTCHAR uni00A3\nENCODING 163\n",
          "STARTCHAR code163\nENCODING -1 163\n", "CHARSET_REGISTRY \"ISO10646\"\n",
          // Blank glyphs have an empty box, which FontForge takes.
          "BBX 0 0 0 "})
        EXPECT_NE(text.find(part), std::string::npos) << part;

    font.Glyph(5).SetAll(std::string(600, '1'), 0, 600, 0);
    EXPECT_EQ(WriteBDF(font, TExportOptions(), bytes),
              "Character 37 is too large for a BDF file (sizes and offsets up to 512 pixels).");
}

// A glyph as wide as the reader takes, starting left of the pen: the font's
// box is wider than any glyph's, and the written file must still read back.
TEST(BDFWriter, WritesWhatTheReaderTookSoThatItReadsItAgain) {
    const std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 511 1 -3 0\nCHARS 2\n"
                             "STARTCHAR A\nENCODING 65\nDWIDTH 508 0\nBBX 511 1 -3 0\nBITMAP\n" +
                             std::string(128, 'F') + "\nENDCHAR\n" +
                             "STARTCHAR B\nENCODING 66\nDWIDTH 509 0\nBBX 511 1 0 0\nBITMAP\n" +
                             std::string(128, 'F') + "\nENDCHAR\nENDFONT\n";
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(Read(font, text, report), "");
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(WriteBDF(font, TExportOptions(), bytes), "");
    TFZXFont back;
    ASSERT_EQ(ReadBDF(back, bytes, TImportOptions(), report), "");
    std::vector<std::uint8_t> a, b;
    font.BuildFZXImage(a);
    back.BuildFZXImage(b);
    EXPECT_EQ(a, b);
}

TEST(BDFFormat, IsARowOfTheFormatTable) {
    const TFontFormat* format = FindFontFormat("/fonts/Helv.BDF");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->Name, "BDF");
    EXPECT_TRUE(format->ReadBytes && format->WriteBytes);
    EXPECT_EQ(format->MaxFileSize, kMaxBDFFileSize);
}

} // namespace
