// Desktop fonts through FreeType, against the fonts of Debian packages: a
// bitmap font's OpenType and PCF forms equal its BDF form as the BDF reader
// reads it, an outline face keeps FreeType's pixels, baseline and advances,
// and bad files and sizes are refused with the font left as it was.

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "desktopfont.h"
#include "formatfiles.h"
#include "formats/bdffile.h"
#include "formats/fileio.h"
#include "model/font.h"
#include "tempdir.h"
#include "text/charmap.h"

// How much memory the program asked for since it was last set to 0 (see
// largestallocation.cpp).
extern std::atomic<std::size_t> gAllocatedBytes;

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

const std::string kTerminus = "/usr/share/fonts/opentype/terminus/";
const std::string kMisc = "/usr/share/fonts/X11/misc/";
const std::string k75dpi = "/usr/share/fonts/X11/75dpi/";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kSeeds = QUORREL_DESKTOP_SEEDS "/";

bool HaveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

TImportOptions AtSize(int size) {
    TImportOptions options;
    options.PixelSize = size;
    return options;
}

void ExpectSameFont(const TFZXFont& actual, const TFZXFont& expected) {
    EXPECT_EQ(actual.Height(), expected.Height());
    ASSERT_EQ(actual.LastChar(), expected.LastChar());
    for (int i = 0; i < actual.Count(); ++i) {
        SCOPED_TRACE("code " + std::to_string(i + 32));
        const TFZXChar& a = actual.Glyph(i);
        const TFZXChar& e = expected.Glyph(i);
        EXPECT_EQ(a.Rows(), e.Rows());
        EXPECT_EQ(a.Width(), e.Width());
        EXPECT_EQ(a.Leading(), e.Leading());
        EXPECT_EQ(a.Kern(), e.Kern());
    }
}

// The bitmap forms of a family, imported through FreeType, against the BDF
// that pcf2bdf makes of its PCF file, read by the BDF reader.
TEST(DesktopFonts, BitmapFormsEqualTheBDFCharacterForCharacter) {
    struct TCase {
        std::string File;
        int Size; // 0: none given
        std::string Pcf;
    };
    const TCase cases[] = {
        {kTerminus + "terminus-normal.otb", 12, kMisc + "ter-u12n_unicode.pcf.gz"},
        {kTerminus + "terminus-normal.otb", 16, kMisc + "ter-u16n_unicode.pcf.gz"},
        {kTerminus + "terminus-bold.otb", 32, kMisc + "ter-u32b_unicode.pcf.gz"},
        {kMisc + "ter-u16n_unicode.pcf.gz", 0, kMisc + "ter-u16n_unicode.pcf.gz"},
        // Latin-1 faces whose accented capitals rise above the ascent and
        // whose oblique letters start left of the pen.
        {k75dpi + "helvR12.pcf.gz", 0, k75dpi + "helvR12.pcf.gz"},
        {k75dpi + "helvO12.pcf.gz", 12, k75dpi + "helvO12.pcf.gz"},
    };
    if (!HaveTool("pcf2bdf")) GTEST_SKIP() << "pcf2bdf not installed (package pcf2bdf)";
    for (const TCase& c : cases)
        if (!fs::exists(c.File) || !fs::exists(c.Pcf))
            GTEST_SKIP() << c.File << " or " << c.Pcf
                         << " not found (packages fonts-terminus-otb, xfonts-terminus, "
                            "xfonts-75dpi)";
    testdata::TempDir temp;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File + " at " + std::to_string(c.Size));
        const std::string bdf = temp.File("font.bdf");
        const std::string command = "pcf2bdf -o '" + bdf + "' '" + c.Pcf + "' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        TFZXFont expected, actual;
        TImportReport expectedReport, report;
        ASSERT_EQ(ReadBDF(expected, ReadFileBytes(bdf), TImportOptions(), expectedReport), "");
        const TImportOptions options = c.Size ? AtSize(c.Size) : TImportOptions();
        ASSERT_EQ(LoadFontFile(actual, c.File, options, report), "");
        ExpectSameFont(actual, expected);
        EXPECT_EQ(report.Skipped, expectedReport.Skipped);
    }
}

