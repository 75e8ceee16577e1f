// Undo and redo through a real font: restoring snapshots must bring back
// exactly the font as it was after each recorded step.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/font.h"
#include "model/updatescope.h"
#include "shell/historysteps.h"

namespace {

struct GlyphState {
    std::string rows;
    int leading, width, kern;
    bool operator==(const GlyphState& o) const {
        return rows == o.rows && leading == o.leading && width == o.width && kern == o.kern;
    }
};

struct FontState {
    int current;
    std::vector<GlyphState> glyphs;
    bool operator==(const FontState& o) const { return current == o.current && glyphs == o.glyphs; }
};

FontState StateOf(const TFZXFont& font) {
    FontState s{font.CurrentIndex(), {}};
    for (int i = 0; i < font.Count(); ++i) {
        const TFZXChar& g = font.Glyph(i);
        s.glyphs.push_back({g.Rows(), g.Leading(), g.Width(), g.Kern()});
    }
    return s;
}

// A font of three glyphs with glyph 0 selected: one history entry.
struct HistoryFont {
    TFZXFont font;
    int changes = 0;
    // The font after each recorded entry; states[Position] is the present.
    std::vector<FontState> states;

    HistoryFont() {
        {
            TFontUpdate update(font, false);
            font.Clear();
            font.SetLastChar(34);
        }
        font.SetCurrent(0);
        states.push_back(StateOf(font));
        font.OnChange = [this](TFZXFont&) { ++changes; };
    }

    // An edit of one glyph as the commands make it: select, change, record.
    void Edit(int index, const GlyphState& g, THistoryKind action) {
        if (index != font.CurrentIndex()) {
            font.SetCurrent(index);
            states.push_back(StateOf(font));
        }
        font.Glyph(index).SetAll(g.rows, g.leading, g.width, g.kern);
        font.GlyphChanged(action);
        states.push_back(StateOf(font));
    }
};

TEST(HistorySteps, EveryStepRestoresTheRecordedFont) {
    HistoryFont h;
    h.Edit(0, {"1", 0, 8, 0}, THistoryKind::PixelsChanged);
    h.Edit(0, {"11|01", 2, 8, 0}, THistoryKind::LineTool);
    h.Edit(1, {"101", 1, 3, 0}, THistoryKind::RectangleTool);
    h.Edit(1, {"101", 1, 3, -2}, THistoryKind::KernChanged);
    h.Edit(0, {"1111", 0, 4, 0}, THistoryKind::WidthChanged);
    h.Edit(2, {"1|1|1", 5, 12, 1}, THistoryKind::CopyCharacter);
    ASSERT_EQ(h.font.UndoList().Count(), int(h.states.size()));
    const int last = int(h.states.size()) - 1;
    h.font.SetModified(false);

    for (int p = last - 1; p >= 0; --p) {
        h.changes = 0;
        ASSERT_EQ(UndoRedoSteps(h.font, 0, 1), 1);
        EXPECT_EQ(h.font.UndoList().Position(), p);
        EXPECT_TRUE(StateOf(h.font) == h.states[p]) << "after undo to entry " << p;
        EXPECT_EQ(h.changes, 1);
    }
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 1), 0) << "the base entry stays";
    for (int p = 1; p <= last; ++p) {
        ASSERT_EQ(UndoRedoSteps(h.font, 1, 1), 1);
        EXPECT_TRUE(StateOf(h.font) == h.states[p]) << "after redo to entry " << p;
    }
    EXPECT_EQ(h.font.UndoList().Count(), int(h.states.size())) << "restoring records nothing";
    EXPECT_FALSE(h.font.Modified()) << "undo and redo leave the flag alone";
}

TEST(HistorySteps, ManyStepsInOneNotification) {
    HistoryFont h;
    for (int i = 1; i <= 6; ++i)
        h.Edit(i % 3, {std::string(i, '1'), 0, 8, 0}, THistoryKind::PixelsChanged);
    const int last = h.font.UndoList().Position();

    h.changes = 0;
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 5), 5);
    EXPECT_EQ(h.changes, 1);
    EXPECT_TRUE(StateOf(h.font) == h.states[last - 5]);

    // Asking for more than there is takes what there is.
    EXPECT_EQ(UndoRedoSteps(h.font, 1, 1000), 5);
    EXPECT_TRUE(StateOf(h.font) == h.states[last]);

    h.changes = 0;
    EXPECT_EQ(UndoRedoSteps(h.font, 2, 3), 0) << "unknown kind";
    EXPECT_EQ(UndoRedoSteps(h.font, 1, 3), 0) << "nothing to redo";
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 0), 0);
    EXPECT_EQ(h.changes, 0);
    EXPECT_TRUE(StateOf(h.font) == h.states[last]);
}

