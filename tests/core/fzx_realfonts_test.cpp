// Every community FZX font loads, and saving gives the canonical file back.

#include <gtest/gtest.h>

#include "formats/fileio.h"
#include "model/font.h"
#include "shareddata.h"

namespace {

TEST(FzxRealFonts, LoadSaveCycles) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const auto files = testdata::FontFiles("fzx", ".fzx");
    ASSERT_EQ(files.size(), 190u);
    int unchanged = 0, shrunk = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::vector<std::uint8_t> original = ReadFileBytes(path.string());
        TFZXFont font;
        ASSERT_EQ(font.LoadFZXBytes(original.data(), original.size()), "");
        EXPECT_EQ(font.Count(), font.LastChar() - 31);

        std::vector<std::uint8_t> first;
        ASSERT_EQ(font.BuildFZXImage(first), "");
        EXPECT_EQ(static_cast<int>(first.size()), font.FZXFileSize());

        TFZXFont again;
        ASSERT_EQ(again.LoadFZXBytes(first.data(), first.size()), "");
        ASSERT_EQ(again.Count(), font.Count());
        for (int i = 0; i < font.Count(); ++i) {
            const TFZXChar &a = font.Glyph(i), &b = again.Glyph(i);
            ASSERT_EQ(a.Rows(), b.Rows()) << "code " << i + 32;
            ASSERT_EQ(a.Width(), b.Width());
            ASSERT_EQ(a.Leading(), b.Leading());
            ASSERT_EQ(a.Kern(), b.Kern());
        }
        std::vector<std::uint8_t> second;
        ASSERT_EQ(again.BuildFZXImage(second), "");
        EXPECT_EQ(second, first);

        if (first == original)
            ++unchanged;
        else if (first.size() < original.size())
            ++shrunk;
    }
    EXPECT_EQ(unchanged, 182);
    EXPECT_EQ(shrunk, 8);
}

} // namespace