// Every character of DejaVu Sans against FreeType's own monochrome rendering:
// the same pixels about one baseline, nothing cut, FreeType's rounded advance.
TEST(DesktopFonts, OutlineFaceKeepsFreeTypesPixelsAndAdvances) {
    if (!fs::exists(kDejaVu)) GTEST_SKIP() << kDejaVu << " not found (package fonts-dejavu-core)";
    FT_Library library;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face;
    ASSERT_EQ(FT_New_Face(library, kDejaVu.c_str(), 0, &face), 0);
    for (const int size : {8, 12, 16}) {
        SCOPED_TRACE("size " + std::to_string(size));
        TFZXFont font;
        TImportReport report;
        ASSERT_EQ(LoadFontFile(font, kDejaVu, AtSize(size), report), "");
        ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)), 0);
        const int descent = static_cast<int>(std::lround(-face->size->metrics.descender / 64.0));
        const int baseline = font.Height() - descent;
        EXPECT_EQ(font.LastChar(), 255);
        for (int code = 32; code <= 255; ++code) {
            const long unicode = UnicodeFromCode(code, TCharset::Latin1);
            const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(unicode));
            if (index == 0) continue;
            SCOPED_TRACE("code " + std::to_string(code));
            ASSERT_EQ(FT_Load_Glyph(face, index,
                                    FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_NO_HINTING),
                      0);
            const FT_GlyphSlot slot = face->glyph;
            // Ink as (x right of the pen, y below the baseline).
            std::set<std::pair<int, int>> want, got;
            int inkRight = 0;
            for (unsigned r = 0; r < slot->bitmap.rows; ++r)
                for (unsigned c = 0; c < slot->bitmap.width; ++c)
                    if (slot->bitmap.buffer[r * slot->bitmap.pitch + c / 8] & (0x80 >> (c % 8))) {
                        const int x = slot->bitmap_left + static_cast<int>(c);
                        want.insert({x, static_cast<int>(r) - slot->bitmap_top});
                        inkRight = std::max(inkRight, x + 1);
                    }
            const TFZXChar& g = font.Glyph(code - 32);
            TStringList rows;
            SplitText(rows, g.Rows(), '|');
            for (std::size_t r = 0; r < rows.size(); ++r)
                for (std::size_t c = 0; c < rows[r].size(); ++c)
                    if (rows[r][c] == '1')
                        got.insert({static_cast<int>(c) - g.Kern(),
                                    g.Leading() + static_cast<int>(r) - baseline});
            EXPECT_EQ(got, want);
            const int advance = static_cast<int>(std::lround(slot->advance.x / 64.0));
            // The advance is the width, widened only to take ink right of it.
            EXPECT_EQ(g.Width() - g.Kern(), std::max(advance, inkRight));
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

