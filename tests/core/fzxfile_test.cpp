// The FZX reader and writer on small hand-made files: the exact bytes, every
// refusal and what it leaves behind, and the canonical form reading gives.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "tempdir.h"
#include "watchedfont.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Height 8, LastChar 33: code 32 empty and 3 wide, code 33 one pixel wide
// with leading 1 and the rows 1, 1, 1, 0, 1.
const Bytes kExample = {0x08, 0x00, 0x21, 0x08, 0x00, 0x02, 0x05, 0x00,
                        0x10, 0x07, 0x00, 0x80, 0x80, 0x80, 0x00, 0x80};

void MakeExampleFont(TFZXFont& font) {
    font.Clear();
    font.SetLastChar(33);
    font.Glyph(0).SetWidth(3);
    font.Glyph(1).SetWidth(1);
    font.Glyph(1).SetLeading(1);
    font.Glyph(1).SetRows("1|1|1|0|1");
}

std::string Load(TFZXFont& font, const Bytes& bytes) {
    return font.LoadFZXBytes(bytes.data(), bytes.size());
}

Bytes Image(const TFZXFont& font) {
    Bytes image;
    EXPECT_EQ(font.BuildFZXImage(image), "");
    return image;
}

std::string RowsOf(int count, const std::string& row) {
    return JoinText(TStringList(static_cast<std::size_t>(count), row), '|');
}

TEST(FzxFile, ExampleBothWays) {
    testdata::TempDir dir;
    Watched w;
    MakeExampleFont(w.font);
    EXPECT_EQ(w.font.FZXFileSize(), 16);
    w.font.SetCurrent(1);
    ASSERT_GT(w.font.UndoList().Count(), 0);
    w.notes = 0;
    ASSERT_EQ(w.font.SaveFZX(dir.File("a.fzx")), "");
    EXPECT_EQ(testdata::ReadAll(dir.File("a.fzx")), kExample);
    EXPECT_FALSE(w.font.Modified());
    EXPECT_EQ(w.font.UndoList().Count(), 0);
    EXPECT_EQ(w.notes, 1);
    EXPECT_EQ(w.font.Glyph(1).Rows(), "1|1|1|0|1") << "saving leaves the glyphs alone";

    Watched r;
    r.font.SetModified(true);
    ASSERT_EQ(r.font.LoadFZX(dir.File("a.fzx")), "");
    EXPECT_EQ(r.notes, 1);
    EXPECT_EQ(r.font.Height(), 8);
    EXPECT_EQ(r.font.Tracking(), 0);
    EXPECT_EQ(r.font.LastChar(), 33);
    ASSERT_EQ(r.font.Count(), 2);
    EXPECT_EQ(r.font.Glyph(0).Rows(), "");
    EXPECT_EQ(r.font.Glyph(0).Width(), 3);
    EXPECT_EQ(r.font.Glyph(1).Rows(), "1|1|1|0|1");
    EXPECT_EQ(r.font.Glyph(1).Width(), 1);
    EXPECT_EQ(r.font.Glyph(1).Leading(), 1);
    EXPECT_EQ(r.font.Glyph(1).Kern(), 0);
    EXPECT_EQ(r.font.CurrentIndex(), -1);
    EXPECT_FALSE(r.font.Modified());
    EXPECT_EQ(r.font.UndoList().Count(), 0);
}

TEST(FzxFile, KernAndLeadingFieldsRoundTrip) {
    TFZXFont font;
    font.Clear();
    font.SetLastChar(35);
    for (int kern = 0; kern < 4; ++kern)
        font.Glyph(kern).SetAll("1", 15 - kern, 16 - kern, kern);
    const Bytes image = Image(font);
    TFZXFont again;
    ASSERT_EQ(Load(again, image), "");
    for (int kern = 0; kern < 4; ++kern) {
        EXPECT_EQ(again.Glyph(kern).Kern(), kern);
        EXPECT_EQ(again.Glyph(kern).Leading(), 15 - kern);
        EXPECT_EQ(again.Glyph(kern).Width(), 16 - kern);
    }
}

