// A font taking over another's glyphs (how imports replace the editor's font
// only once everything was read): values and glyphs move, the glyphs report
// to their new font, and the source is left empty and harmless.

#include <gtest/gtest.h>

#include <memory>

#include "model/font.h"

TEST(TakeOver, MovesEverythingAndRehomesTheGlyphs) {
    auto source = std::make_unique<TFZXFont>();
    source->SetLastChar(40);
    source->SetHeight(11);
    source->SetTracking(2);
    source->Glyph(3).SetAll("101", 4, 3, 1);

    TFZXFont font;
    font.SetLastChar(100);
    font.SetCurrent(5);
    font.SetModified(true);
    int notified = 0;
    font.OnChange = [&](TFZXFont& f) {
        ++notified;
        EXPECT_FALSE(f.Modified());
    };
    font.TakeOver(*source);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(font.LastChar(), 40);
    EXPECT_EQ(font.Count(), 9);
    EXPECT_EQ(font.Height(), 11);
    EXPECT_EQ(font.Tracking(), 2);
    EXPECT_EQ(font.CurrentIndex(), -1);
    EXPECT_FALSE(font.CanUndo());
    EXPECT_EQ(font.Glyph(3).Rows(), "101");
    EXPECT_EQ(source->Count(), 0);

    // The source goes away; the moved glyphs now tell the new font.
    source.reset();
    font.Glyph(3).SetKern(2);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(font.Glyph(3).Font(), &font);
}
