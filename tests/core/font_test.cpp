// The font: header setters, growing and shrinking the glyph list, the
// current glyph, undo recording and the queries the window's status uses.

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/font.h"
#include "model/updatescope.h"
#include "watchedfont.h"

namespace {

// The state the window starts a new font with: one empty glyph for code 32.
void MakeNewFont(TFZXFont& font) {
    font.Clear();
    font.SetLastChar(32);
    font.SetCurrent(0);
    font.SetModified(false);
}

// lastChar - 31 glyphs, each 8 wide with 8 inked rows.
void MakeBlockFont(TFZXFont& font, int lastChar) {
    font.Clear();
    font.SetLastChar(lastChar);
    for (int i = 0; i < font.Count(); ++i)
        font.Glyph(i).SetRows(
            "10000001|01000010|00100100|00011000|00011000|00100100|01000010|10000001");
}

TEST(FontModel, LoweringLastCharDropsOnlyEmptyGlyphsFromTheEnd) {
    struct Case {
        std::vector<int> inked; // codes given pixels before lowering
        int wantCount;
    };
    const Case cases[] = {{{}, 69}, {{127}, 96}, {{110}, 79}, {{99}, 69}, {{40, 126}, 95}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.inked));
        Watched w;
        w.font.Clear();
        w.font.SetLastChar(127);
        ASSERT_EQ(w.font.Count(), 96);
        for (int code : c.inked)
            w.font.Glyph(code - 32).SetRows("1");
        w.font.Glyph(100 - 32).SetAll("11|01", 3, 2, 1); // survives every case
        w.font.SetModified(false);
        w.notes = 0;

        w.font.SetLastChar(100);
        EXPECT_EQ(w.font.LastChar(), 100);
        EXPECT_EQ(w.font.Count(), c.wantCount);
        EXPECT_EQ(w.notes, 1);
        EXPECT_TRUE(w.font.Modified());
        EXPECT_EQ(w.font.UndoList().Count(), 0);

        // Raising again keeps the survivors and creates only the missing ones.
        w.font.SetLastChar(127);
        ASSERT_EQ(w.font.Count(), 96);
        const TFZXChar& kept = w.font.Glyph(100 - 32);
        EXPECT_EQ(kept.Rows(), "11|01");
        EXPECT_EQ(kept.Width(), 2);
        for (int code : c.inked)
            EXPECT_EQ(w.font.Glyph(code - 32).Rows(), "1") << code;
        for (int i = c.wantCount; i < 96; ++i) {
            const TFZXChar& g = w.font.Glyph(i);
            EXPECT_EQ(g.Rows(), "");
            EXPECT_EQ(g.Width(), 8);
            EXPECT_EQ(g.Leading(), 0);
            EXPECT_EQ(g.Kern(), 0);
            EXPECT_EQ(g.Font(), &w.font);
        }
    }
}

TEST(FontModel, HeaderSetterWithCurrentValueLeavesModifiedAlone) {
    struct Case {
        const char* name;
        std::function<int(const TFZXFont&)> get;
        std::function<void(TFZXFont&, int)> set;
    };
    const Case cases[] = {
        {"height", &TFZXFont::Height, &TFZXFont::SetHeight},
        {"tracking", &TFZXFont::Tracking, &TFZXFont::SetTracking},
        {"last char", &TFZXFont::LastChar, &TFZXFont::SetLastChar},
    };
    for (const auto& c : cases) {
        for (bool modified : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (modified ? " modified" : " unmodified"));
            Watched w;
            MakeNewFont(w.font);
            w.font.SetModified(modified);
            w.notes = 0;
            c.set(w.font, c.get(w.font));
            EXPECT_EQ(w.font.Modified(), modified);
            EXPECT_EQ(w.notes, 0);
            c.set(w.font, c.get(w.font) + 1);
            EXPECT_TRUE(w.font.Modified());
            EXPECT_EQ(w.notes, 1);
        }
    }
}

