// Choosing readers and writers by extension, and the font warning lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "formats/fontfiles.h"
#include "model/font.h"
#include "shell/fontwarnings.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

class FontFilesTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    int FilesInDir() const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    testdata::TempDir temp;
    const fs::path& dir = temp.Path();
};

// A CHR-compatible font of codes 32..33 with one pixel in "!".
void MakeSmall(TFZXFont& font) {
    font.SetLastChar(33);
    font.Glyph(1).SetAll("00011000", 3, 8, 0);
}

TEST_F(FontFilesTest, ExtensionChoosesTheFormatIgnoringCase) {
    TFZXFont font;
    MakeSmall(font);
    std::vector<std::uint8_t> fzx, chr;
    ASSERT_EQ(font.BuildFZXImage(fzx), "");
    ASSERT_EQ(font.BuildCHRImage(chr), "");

    const std::pair<const char*, const std::vector<std::uint8_t>*> writes[] = {
        {"a.fzx", &fzx}, {"b.FZX", &fzx}, {"c.chr", &chr}, {"d.Udg", &chr}};
    for (const auto& [name, bytes] : writes) {
        font.SetModified(true);
        ASSERT_EQ(SaveFontFile(font, Path(name)), "") << name;
        EXPECT_EQ(ReadFileBytes(Path(name)), *bytes) << name;
        EXPECT_FALSE(font.Modified()) << name;

        TFZXFont back;
        ASSERT_EQ(LoadFontFile(back, Path(name)), "") << name;
        ASSERT_EQ(back.Count(), 2);
        EXPECT_EQ(back.Glyph(1).Rows(), "00011000");
        EXPECT_EQ(back.Glyph(1).Leading(), 3);
    }

    // Assembler source only where the caller allows it; it leaves Modified.
    font.SetModified(true);
    EXPECT_EQ(SaveFontFile(font, Path("e.Asm")), "");
    EXPECT_EQ(ReadFileBytes(Path("e.Asm")).size(), font.BuildASMText(Path("e.Asm")).size());
    EXPECT_TRUE(font.Modified());
    EXPECT_EQ(SaveFontFile(font, Path("f.asm"), false), "Illegal file extension! File not saved.");
    EXPECT_FALSE(fs::exists(Path("f.asm")));
}

TEST_F(FontFilesTest, UnknownExtensionsTouchNothing) {
    TFZXFont font;
    MakeSmall(font);
    font.SetModified(true);
    ASSERT_TRUE(WriteFileReplacing(Path("font.txt"), std::vector<std::uint8_t>(768, 0)));
    for (const char* name : {"font.txt", "font.asm", "fzx", "font.fzx.bak", "font."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LoadFontFile(font, Path(name)), "Invalid file extension!");
        EXPECT_EQ(font.LastChar(), 33);
        EXPECT_EQ(font.Glyph(1).Rows(), "00011000");
        if (std::string(name) != "font.asm") {
            EXPECT_EQ(SaveFontFile(font, Path(name)), "Illegal file extension! File not saved.");
        }
        EXPECT_TRUE(font.Modified());
    }
    EXPECT_EQ(FilesInDir(), 1);
    // A missing file is the platform's error, not a message.
    EXPECT_THROW(LoadFontFile(font, Path("missing.chr")), TFileError);
    EXPECT_EQ(font.LastChar(), 33);
}

TEST(FontWarnings, LinesForEachExcess) {
    struct Case {
        const char* what;
        void (*make)(TFZXFont&);
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"compatible font", [](TFZXFont& f) { f.SetLastChar(127); }, {}},
        {"no glyphs", [](TFZXFont&) {}, {}},
        {"one wide glyph",
         [](TFZXFont& f) {
             f.SetLastChar(40);
             f.Glyph(3).SetWidth(17);
         },
         {"Current width is 17. FZX allows max. 16!"}},
        {"three wide glyphs",
         [](TFZXFont& f) {
             f.SetLastChar(40);
             f.Glyph(1).SetWidth(17);
             f.Glyph(2).SetWidth(20);
             f.Glyph(3).SetWidth(18);
             f.Glyph(4).SetWidth(16);
         },
         {"Current width is 20 (3 chars). FZX allows max. 16!"}},
        {"one high glyph",
         [](TFZXFont& f) {
             f.SetLastChar(40);
             f.SetHeight(6);
             f.Glyph(0).SetAll("1|1|1", 4, 8, 0);
             f.Glyph(1).SetAll("1", 5, 8, 0);
         },
         {"Current height is 7. Exceeds body height!"}},
        {"two high glyphs, glyphs beyond the last code",
         [](TFZXFont& f) {
             f.SetLastChar(40);
             f.Glyph(7).SetAll("1|1|1|1|1|1|1|1|1", 0, 8, 0);
             f.Glyph(8).SetAll("1", 9, 8, 0);
             f.SetLastChar(36);
             f.SetTracking(1);
         },
         {"Current height is 10 (2 chars). Exceeds body height!",
          "4 character(s) out of lastchar range!"}},
        {"everything",
         [](TFZXFont& f) {
             f.SetLastChar(34);
             f.Glyph(2).SetAll("1", 12, 20, 0);
             f.SetLastChar(33);
             f.SetTracking(1);
         },
         {"Current width is 20. FZX allows max. 16!", "Current height is 13. Exceeds body height!",
          "1 character(s) out of lastchar range!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFZXFont font;
        c.make(font);
        EXPECT_EQ(FontWarningLines(font), c.lines);
    }
}

TEST(FontWarnings, CompatibleFontHidesOnlyWidthAndHeight) {
    // Beyond the last code a glyph may be anything without spoiling
    // compatibility; the window still reports that it is held.
    TFZXFont font;
    font.SetLastChar(35);
    font.Glyph(3).SetAll("1|1|1|1|1|1|1|1|1|1", 0, 8, 0);
    font.SetLastChar(34);
    ASSERT_TRUE(font.IsCHRCompatible());
    const TFontWarnings w = GetFontWarnings(font);
    EXPECT_EQ(w.Width, "");
    EXPECT_EQ(w.Height, "");
    EXPECT_EQ(w.LastChar, "1 character(s) out of lastchar range!");
}

} // namespace
