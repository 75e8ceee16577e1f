// CHR/UDG reading and writing: size checks, the block-to-glyph mapping, the
// compatibility refusal, and byte-exact round trips of real character sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "shareddata.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

class ChrFileTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    testdata::TempDir temp;
    const fs::path& dir = temp.Path();
};

// A compatible font: codes 32..lastChar, every glyph empty and 8 wide.
void MakeCompatible(TFZXFont& font, int lastChar) {
    font.SetLastChar(lastChar);
    ASSERT_TRUE(font.IsCHRCompatible());
}

TEST_F(ChrFileTest, FileSizeDecidesAcceptance) {
    for (const std::size_t size : {0u, 7u, 12u, 769u, 776u}) {
        SCOPED_TRACE(size);
        TFZXFont font;
        MakeCompatible(font, 40);
        font.SetTracking(3);
        const std::vector<std::uint8_t> bytes(size, 0x55);
        EXPECT_EQ(font.LoadCHRBytes(bytes.data(), bytes.size()), "File size must be 8..768 bytes!");
        // Refused before anything was touched.
        EXPECT_EQ(font.LastChar(), 40);
        EXPECT_EQ(font.Tracking(), 3);
        EXPECT_EQ(font.Count(), 9);
        EXPECT_TRUE(font.Modified());
    }
    for (const auto& [size, lastChar] :
         {std::pair<std::size_t, int>{8, 32}, {168, 52}, {768, 127}}) {
        SCOPED_TRACE(size);
        TFZXFont font;
        font.SetLastChar(200); // more glyphs than any CHR file gives
        font.SetHeight(12);
        font.SetCurrent(3);
        int notifications = 0;
        bool lastSawClean = false;
        font.OnChange = [&](TFZXFont& f) {
            ++notifications;
            lastSawClean = !f.Modified() && f.CurrentIndex() == -1;
        };
        const std::vector<std::uint8_t> bytes(size, 0x81);
        const std::string path = Path("in.chr");
        ASSERT_TRUE(WriteFileReplacing(path, bytes));
        EXPECT_EQ(font.LoadCHR(path), "");
        EXPECT_EQ(font.LastChar(), lastChar);
        EXPECT_EQ(font.Count(), lastChar - 31);
        EXPECT_EQ(font.Height(), 8);
        EXPECT_EQ(font.Tracking(), 0);
        EXPECT_EQ(font.CurrentIndex(), -1);
        EXPECT_FALSE(font.Modified());
        EXPECT_FALSE(font.CanUndo());
        EXPECT_FALSE(font.CanRedo());
        // The cleared font, the filled one, then the saved state.
        EXPECT_EQ(notifications, 3);
        EXPECT_TRUE(lastSawClean);
    }
}

TEST_F(ChrFileTest, BlocksBecomeNormalisedGlyphs) {
    struct Case {
        std::vector<std::uint8_t> block;
        int leading;
        std::string rows;
    };
    const Case cases[] = {
        {{0x00, 0x00, 0x18, 0x24, 0x42, 0x7E, 0x42, 0x00},
         2,
         "00011000|00100100|01000010|01111110|01000010"},
        {{0, 0, 0, 0, 0, 0, 0, 0}, 0, ""},
        {{0, 0, 0, 0, 0, 0, 0, 0x01}, 7, "00000001"},
        {{0xFF, 0, 0, 0, 0, 0, 0, 0x80},
         0,
         "11111111|00000000|00000000|00000000|00000000|00000000|00000000|10000000"},
    };
    for (const auto& c : cases) {
        // Put the block second, behind a full one, so block order matters.
        std::vector<std::uint8_t> bytes(16, 0xFF);
        std::copy(c.block.begin(), c.block.end(), bytes.begin() + 8);
        TFZXFont font;
        ASSERT_EQ(font.LoadCHRBytes(bytes.data(), bytes.size()), "");
        ASSERT_EQ(font.Count(), 2);
        const TFZXChar& g = font.Glyph(1);
        SCOPED_TRACE(c.rows);
        EXPECT_EQ(g.Leading(), c.leading);
        EXPECT_EQ(g.Rows(), c.rows);
        EXPECT_EQ(g.Width(), 8);
        EXPECT_EQ(g.Kern(), 0);

        std::vector<std::uint8_t> image;
        ASSERT_EQ(font.BuildCHRImage(image), "");
        EXPECT_EQ(image, bytes);
    }
}

TEST_F(ChrFileTest, IncompatibleFontsAreRefusedAndNothingIsWritten) {
    const std::string refusal = "Editor contains no compatible data for CHR file (768 bytes)!";
    const std::vector<void (*)(TFZXFont&)> spoilers = {
        [](TFZXFont& f) { f.SetTracking(1); },
        [](TFZXFont& f) { f.Glyph(5).SetWidth(7); },
        [](TFZXFont& f) { f.SetLastChar(128); },
    };
    for (std::size_t i = 0; i < spoilers.size(); ++i) {
        SCOPED_TRACE(i);
        TFZXFont font;
        MakeCompatible(font, 127);
        spoilers[i](font);
        font.SetModified(true);
        const std::string fresh = Path("new.chr"), existing = Path("old.udg");
        const std::vector<std::uint8_t> before = {1, 2, 3, 4, 5, 6, 7, 8};
        ASSERT_TRUE(WriteFileReplacing(existing, before));

        EXPECT_EQ(font.SaveCHR(fresh), refusal);
        EXPECT_EQ(font.SaveCHR(existing), refusal);
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(ReadFileBytes(existing), before);
        EXPECT_TRUE(font.Modified());
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    }
}

TEST_F(ChrFileTest, SaveWritesOneBlockPerCodeAndMarksSaved) {
    TFZXFont font;
    MakeCompatible(font, 52);
    font.SetCurrent(1);
    font.GetCurrent()->SetAll("1|01", 6, 8, 0); // rows shorter than 8 pixels
    font.GlyphChanged(THistoryKind::PixelsChanged);
    ASSERT_TRUE(font.Modified());
    ASSERT_TRUE(font.CanUndo());

    const std::string path = Path("out.udg");
    ASSERT_EQ(font.SaveCHR(path), "");
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 168u);
    const std::vector<std::uint8_t> block1(bytes.begin() + 8, bytes.begin() + 16);
    EXPECT_EQ(block1, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0x80, 0x40}));
    EXPECT_FALSE(font.Modified());
    EXPECT_FALSE(font.CanUndo());
}

TEST_F(ChrFileTest, RealCharacterSetsRoundTripExactly) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("chr", ".chr");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const std::vector<std::uint8_t> original = ReadFileBytes(file.string());
        TFZXFont font;
        ASSERT_EQ(font.LoadCHR(file.string()), "");
        ASSERT_TRUE(font.IsCHRCompatible());
        ASSERT_EQ(font.SaveCHR(Path("copy.chr")), "");
        EXPECT_EQ(ReadFileBytes(Path("copy.chr")), original);

        // Through FZX and back: the two formats describe the same pixels.
        std::vector<std::uint8_t> fzx, chr;
        ASSERT_EQ(font.BuildFZXImage(fzx), "");
        TFZXFont viaFzx;
        ASSERT_EQ(viaFzx.LoadFZXBytes(fzx.data(), fzx.size()), "");
        ASSERT_EQ(viaFzx.BuildCHRImage(chr), "");
        EXPECT_EQ(chr, original);
    }
}

} // namespace