TEST(FontModel, SetCurrentRecordsOneEntryOnlyForAGlyphThatExists) {
    Watched w;
    w.font.Clear();
    w.font.SetLastChar(40);
    w.font.Glyph(3).SetAll("101", 2, 3, 1);
    w.font.SetModified(false);
    w.notes = 0;

    w.font.SetCurrent(3);
    EXPECT_EQ(w.notes, 1);
    ASSERT_EQ(w.font.UndoList().Count(), 1);
    const Tundolistentry& e = w.font.UndoList().Entry(0);
    EXPECT_EQ(e.Action, THistoryKind::SelectChar);
    EXPECT_EQ(e.CharIndex, 3);
    EXPECT_EQ(e.Rows, "101");
    EXPECT_EQ(e.Leading, 2);
    EXPECT_EQ(e.Width, 3);
    EXPECT_EQ(e.Kern, 1);
    EXPECT_EQ(w.font.GetCurrent(), &w.font.Glyph(3));
    EXPECT_FALSE(w.font.Modified());

    w.font.SetCurrent(3);
    EXPECT_EQ(w.notes, 1);
    EXPECT_EQ(w.font.UndoList().Count(), 1);

    for (int beyond : {9, 500, -1}) {
        w.notes = 0;
        w.font.SetCurrent(beyond);
        EXPECT_EQ(w.notes, 1) << beyond;
        EXPECT_EQ(w.font.UndoList().Count(), 1) << beyond;
        EXPECT_EQ(w.font.CurrentIndex(), beyond);
        EXPECT_EQ(w.font.GetCurrent(), nullptr) << beyond;
    }
}

TEST(FontModel, ClearEmptiesEverythingWithOneNotification) {
    Watched w;
    MakeBlockFont(w.font, 60);
    w.font.SetHeight(12);
    w.font.SetTracking(2);
    w.font.SetCurrent(5);
    ASSERT_GT(w.font.UndoList().Count(), 0);
    w.notes = 0;
    w.font.Clear();
    EXPECT_EQ(w.notes, 1);
    EXPECT_EQ(w.font.Count(), 0);
    EXPECT_EQ(w.font.Height(), 8);
    EXPECT_EQ(w.font.Tracking(), 0);
    EXPECT_EQ(w.font.LastChar(), 0);
    EXPECT_EQ(w.font.CurrentIndex(), -1);
    EXPECT_EQ(w.font.UndoList().Count(), 0);
    EXPECT_FALSE(w.font.Modified());
    EXPECT_EQ(w.font.FZXFileSize(), 0);

    // A silent bracket closes without a word; a loud one notifies once.
    w.notes = 0;
    {
        TFontUpdate update(w.font, false);
        w.font.SetHeight(10);
    }
    EXPECT_EQ(w.notes, 0);
    {
        TFontUpdate update(w.font);
        w.font.SetHeight(11);
        w.font.SetTracking(1);
    }
    EXPECT_EQ(w.notes, 1);

    // A change that fails half-way closes its bracket all the same, without
    // a notice from the unwinding; later changes notify again.
    w.font.SetLastChar(32);
    w.notes = 0;
    EXPECT_THROW(
        {
            TFontUpdate update(w.font);
            TGlyphUpdate glyphUpdate(w.font.Glyph(0));
            w.font.SetHeight(12);
            throw std::runtime_error("disk gone");
        },
        std::runtime_error);
    EXPECT_EQ(w.notes, 0);
    EXPECT_EQ(w.font.UpdateLock(), 0);
    w.font.SetTracking(3);
    EXPECT_EQ(w.notes, 1);
}

TEST(FontModel, TakeOverMovesTheContentAndKeepsTheCallbacks) {
    Watched w;
    w.font.SetLastChar(40);
    w.font.SetCurrent(2);
    w.font.SetModified(true);
    TFZXFont read;
    read.SetHeight(12);
    read.SetTracking(2);
    read.SetLastChar(34);
    read.Glyph(1).SetAll("101", 3, 3, 1);
    read.SetModified(false);
    w.notes = 0;

    w.font.TakeOver(read);
    EXPECT_EQ(w.notes, 1);
    EXPECT_EQ(w.font.Height(), 12);
    EXPECT_EQ(w.font.Tracking(), 2);
    EXPECT_EQ(w.font.LastChar(), 34);
    ASSERT_EQ(w.font.Count(), 3);
    EXPECT_EQ(w.font.Glyph(1).Rows(), "101");
    EXPECT_EQ(w.font.CurrentIndex(), -1);
    EXPECT_EQ(w.font.Glyph(1).Font(), &w.font);
    EXPECT_FALSE(w.font.Modified());
    EXPECT_EQ(w.font.UndoList().Count(), 0);
    EXPECT_EQ(read.Count(), 0);

    // The glyphs now report to the font that holds them.
    w.font.SetCurrent(1);
    w.notes = 0;
    w.font.Glyph(1).SetWidth(5);
    EXPECT_EQ(w.notes, 1);
}