TEST(FzxFile, EveryReadFailureAndTheStateItLeaves) {
    struct Case {
        const char* message;
        Bytes file;
        bool cleared; // false: the font is kept as it was, only no glyph is current
        int count, height, tracking, lastChar;
    };
    const Case cases[] = {
        {"Unexpected end of file while reading header!", {0x08, 0x00}, false, 0, 0, 0, 0},
        {"Last character value must be in the range 32..255!",
         {0x08, 0x00, 31, 0x02, 0x00, 0x07, 0x00, 0x00},
         false,
         0,
         0,
         0,
         0},
        {"Unexpected end of file while reading character definitions!",
         {10, 2, 32},
         true,
         0,
         10,
         2,
         32},
        {"Unexpected end of file while reading character definitions!",
         {10, 2, 33, 0x05, 0x00, 0x07, 0x00},
         true,
         1,
         10,
         2,
         33},
        {"Unexpected end of file while reading terminator!",
         {8, 0, 33, 0x06, 0x00, 0x07, 0x03, 0x00, 0x07, 0x00},
         true,
         2,
         8,
         0,
         33},
        // The second offset points before the first (definitions stored out of
        // code order): the first length is negative.
        {"Character length on character [32] is less than zero!",
         {8, 0, 33, 0x08, 0x00, 0x07, 0x02, 0x00, 0x07, 0x02, 0x00},
         true,
         2,
         8,
         0,
         33},
        {"Character [33] definition offset exceeds file size!",
         {8, 0, 33, 0x08, 0x00, 0x07, 0x05, 0x00, 0x07, 0x03, 0x00},
         true,
         2,
         8,
         0,
         33},
        // The terminator points past the end: the last definition would run out.
        {"Character [32] definition offset exceeds file size!",
         {8, 0, 32, 0x03, 0x00, 0x07, 0x04, 0x00, 0x80},
         true,
         1,
         8,
         0,
         32},
        // An offset far beyond the file, as a stray top bit in a table gives.
        {"Character [32] definition offset exceeds file size!",
         {8, 0, 33, 0x05, 0x20, 0x07, 0x02, 0x20, 0x07, 0x00, 0x20, 0x80},
         true,
         2,
         8,
         0,
         33},
    };
    testdata::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        testdata::WriteAll(dir.File("bad.fzx"), c.file);
        Watched w;
        MakeExampleFont(w.font);
        w.font.SetTracking(3);
        w.font.SetCurrent(1);
        ASSERT_TRUE(w.font.Modified());
        const int undoBefore = w.font.UndoList().Count();
        w.notes = 0;

        EXPECT_EQ(w.font.LoadFZX(dir.File("bad.fzx")), c.message);
        EXPECT_EQ(w.notes, 1);
        EXPECT_EQ(w.font.CurrentIndex(), -1);
        EXPECT_EQ(w.font.GetCurrent(), nullptr);
        EXPECT_EQ(w.font.UpdateLock(), 0);
        if (!c.cleared) {
            EXPECT_TRUE(w.font.Modified());
            EXPECT_EQ(w.font.UndoList().Count(), undoBefore);
            EXPECT_EQ(w.font.Tracking(), 3);
            EXPECT_EQ(w.font.LastChar(), 33);
            ASSERT_EQ(w.font.Count(), 2);
            EXPECT_EQ(w.font.Glyph(1).Rows(), "1|1|1|0|1");
            continue;
        }
        EXPECT_FALSE(w.font.Modified());
        EXPECT_EQ(w.font.UndoList().Count(), 0);
        EXPECT_EQ(w.font.Height(), c.height);
        EXPECT_EQ(w.font.Tracking(), c.tracking);
        EXPECT_EQ(w.font.LastChar(), c.lastChar);
        ASSERT_EQ(w.font.Count(), c.count);
        for (int i = 0; i < w.font.Count(); ++i)
            EXPECT_EQ(w.font.Glyph(i).Rows(), "") << i;
        if (c.count < c.lastChar - 31) {
            // A glyph list cut short cannot give a true table: nothing is written.
            EXPECT_NE(w.font.SaveFZX(dir.File("out.fzx")), "");
            EXPECT_EQ(dir.Entries(), std::set<std::string>{"bad.fzx"});
        }
    }
}

