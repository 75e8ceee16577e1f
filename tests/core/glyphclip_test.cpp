// A whole character on the clipboard: the text other windows read back, and
// the picture other programs get.

#include <gtest/gtest.h>

#include <string>

#include "model/font.h"
#include "shell/glyphclip.h"

namespace {

TEST(GlyphClip, TextRoundTripsEveryField) {
    TFZXFont font;
    font.SetLastChar(33);
    font.Glyph(1).SetAll("0110|1001", 3, 4, 2);
    const TGlyphClip clip = GlyphClipOf(font.Glyph(1), 8);
    TGlyphClip read;
    ASSERT_TRUE(ParseGlyphClip(GlyphClipText(clip), read));
    EXPECT_EQ(read.Rows, "0110|1001");
    EXPECT_EQ(read.Leading, 3);
    EXPECT_EQ(read.Width, 4);
    EXPECT_EQ(read.Kern, 2);
    EXPECT_EQ(read.Height, 8);
    // An empty glyph, and line ends of another system.
    TGlyphClip empty;
    empty.Rows = "";
    empty.Width = 5;
    std::string text = GlyphClipText(empty);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    ASSERT_TRUE(ParseGlyphClip(text, read));
    EXPECT_EQ(read.Rows, "");
    EXPECT_EQ(read.Width, 5);
}

TEST(GlyphClip, RefusesAnythingElse) {
    const std::string good = "Quorrel glyph 1\nwidth 4\nleading 0\nkern 0\nheight 8\nrows 1|01\n";
    TGlyphClip clip;
    ASSERT_TRUE(ParseGlyphClip(good, clip));
    const char* const bad[] = {
        "",
        "hello",
        "Quorrel glyph 2\nwidth 4\nleading 0\nkern 0\nheight 8\nrows 1\n",
        "Quorrel glyph 1\nwidth 4\nleading 0\nkern 0\nheight 8\n",         // no rows
        "Quorrel glyph 1\nwidth 0\nleading 0\nkern 0\nheight 8\nrows 1\n", // width 0
        "Quorrel glyph 1\nwidth 257\nleading 0\nkern 0\nheight 8\nrows 1\n",
        "Quorrel glyph 1\nwidth 4\nleading 0\nkern 4\nheight 8\nrows 1\n",
        "Quorrel glyph 1\nwidth 4\nleading -1\nkern 0\nheight 8\nrows 1\n",
        "Quorrel glyph 1\nwidth 4x\nleading 0\nkern 0\nheight 8\nrows 1\n",
        "Quorrel glyph 1\nwidth 2\nleading 0\nkern 0\nheight 8\nrows 111\n",   // row too long
        "Quorrel glyph 1\nwidth 4\nleading 0\nkern 0\nheight 8\nrows 12\n",    // not a pixel
        "Quorrel glyph 1\nwidth 4\nleading 191\nkern 0\nheight 8\nrows 1|1\n", // past 192 rows
    };
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        TGlyphClip kept = clip;
        EXPECT_FALSE(ParseGlyphClip(text, kept));
        EXPECT_EQ(kept.Rows, clip.Rows);
    }
}

TEST(GlyphClip, PictureShowsTheBodyInBlackOnWhite) {
    TGlyphClip clip;
    clip.Rows = "10|01";
    clip.Leading = 1;
    clip.Width = 3;
    clip.Height = 3;
    const TRaster picture = GlyphClipPicture(clip);
    ASSERT_EQ(picture.Width(), 3);
    ASSERT_EQ(picture.Height(), 3);
    const char* const expected[] = {"...", "k..", ".k."};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(picture.Pixel(x, y), expected[y][x] == 'k' ? clBlack : clWhite)
                << x << "," << y;
}

} // namespace