TEST(FontModel, GlyphChangedRecordsMarksAndNotifies) {
    Watched w;
    MakeNewFont(w.font);
    const int before = w.font.UndoList().Count();
    w.font.GetCurrent()->SetRows("11111111");
    EXPECT_FALSE(w.font.Modified()) << "a glyph edit alone does not mark the font";
    w.notes = 0;
    w.font.GlyphChanged(THistoryKind::RollLeft);
    EXPECT_TRUE(w.font.Modified());
    EXPECT_EQ(w.notes, 1);
    ASSERT_EQ(w.font.UndoList().Count(), before + 1);
    EXPECT_EQ(w.font.UndoList().Entry(before).Action, THistoryKind::RollLeft);
    EXPECT_EQ(w.font.UndoList().Entry(before).Rows, "11111111");
}

TEST(FontModel, HandlerCallingRecordUndoRecordsNothing) {
    Watched w;
    MakeNewFont(w.font);
    const int before = w.font.UndoList().Count();
    int calls = 0;
    w.font.OnChange = [&](TFZXFont& f) {
        ++calls;
        f.RecordUndo(THistoryKind::RectangleTool, 0);
        f.RecordUndoFor(THistoryKind::RectangleTool, 0, 0);
        f.Changed();
    };
    w.font.SetHeight(10);
    w.font.GlyphChanged(
        THistoryKind::RubberTool); // its own entry is recorded before the handler runs
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(w.font.UndoList().Count(), before + 1);
    EXPECT_EQ(w.font.UpdateLock(), 0);

    // Nor does anything inside a bracket.
    {
        TFontUpdate update(w.font, false);
        w.font.RecordUndo(THistoryKind::RectangleTool, 0);
        w.font.SetCurrent(-1);
        w.font.SetCurrent(0);
    }
    EXPECT_EQ(w.font.UndoList().Count(), before + 1);
}

TEST(FontModel, FZXFileSize) {
    TFZXFont font;
    MakeNewFont(font);
    EXPECT_EQ(font.FZXFileSize(), 8);
    MakeBlockFont(font, 127);
    EXPECT_EQ(font.FZXFileSize(), 293 + 768);
    // Two bytes per row from width 9 on; glyphs past LastChar do not count.
    font.Glyph(0).SetWidth(9);
    font.SetLastChar(126);
    ASSERT_EQ(font.Count(), 96);
    EXPECT_EQ(font.FZXFileSize(), 290 + 16 + 94 * 8);
}

TEST(FontModel, IsCHRCompatibleAndWhyNot) {
    struct Case {
        const char* name;
        std::function<void(TFZXFont&)> change;
        const char* reason; // "" when compatible
    };
    const Case cases[] = {
        {"8 x 8 up to 127", [](TFZXFont&) {}, ""},
        {"last char 32", [](TFZXFont& f) { f.SetLastChar(32); }, ""},
        {"last char 128", [](TFZXFont& f) { MakeBlockFont(f, 128); },
         "Last char is 128, beyond 127."},
        {"kern 1", [](TFZXFont& f) { f.Glyph(50).SetKern(1); },
         "Character 82 (R) has a horizontal overlap of 1."},
        {"height 9", [](TFZXFont& f) { f.SetHeight(9); }, "Body height is 9, not 8."},
        {"tracking 1", [](TFZXFont& f) { f.SetTracking(1); }, "Right tracking is 1, not 0."},
        {"width 7", [](TFZXFont& f) { f.Glyph(95).SetAll("1", 0, 7, 0); },
         "Character 127 is 7 pixels wide, not 8."},
        {"width 12", [](TFZXFont& f) { f.Glyph(0).SetWidth(12); },
         "Character 32 is 12 pixels wide, not 8."},
        {"leading + rows 9", [](TFZXFont& f) { f.Glyph(0).SetLeading(1); },
         "Character 32 reaches down to row 9, beyond the 8 rows of a CHR character."},
        {"leading + rows 8", [](TFZXFont& f) { f.Glyph(0).SetAll("1|1|1", 5, 8, 0); }, ""},
        {"wide glyph past last char",
         [](TFZXFont& f) {
             f.Glyph(95).SetAll("1", 0, 20, 3);
             f.SetLastChar(126);
         },
         ""},
    };
    for (const auto& c : cases) {
        TFZXFont font;
        MakeBlockFont(font, 127);
        c.change(font);
        EXPECT_EQ(font.IsCHRCompatible(), *c.reason == 0) << c.name;
        EXPECT_EQ(font.CHRIncompatibility(), c.reason) << c.name;
    }
}