// Every definition is read from where its offset points, as the driver draws
// it: padding before, between and after the definitions reads as the packed
// example does, and writing packs them again. (Definitions in another order
// than the codes give a negative length, which is refused above.)
TEST(FzxFile, DefinitionsAreReadWhereTheirOffsetsPoint) {
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"packed", kExample},
        {"padded before the first", {0x08, 0x00, 0x21, 0x0C, 0x00, 0x02, 0x09, 0x00, 0x10, 0x0B,
                                     0x00, 0xAA, 0xBB, 0xCC, 0xDD, 0x80, 0x80, 0x80, 0x00, 0x80}},
        {"one byte of padding",
         {0x08, 0x00, 0x21, 0x09, 0x00, 0x02, 0x06, 0x00, 0x10, 0x08, 0x00, 0xFF, 0x80, 0x80, 0x80,
          0x00, 0x80}},
        // Padding before, zeros between (blank bottom rows the driver draws as
        // nothing, which reading drops) and bytes past the terminator's end.
        {"a gap between and bytes after",
         {0x08, 0x00, 0x22, 0x0D, 0x00, 0x02, 0x0A, 0x00, 0x10, 0x0E, 0x00, 0x00, 0x0B,
          0x00, 0xEE, 0xEE, 0x80, 0x80, 0x80, 0x00, 0x80, 0x00, 0x00, 0x77, 0x77}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TFZXFont font;
        ASSERT_EQ(Load(font, c.file), "");
        ASSERT_GE(font.Count(), 2);
        EXPECT_EQ(font.Glyph(0).Width(), 3);
        EXPECT_EQ(font.Glyph(0).Rows(), "");
        EXPECT_EQ(font.Glyph(1).Width(), 1);
        EXPECT_EQ(font.Glyph(1).Leading(), 1);
        EXPECT_EQ(font.Glyph(1).Rows(), "1|1|1|0|1");
        for (int i = 2; i < font.Count(); ++i)
            EXPECT_EQ(font.Glyph(i).Rows(), "") << i;
        if (font.Count() == 2) {
            EXPECT_EQ(Image(font), kExample);
        }
    }
}

