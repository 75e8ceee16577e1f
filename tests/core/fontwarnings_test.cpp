// The font warning lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/font.h"
#include "shell/fontwarnings.h"

namespace {

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