TEST(FontModel, QueriesStayInsideAGlyphListCutShortByAFailedRead) {
    TFZXFont font;
    const std::uint8_t cut[] = {8, 0, 127, 0x00, 0x00, 0x07, 0x00, 0x00};
    ASSERT_NE(font.LoadFZXBytes(cut, sizeof cut), "");
    ASSERT_LT(font.Count(), font.LastChar() - 31);
    // What they answer in this state does not matter; they must not read past the list.
    font.IsCHRCompatible();
    EXPECT_NE(font.CHRIncompatibility(), "");
    font.FZXFileSize();
    font.MaxWidth();
    font.MaxHeight();
    font.VerticalLimits(32, 255);
}

TEST(FontModel, VerticalLimitsInOrderOfFirstAppearance) {
    TFZXFont font;
    font.Clear();
    font.SetLastChar(40);
    EXPECT_TRUE(font.VerticalLimits(32, 40).empty());
    font.Glyph(1).SetAll("1|1|1|1|1", 1, 8, 0);   // code 33: 1 and 6
    font.Glyph(2).SetAll("1|1|1|1|1|1", 0, 8, 0); // code 34: 0 and 6
    font.Glyph(4).SetAll("1", 5, 8, 0);           // code 36: 5 and 6
    EXPECT_EQ(font.VerticalLimits(32, 35), (Tintarray{1, 6, 0}));
    EXPECT_EQ(font.VerticalLimits(34, 36), (Tintarray{0, 6, 5}));
    EXPECT_EQ(font.VerticalLimits(0, 255), (Tintarray{1, 6, 0, 5}));
    EXPECT_TRUE(font.VerticalLimits(37, 31).empty());
}

TEST(FontModel, CellSize) {
    TFZXFont font;
    font.Clear();
    font.SetLastChar(33);
    font.SetHeight(10);
    font.SetTracking(2);
    font.Glyph(1).SetWidth(5);
    EXPECT_EQ(font.CellSize(1, 3), std::make_pair(21, 30));
    EXPECT_EQ(font.CellSize(0, 1), std::make_pair(10, 10));
    EXPECT_EQ(font.CellSize(2, 3), std::make_pair(0, 0));
    EXPECT_EQ(font.CellSize(-1, 3), std::make_pair(0, 0));
}

TEST(FontModel, ParseGuideLines) {
    struct Case {
        const char* text;
        int height;
        Tintarray want;
    };
    const Case cases[] = {
        {"8, 16, 24", 16, {8, 16}},
        {"-5", 16, {5}},
        {"", 16, {}},
        {"3 3,x2;0", 16, {3, 3, 2, 0}},
        // Too large for 32 bits: skipped, not wrapped (2^32 + 8 is not 8).
        {"4294967304 99999999999999999999999 7", 16, {7}},
        {"2147483647 2147483648", INT_MAX, {2147483647}},
    };
    for (const auto& c : cases) {
        TFZXFont font;
        font.SetHeight(c.height);
        EXPECT_EQ(font.ParseGuideLines(c.text), c.want) << "'" << c.text << "'";
    }
}

} // namespace