TEST(HistorySteps, RecordingAfterUndoCutsRedo) {
    HistoryFont h;
    h.Edit(0, {"1", 0, 8, 0}, THistoryKind::PixelsChanged);
    h.Edit(1, {"11", 0, 8, 0}, THistoryKind::PixelsChanged);
    UndoRedoSteps(h.font, 0, 2);
    EXPECT_TRUE(h.font.CanRedo());
    h.font.Glyph(0).SetAll("111", 0, 8, 0);
    h.font.GlyphChanged(THistoryKind::PixelsChanged);
    EXPECT_FALSE(h.font.CanRedo());
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 1), 1);
    EXPECT_TRUE(StateOf(h.font) == h.states[1]);
}

TEST(HistorySteps, HeaderClickUndoesAWholeGroup) {
    // Italic on both glyphs of a two-glyph font as one group, recorded the
    // way the all-glyph commands do: a selection snapshot, then the result.
    HistoryFont h;
    h.Edit(0, {"1", 0, 8, 0}, THistoryKind::PixelsChanged);
    h.Edit(1, {"11", 1, 8, 0}, THistoryKind::PixelsChanged);
    const FontState before = StateOf(h.font);
    const int g = h.font.UndoList().NewGroup();
    for (int i = 0; i < 2; ++i) {
        h.font.RecordUndoFor(THistoryKind::SelectChar, i, g);
        TFZXChar& glyph = h.font.Glyph(i);
        glyph.SetAll("0" + glyph.Rows(), glyph.Leading(), glyph.Width(), glyph.Kern());
        h.font.RecordUndoFor(THistoryKind::Italic, i, g);
    }
    h.font.UndoList().OnUndoRedo = [&](std::uint8_t kind, int steps) {
        UndoRedoSteps(h.font, kind, steps);
    };

    THistoryMenu menu;
    ASSERT_TRUE(h.font.UndoList().FillUndoMenu(50, menu));
    ASSERT_EQ(menu[1].Kind, THistoryMenuItem::Header);
    EXPECT_EQ(menu[1].Caption, "Undo italic mode group (4 entries)");
    h.font.UndoList().Click(menu[1]);
    EXPECT_TRUE(StateOf(h.font) == before);

    ASSERT_TRUE(h.font.UndoList().FillRedoMenu(50, menu));
    h.font.UndoList().Click(menu[1]);
    EXPECT_EQ(h.font.Glyph(0).Rows(), "01");
    EXPECT_EQ(h.font.Glyph(1).Rows(), "011");
}

TEST(HistorySteps, UndoToADroppedGlyphLeavesNoGlyphCurrentAndLosesNoEdit) {
    // Glyph 2 is edited, then the last character is lowered so that the
    // empty glyph 2 is dropped while its entries stay in the history.
    HistoryFont h;
    h.Edit(2, {"", 0, 8, 0}, THistoryKind::PixelsChanged);
    h.Edit(0, {"1", 0, 8, 0}, THistoryKind::PixelsChanged);
    h.font.SetLastChar(33);
    ASSERT_EQ(h.font.Count(), 2);

    // The second step names glyph 2, which is no longer held: no glyph is
    // current afterwards, so nothing can be drawn behind that entry.
    const int before = h.changes;
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 2), 2);
    EXPECT_EQ(h.font.CurrentIndex(), 2);
    EXPECT_EQ(h.font.GetCurrent(), nullptr);
    EXPECT_EQ(h.font.Glyph(0).Rows(), ""); // its own step was restored
    EXPECT_EQ(h.changes, before + 1);

    // The user picks glyph 0 and draws: one undo takes exactly that back.
    h.Edit(0, {"11", 0, 8, 0}, THistoryKind::PixelsChanged);
    EXPECT_EQ(UndoRedoSteps(h.font, 0, 1), 1);
    EXPECT_EQ(h.font.CurrentIndex(), 0);
    EXPECT_EQ(h.font.Glyph(0).Rows(), "");
}

} // namespace