// Files and sizes that give no font: the message says why, and the font the
// import was meant to replace is unchanged.
TEST(DesktopFonts, BadFilesAndSizesAreRefusedLeavingTheFont) {
    const std::string otb = kTerminus + "terminus-normal.otb";
    if (!fs::exists(kDejaVu) || !fs::exists(otb) || !HaveTool("bdftopcf"))
        GTEST_SKIP() << kDejaVu << " or " << otb << " or bdftopcf not found (packages "
                     << "fonts-dejavu-core, fonts-terminus-otb, xfonts-utils)";
    testdata::TempDir temp;
    const TBytes dejavu = ReadFileBytes(kDejaVu);
    testdata::WriteAll(temp.File("truncated.ttf"),
                       TBytes(dejavu.begin(), dejavu.begin() + dejavu.size() / 2));
    testdata::WriteAll(temp.File("text.otf"), {'n', 'o', ' ', 'f', 'o', 'n', 't'});
    // A face with one CJK character and nothing in Latin-1.
    const std::string bdf =
        "STARTFONT 2.1\nFONT -t-cjk-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
        "SIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 -1\nSTARTPROPERTIES 4\n"
        "FONT_ASCENT 7\nFONT_DESCENT 1\nCHARSET_REGISTRY \"ISO10646\"\n"
        "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 1\nSTARTCHAR uni4E00\n"
        "ENCODING 19968\nSWIDTH 1000 0\nDWIDTH 8 0\nBBX 8 1 0 3\nBITMAP\nFF\nENDCHAR\nENDFONT\n";
    testdata::WriteAll(temp.File("cjk.bdf"), TBytes(bdf.begin(), bdf.end()));
    const std::string compile =
        "bdftopcf -o '" + temp.File("cjk.pcf") + "' '" + temp.File("cjk.bdf") + "' 2>&1";
    ASSERT_EQ(std::system(compile.c_str()), 0);

    struct TCase {
        std::string File;
        std::optional<int> Size;
        int Face;
        std::string Message; // after the file's name
    };
    const std::string unreadable =
        "not a font that can be read (TrueType, OpenType, WOFF or PCF), or damaged";
    const TCase cases[] = {
        {temp.File("truncated.ttf"), 12, 0, unreadable},
        {temp.File("text.otf"), 12, 0, unreadable},
        {temp.File("cjk.pcf"), {}, 0, "The file holds no characters with codes 32 to 255."},
        {kDejaVu, 0, 0, "pixel size 0 is out of range (1 to 192)"},
        {kDejaVu, 193, 0, "pixel size 193 is out of range (1 to 192)"},
        {kDejaVu, {}, 0, "the font is scalable (outlines): give a pixel size with --size"},
        {kDejaVu, 12, 1, "face 1 does not exist: the file holds 1 face (0)"},
        {otb,
         {},
         0,
         "the font has bitmap strikes of 12, 14, 16, 18, 20, 22, 24, 28 and 32 pixels: choose "
         "one with --size"},
        {otb, 13, 0,
         "no strike of 13 pixels: the font has bitmap strikes of 12, 14, 16, 18, 20, 22, 24, 28 "
         "and 32 pixels"},
    };
    TFZXFont font;
    font.SetLastChar(40);
    font.Glyph(1).SetAll("1|1", 2, 3, 0);
    std::vector<std::uint8_t> before, after;
    ASSERT_EQ(font.BuildFZXImage(before), "");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.File);
        TImportOptions options;
        options.PixelSize = c.Size;
        options.Face = c.Face;
        TImportReport report;
        EXPECT_EQ(LoadFontFile(font, c.File, options, report), "\"" + c.File + "\": " + c.Message);
        ASSERT_EQ(font.BuildFZXImage(after), "");
        EXPECT_EQ(after, before);
    }
}

// Characters far taller than any font (at 192 pixels each bar is 12 x 32,400
// pixels) are refused by the first one's size, before a row of it is built:
// once that took 10 s and 590 MB here before failing at the save.
TEST(DesktopFonts, ACharacterTallerThanAFontCanHoldIsRefusedUndrawn) {
    const std::string file = kSeeds + "tallbars.ttf";
    for (const int size : {192, 8}) {
        SCOPED_TRACE(size);
        TFZXFont font;
        TImportReport report;
        gAllocatedBytes = 0;
        EXPECT_EQ(LoadFontFile(font, file, AtSize(size), report),
                  "\"" + file + "\": Character 32 (U+0020) is " + std::to_string(size * 2700 / 16) +
                      " pixels high at this size, more than the 512 a font can hold");
        EXPECT_LT(gAllocatedBytes.load(), std::size_t{256} << 10);
    }
    // Small enough, the same bars are read: 337 rows at 2 pixels per em.
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(LoadFontFile(font, file, AtSize(2), report), "");
    EXPECT_GE(font.Glyph('A' - 32).RowCount(), 336);
}

// A strike of grey (or colour) pixels has no on/off pixels to take.
TEST(DesktopFonts, AGreyStrikeIsRefusedAsNotOneBitPerPixel) {
    const std::string file = kSeeds + "greystrike.otb";
    TFZXFont font;
    TImportReport report;
    EXPECT_EQ(LoadFontFile(font, file, TImportOptions(), report),
              "\"" + file +
                  "\": the bitmap strike of 16 pixels is not one bit per pixel (it is grey or "
                  "colour): only black and white strikes can be read");
}

} // namespace