TEST(FzxFile, ReadingCanonicalisesAndWritingBackIsShorter) {
    struct Case {
        const char* name;
        Bytes file;
        int leading;
        std::string rows;
        Bytes written;
    };
    const Case cases[] = {
        {"leading 14 and two blank rows on top",
         {8, 0, 32, 0x05, 0x00, 0xE7, 0x05, 0x00, 0x00, 0x00, 0x80},
         15,
         "00000000|10000000",
         {8, 0, 32, 0x05, 0x00, 0xF7, 0x04, 0x00, 0x00, 0x80}},
        {"blank rows at the bottom",
         {8, 0, 32, 0x05, 0x00, 0x07, 0x05, 0x00, 0x80, 0x00, 0x00},
         0,
         "10000000",
         {8, 0, 32, 0x05, 0x00, 0x07, 0x03, 0x00, 0x80}},
        {"blank row on top, leading 0",
         {8, 0, 32, 0x05, 0x00, 0x07, 0x04, 0x00, 0x00, 0xC0},
         1,
         "11000000",
         {8, 0, 32, 0x05, 0x00, 0x17, 0x03, 0x00, 0xC0}},
        {"bits past the width",
         {8, 0, 32, 0x05, 0x00, 0x02, 0x03, 0x00, 0xFF},
         0,
         "111",
         {8, 0, 32, 0x05, 0x00, 0x02, 0x03, 0x00, 0xE0}},
        {"no ink at all",
         {8, 0, 32, 0x05, 0x00, 0x27, 0x04, 0x00, 0x00, 0x00},
         2,
         "",
         {8, 0, 32, 0x05, 0x00, 0x27, 0x02, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TFZXFont font;
        ASSERT_EQ(Load(font, c.file), "");
        EXPECT_EQ(font.Glyph(0).Leading(), c.leading);
        EXPECT_EQ(font.Glyph(0).Rows(), c.rows);
        EXPECT_EQ(Image(font), c.written);
        EXPECT_EQ(font.FZXFileSize(), static_cast<int>(c.written.size()));
    }
}

TEST(FzxFile, HeaderValuesAreTakenUnchanged) {
    for (std::uint8_t value : {0, 255}) {
        const Bytes file = {value, value, 32, 0x05, 0x00, 0x07, 0x02, 0x00};
        TFZXFont font;
        ASSERT_EQ(Load(font, file), "");
        EXPECT_EQ(font.Height(), value);
        EXPECT_EQ(font.Tracking(), value);
        EXPECT_EQ(Image(font), file);
    }
}

TEST(FzxFile, RowsAreWrittenInWholeBytesWithBitsPastTheWidthClear) {
    struct Case {
        int width;
        const char* rows;
        Bytes definition;
    };
    const Case cases[] = {
        {10, "1111111111", {0xFF, 0xC0}},
        {10, "1111111111111111111", {0xFF, 0xC0}}, // a row longer than the width
        {10, "1", {0x80, 0x00}},                   // a row shorter than the width
        {9, "000000001|1", {0x00, 0x80, 0x80, 0x00}},
        {16, "1000000000000001", {0x80, 0x01}},
        {5, "11111111", {0xF8}},
        {1, "1|", {0x80, 0x00}}, // a trailing separator counts as an empty row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " width " + std::to_string(c.width));
        TFZXFont font;
        font.Clear();
        font.SetLastChar(32);
        font.Glyph(0).SetAll(c.rows, 0, c.width, 0);
        const Bytes image = Image(font);
        ASSERT_EQ(image.size(), 8 + c.definition.size());
        EXPECT_EQ(Bytes(image.begin() + 8, image.end()), c.definition);
        EXPECT_EQ(font.FZXFileSize(), static_cast<int>(image.size()));
    }
}

// Scaling by a small factor can leave an empty glyph 0 pixels wide; the
// 4-bit width field cannot hold it, so it is stored 1 wide instead of
// wrapping round to a 16-pixel glyph with leading 15.
TEST(FzxFile, ZeroWidthGlyphIsStoredOneWide) {
    TFZXFont font;
    font.Clear();
    font.SetLastChar(33);
    font.Glyph(0).SetAll("", 2, 0, 1);
    font.Glyph(1).SetAll("1", 0, 1, 0);
    const Bytes image = Image(font);
    EXPECT_EQ(image[5], 0x20);
    TFZXFont again;
    ASSERT_EQ(Load(again, image), "");
    EXPECT_EQ(again.Glyph(0).Width(), 1);
    EXPECT_EQ(again.Glyph(0).Leading(), 2);
    EXPECT_EQ(again.Glyph(0).Kern(), 1);
    EXPECT_EQ(again.Glyph(0).Rows(), "");
    EXPECT_EQ(again.Glyph(1).Rows(), "1");
    EXPECT_NE(font.BuildASMText("zero.asm").find("\tdefb\t16*2+1-1"), std::string::npos);
}

TEST(FzxFile, WrittenSizeEqualsFZXFileSize) {
    testdata::TempDir dir;
    TFZXFont font;
    font.Clear();
    font.SetLastChar(70);
    font.SetHeight(12);
    font.SetTracking(1);
    for (int i = 0; i < font.Count(); ++i) {
        const int width = 1 + i % 16;
        const std::string ink(static_cast<std::size_t>(width), '1');
        font.Glyph(i).SetAll(RowsOf(i % 7, ink), i % 16, width, i % 4);
    }
    font.SetLastChar(60); // the inked glyphs past 60 stay but are not written
    ASSERT_EQ(font.Count(), 39);
    ASSERT_EQ(font.SaveFZX(dir.File("size.fzx")), "");
    const Bytes written = testdata::ReadAll(dir.File("size.fzx"));
    EXPECT_EQ(static_cast<int>(written.size()), font.FZXFileSize());

    TFZXFont again;
    ASSERT_EQ(Load(again, written), "");
    ASSERT_EQ(again.Count(), 29);
    for (int i = 0; i < again.Count(); ++i) {
        EXPECT_EQ(again.Glyph(i).Rows(), font.Glyph(i).Rows()) << i;
        EXPECT_EQ(again.Glyph(i).Kern(), font.Glyph(i).Kern()) << i;
    }
}

TEST(FzxFile, RefusedSaveLeavesFontAndFileAsTheyWere) {
    // One byte per row. With LastChar 33 the second offset is 5 + the first
    // glyph's size; with LastChar 32 the terminator is 2 + it.
    const std::string row = "10000001";
    struct Case {
        const char* name;
        std::function<void(TFZXFont&)> make;
        const char* message; // "" for the boundary cases that still fit
    };
    const Case cases[] = {
        {"width 17",
         [](TFZXFont& f) {
             f.SetLastChar(33);
             f.Glyph(1).SetAll("1", 0, 17, 0);
         },
         "Character width exceeds 16 pixels! File not saved."},
        {"width 17 past the last character",
         [](TFZXFont& f) {
             f.SetLastChar(33);
             f.Glyph(1).SetAll("1", 0, 17, 0);
             f.SetLastChar(32);
         },
         ""},
        {"offset 16384",
         [&](TFZXFont& f) {
             f.SetLastChar(33);
             f.Glyph(0).SetAll(RowsOf(16379, row), 0, 8, 0);
         },
         "Character offset exceeds 16384 bytes! File not saved."},
        {"offset 16383",
         [&](TFZXFont& f) {
             f.SetLastChar(33);
             f.Glyph(0).SetAll(RowsOf(16378, row), 0, 8, 0);
         },
         ""},
        {"terminator 16384",
         [&](TFZXFont& f) {
             f.SetLastChar(32);
             f.Glyph(0).SetAll(RowsOf(16382, row), 0, 8, 0);
         },
         "Terminator exceeds 16384 bytes! File not saved."},
        {"terminator 16383",
         [&](TFZXFont& f) {
             f.SetLastChar(32);
             f.Glyph(0).SetAll(RowsOf(16381, row), 0, 8, 0);
         },
         ""},
        // One byte holds the height: 256 would be written as 0.
        {"height 256",
         [](TFZXFont& f) {
             f.SetLastChar(32);
             f.SetHeight(256);
         },
         "Body height exceeds 255 pixels! File not saved."},
        {"height 255",
         [](TFZXFont& f) {
             f.SetLastChar(32);
             f.SetHeight(255);
         },
         ""},
    };
    const Bytes previous = {'k', 'e', 'e', 'p', 0x00, 0xFF, '\n'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testdata::TempDir dir;
        const std::string path = dir.File("font.fzx");
        testdata::WriteAll(path, previous);
        Watched w;
        w.font.Clear();
        c.make(w.font);
        w.font.SetCurrent(0);
        w.font.SetModified(true);
        const int undo = w.font.UndoList().Count();
        const std::string rows = w.font.Glyph(0).Rows();
        w.notes = 0;

        const std::string result = w.font.SaveFZX(path);
        EXPECT_EQ(result, c.message);
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"font.fzx"});
        if (result.empty()) {
            // Just inside the limits: written in full and read back the same.
            const Bytes written = testdata::ReadAll(path);
            EXPECT_EQ(static_cast<int>(written.size()), w.font.FZXFileSize());
            TFZXFont again;
            ASSERT_EQ(Load(again, written), "");
            EXPECT_EQ(again.Glyph(0).Rows(), rows);
            continue;
        }
        EXPECT_EQ(testdata::ReadAll(path), previous);
        EXPECT_TRUE(w.font.Modified());
        EXPECT_EQ(w.font.UndoList().Count(), undo);
        EXPECT_EQ(w.font.Glyph(0).Rows(), rows);
        EXPECT_EQ(w.notes, 0);
    }
}

} // namespace
