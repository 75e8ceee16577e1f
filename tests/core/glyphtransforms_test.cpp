// Whole-glyph transforms and the font commands that record them.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model/font.h"
#include "model/updatescope.h"

namespace {

struct GlyphState {
    std::string Rows;
    int Leading = 0;
    int Width = 0;
    int Kern = 0;
};

GlyphState StateOf(const TFZXChar& g) {
    return {g.Rows(), g.Leading(), g.Width(), g.Kern()};
}

void ExpectState(const TFZXChar& g, const GlyphState& s) {
    EXPECT_EQ(g.Rows(), s.Rows);
    EXPECT_EQ(g.Leading(), s.Leading);
    EXPECT_EQ(g.Width(), s.Width);
    EXPECT_EQ(g.Kern(), s.Kern);
}

// A font of the given height holding the given glyphs (codes from 32 on);
// glyph 0 is current, the history holds its "select char" entry and the
// font counts as unmodified.
struct TestFont {
    TFZXFont font;
    int changes = 0;
    std::vector<std::string> messages;

    TestFont(int height, const std::vector<GlyphState>& glyphs) {
        {
            TFontUpdate update(font, false);
            font.SetHeight(height);
            font.SetLastChar(31 + static_cast<int>(glyphs.size()));
            for (std::size_t i = 0; i < glyphs.size(); ++i) {
                const GlyphState& s = glyphs[i];
                font.Glyph(static_cast<int>(i)).SetAll(s.Rows, s.Leading, s.Width, s.Kern);
            }
        }
        font.SetCurrent(0);
        font.SetModified(false);
        font.OnChange = [this](TFZXFont&) { ++changes; };
        font.OnMessage = [this](const std::string& text) { messages.push_back(text); };
    }
    TFZXChar& glyph(int i = 0) { return font.Glyph(i); }
};

using GlyphOp = std::function<void(TFZXChar&)>;

struct TransformCase {
    const char* Name;
    int Height;
    GlyphState Before;
    GlyphOp Op;
    GlyphState After;
};

TEST(GlyphTransforms, Examples) {
    const TransformCase cases[] = {
        {"bold spreads by one pixel", 8, {"0110", 0, 4, 0}, &TFZXChar::Bold, {"01110", 0, 5, 0}},
        {"bold reads the row before", 8, {"1010", 0, 4, 0}, &TFZXChar::Bold, {"11110", 0, 5, 0}},
        {"bold of empty glyph", 8, {"", 0, 8, 0}, &TFZXChar::Bold, {"", 0, 9, 0}},
        {"italic with free edges",
         8,
         {"010|010|010|010|010|010|010|010", 0, 3, 0},
         &TFZXChar::Italic,
         {"001|001|001|010|010|100|100|100", 0, 3, 0}},
        {"italic widens both edges",
         8,
         {"111|111|111|111|111|111|111|111", 0, 3, 0},
         &TFZXChar::Italic,
         {"00111|00111|00111|01110|01110|11100|11100|11100", 0, 5, 1}},
        {"italic holds kern at 3",
         8,
         {"111|111|111|111|111|111|111|111", 0, 3, 3},
         &TFZXChar::Italic,
         {"00111|00111|00111|01110|01110|11100|11100|11100", 0, 5, 3}},
        {"italic in a cell of height 1", 1, {"11", 0, 2, 0}, &TFZXChar::Italic, {"11", 0, 2, 0}},
        {"italic shifts the glyph's own bottom rows",
         2,
         {"01|10|01", 0, 2, 0},
         &TFZXChar::Italic,
         {"0001|0100|0100", 0, 4, 1}},
        {"roll up wraps",
         8,
         {"100|010", 0, 3, 0},
         [](TFZXChar& g) { g.RollUp(1); },
         {"010|000|000|000|000|000|000|100", 0, 3, 0}},
        {"roll down undoes it",
         8,
         {"010|000|000|000|000|000|000|100", 0, 3, 0},
         [](TFZXChar& g) { g.RollDown(1); },
         {"100|010", 0, 3, 0}},
        {"roll up by more than the cell",
         8,
         {"1", 0, 1, 0},
         [](TFZXChar& g) { g.RollUp(17); },
         {"1", 7, 1, 0}},
        {"roll left",
         8,
         {"100|110", 2, 3, 1},
         [](TFZXChar& g) { g.RollLeft(1); },
         {"001|101", 2, 3, 1}},
        {"roll right",
         8,
         {"100|110", 2, 3, 1},
         [](TFZXChar& g) { g.RollRight(1); },
         {"010|011", 2, 3, 1}},
        {"roll right by 0",
         8,
         {"100", 0, 3, 0},
         [](TFZXChar& g) { g.RollRight(0); },
         {"100", 0, 3, 0}},
        {"single pixel rows stay",
         8,
         {"1|0|1", 0, 1, 0},
         [](TFZXChar& g) { g.RollLeft(5); },
         {"1|0|1", 0, 1, 0}},
        {"flip horizontal",
         8,
         {"110|100", 1, 3, 2},
         &TFZXChar::FlipHorizontal,
         {"011|001", 1, 3, 2}},
        {"flip vertical", 8, {"110|100", 1, 3, 0}, &TFZXChar::FlipVertical, {"100|110", 5, 3, 0}},
        {"flip vertical below the cell",
         2,
         {"1|0|1", 1, 1, 0},
         &TFZXChar::FlipVertical,
         {"1|0|1", 0, 1, 0}},
        {"adjust top", 8, {"1|1", 3, 1, 0}, &TFZXChar::AdjustTop, {"1|1", 0, 1, 0}},
        {"adjust bottom", 8, {"1|1", 1, 1, 0}, &TFZXChar::AdjustBottom, {"1|1", 6, 1, 0}},
        {"adjust bottom below the cell",
         2,
         {"1|1", 1, 1, 0},
         &TFZXChar::AdjustBottom,
         {"1|1", 1, 1, 0}},
        {"adjust left", 8, {"0010|0011", 0, 4, 0}, &TFZXChar::AdjustLeft, {"1000|1100", 0, 4, 0}},
        {"adjust right", 8, {"0100|1100", 0, 4, 0}, &TFZXChar::AdjustRight, {"0001|0011", 0, 4, 0}},
        {"hcenter rolls left by 2",
         8,
         {"00011", 0, 5, 0},
         &TFZXChar::AdjustHCenter,
         {"01100", 0, 5, 0}},
        {"hcenter spare column right",
         8,
         {"0100", 0, 4, 0},
         &TFZXChar::AdjustHCenter,
         {"0100", 0, 4, 0}},
        {"vcenter rolls down by 2",
         8,
         {"1|0|1", 0, 1, 0},
         &TFZXChar::AdjustVCenter,
         {"1|0|1", 2, 1, 0}},
        {"vcenter rolls up", 8, {"1", 7, 1, 0}, &TFZXChar::AdjustVCenter, {"1", 3, 1, 0}},
        {"adjust empty glyph", 8, {"", 0, 4, 0}, &TFZXChar::AdjustRight, {"", 0, 4, 0}},
        {"clear keeps the width", 8, {"11", 2, 2, 3}, &TFZXChar::Clear, {"", 0, 2, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TestFont f(c.Height, {c.Before});
        c.Op(f.glyph());
        ExpectState(f.glyph(), c.After);
    }
}

TEST(GlyphTransforms, BoldMatchesPixelReference) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const int width = 1 + static_cast<int>(random() % 40);
        const int rows = 1 + static_cast<int>(random() % 6);
        TStringList before, after;
        for (int y = 0; y < rows; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x)
                row += random() % 3 == 0 ? '1' : '0';
            std::string bold = row + '0';
            for (int x = 0; x < width; ++x)
                if (row[static_cast<std::size_t>(x)] == '1')
                    bold[static_cast<std::size_t>(x) + 1] = '1';
            before.push_back(row);
            after.push_back(bold);
        }
        TestFont f(8,
                   {{JoinText(before, '|'), 1, width, 0}, {JoinText(after, '|'), 1, width + 1, 0}});
        f.glyph(1).Normalize();
        f.glyph(0).Bold();
        ASSERT_EQ(StateOf(f.glyph(0)).Rows, f.glyph(1).Rows()) << JoinText(before, '|');
        ASSERT_EQ(f.glyph(0).Leading(), f.glyph(1).Leading());
        ASSERT_EQ(f.glyph(0).Width(), width + 1);
    }
}

TEST(GlyphTransforms, Spaces) {
    struct Case {
        int Height;
        GlyphState Glyph;
        int Left, Right, Top, Bottom;
    };
    const Case cases[] = {
        {8, {"0010|0110", 2, 4, 0}, 1, 1, 2, 4},
        {8, {"", 3, 5, 0}, 5, 5, 0, 0},       // no rows
        {8, {"0000", 0, 4, 0}, 4, 4, 0, 7},   // a blank row counts whole
        {2, {"1|1|1", 1, 1, 0}, 0, 0, 1, -2}, // below the cell
    };
    for (const auto& c : cases) {
        TestFont f(c.Height, {c.Glyph});
        SCOPED_TRACE(c.Glyph.Rows);
        EXPECT_EQ(f.glyph().LeftSpace(), c.Left);
        EXPECT_EQ(f.glyph().RightSpace(), c.Right);
        EXPECT_EQ(f.glyph().TopSpace(), c.Top);
        EXPECT_EQ(f.glyph().BottomSpace(), c.Bottom);
    }
}

TEST(GlyphTransforms, NotificationsPerOperation) {
    struct Case {
        const char* Name;
        int Height;
        GlyphOp Op;
        int Changes;
    };
    const Case cases[] = {
        {"bold", 8, &TFZXChar::Bold, 1},
        {"italic", 8, &TFZXChar::Italic, 1},
        {"italic in height 1", 1, &TFZXChar::Italic, 0},
        {"roll up", 8, [](TFZXChar& g) { g.RollUp(1); }, 1},
        {"roll left by 0", 8, [](TFZXChar& g) { g.RollLeft(0); }, 1},
        {"flip vertical", 8, &TFZXChar::FlipVertical, 1},
        {"adjust left in place", 8, &TFZXChar::AdjustLeft, 0},
        {"adjust top", 8, &TFZXChar::AdjustTop, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TestFont f(c.Height, {{"10|01", 1, 2, 0}});
        c.Op(f.glyph());
        EXPECT_EQ(f.changes, c.Changes);
    }
}

TEST(FontTransforms, SingleGlyphCommandsRecordTheirAction) {
    struct Case {
        const char* Name;
        std::function<void(TFZXFont&)> Command;
        THistoryKind Action;
    };
    const Case cases[] = {
        {"italic", [](TFZXFont& f) { f.ApplyToCurrent(coItalic); }, THistoryKind::Italic},
        {"adjust vertical", [](TFZXFont& f) { f.ApplyToCurrent(coAdjustVCenter); },
         THistoryKind::AdjustVertical},
        {"clear", [](TFZXFont& f) { f.ApplyToCurrent(coClear); }, THistoryKind::ClearChar},
        {"flip horizontal", [](TFZXFont& f) { f.FlipHorizontal(); }, THistoryKind::FlipHorizontal},
        {"flip vertical", [](TFZXFont& f) { f.FlipVertical(); }, THistoryKind::FlipVertical},
        {"roll up", [](TFZXFont& f) { f.RollUp(1); }, THistoryKind::RollUp},
        {"roll down", [](TFZXFont& f) { f.RollDown(1); }, THistoryKind::RollDown},
        {"roll left", [](TFZXFont& f) { f.RollLeft(1); }, THistoryKind::RollLeft},
        {"roll right", [](TFZXFont& f) { f.RollRight(1); }, THistoryKind::RollRight},
        {"width", [](TFZXFont& f) { f.SetCurrentWidth(5); }, THistoryKind::WidthChanged},
        {"kern", [](TFZXFont& f) { f.SetCurrentKern(2); }, THistoryKind::KernChanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TestFont f(8, {{"", 0, 8, 0}, {"110|011", 1, 3, 0}});
        f.font.SetCurrent(1);
        f.changes = 0;
        c.Command(f.font);
        // One command, one refresh of the window.
        EXPECT_EQ(f.changes, 1);
        const Tundolist& history = f.font.UndoList();
        ASSERT_EQ(history.Count(), 3);
        const Tundolistentry& e = history.Entry(2);
        EXPECT_EQ(e.Action, c.Action);
        EXPECT_EQ(e.CharIndex, 1);
        EXPECT_EQ(e.Group, 0);
        EXPECT_EQ(e.Rows, f.glyph(1).Rows());
        EXPECT_EQ(e.Width, f.glyph(1).Width());
        EXPECT_TRUE(f.font.Modified());
    }
}

TEST(FontTransforms, EqualWidthOrKernAndMissingGlyphRecordNothing) {
    TestFont f(8, {{"11", 0, 2, 1}});
    f.font.SetCurrentWidth(2);
    f.font.SetCurrentKern(1);
    EXPECT_EQ(f.font.UndoList().Count(), 1);
    EXPECT_FALSE(f.font.Modified());
    EXPECT_EQ(f.changes, 0);

    TFZXFont empty;
    empty.ApplyToCurrent(coBold);
    empty.FlipVertical();
    empty.RollLeft(1);
    empty.SetCurrentWidth(3);
    EXPECT_EQ(empty.UndoList().Count(), 0);
    EXPECT_FALSE(empty.Modified());
}

TEST(FontTransforms, CancelledScaleOfCurrentStillRecords) {
    for (const bool assigned : {true, false}) {
        TestFont f(8, {{"11", 0, 2, 0}});
        if (assigned) f.font.OnGetScaleFactors = [](double&, double&) { return false; };
        f.font.ApplyToCurrent(coScale);
        ASSERT_EQ(f.font.UndoList().Count(), 2);
        const Tundolistentry& e = f.font.UndoList().Entry(1);
        EXPECT_EQ(e.Action, THistoryKind::ScaleChar);
        EXPECT_EQ(e.Rows, "11");
        EXPECT_TRUE(f.font.Modified());
        EXPECT_TRUE(f.messages.empty());
    }
}

TEST(FontTransforms, CancelledScaleOfAllDoesNothing) {
    TestFont f(8, {{"11", 0, 2, 0}, {"1", 0, 1, 0}});
    f.font.OnGetScaleFactors = [](double&, double&) { return false; };
    f.font.ApplyToAll(coScale);
    EXPECT_EQ(f.font.UndoList().Count(), 1);
    EXPECT_FALSE(f.font.Modified());
    EXPECT_EQ(f.changes, 0);
}

TEST(FontTransforms, ApplyToAllRecordsOneGroup) {
    TestFont f(8, {{"1", 0, 1, 0}, {"", 0, 8, 0}, {"01", 2, 2, 0}});
    f.font.SetCurrent(1);
    const int base = f.font.UndoList().Count();
    bool modifiedAtNotice = false;
    f.changes = 0;
    f.font.OnChange = [&](TFZXFont& font) {
        ++f.changes;
        modifiedAtNotice = font.Modified();
    };
    std::vector<GlyphState> before;
    for (int i = 0; i < 3; ++i)
        before.push_back(StateOf(f.glyph(i)));

    f.font.ApplyToAll(coBold);
    const Tundolist& history = f.font.UndoList();
    ASSERT_EQ(history.Count(), base + 6);
    const int group = history.Entry(base).Group;
    EXPECT_GT(group, 0);
    for (int i = 0; i < 3; ++i) {
        const Tundolistentry& select = history.Entry(base + 2 * i);
        const Tundolistentry& bold = history.Entry(base + 2 * i + 1);
        EXPECT_EQ(select.Action, THistoryKind::SelectChar);
        EXPECT_EQ(bold.Action, THistoryKind::Bold);
        EXPECT_EQ(select.CharIndex, i);
        EXPECT_EQ(bold.CharIndex, i);
        EXPECT_EQ(select.Group, group);
        EXPECT_EQ(bold.Group, group);
        EXPECT_EQ(select.Rows, before[static_cast<std::size_t>(i)].Rows);
        EXPECT_EQ(bold.Width, before[static_cast<std::size_t>(i)].Width + 1);
    }
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(modifiedAtNotice);
    EXPECT_EQ(f.font.CurrentIndex(), 1);

    // A second command gets the next group.
    f.font.ApplyToAll(coAdjustLeft);
    EXPECT_EQ(history.Entry(history.Count() - 1).Group, group + 1);
}

TEST(FontTransforms, FitWidthTakesTheInkAndKeepsEmptyGlyphs) {
    struct Case {
        const char* Name;
        GlyphState Before;
        int Width;
    };
    const Case cases[] = {
        {"ink in the middle", {"00100000|01110000", 0, 8, 0}, 4},
        {"ink at the right edge", {"00000001", 3, 8, 1}, 8},
        {"empty glyph keeps its width", {"", 0, 8, 0}, 8},
        {"short rows", {"1|01", 0, 12, 0}, 2},
        {"ink past the width does not count", {"0110", 0, 2, 0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TestFont f(8, {c.Before});
        const int entries = f.font.UndoList().Count();
        f.font.FitCurrentWidth();
        EXPECT_EQ(f.glyph().Width(), c.Width);
        EXPECT_EQ(f.glyph().Leading(), c.Before.Leading);
        EXPECT_EQ(f.glyph().Kern(), c.Before.Kern);
        const bool changed = c.Width != c.Before.Width;
        EXPECT_EQ(f.font.UndoList().Count(), entries + (changed ? 1 : 0));
        EXPECT_EQ(f.font.Modified(), changed);
        if (changed) {
            EXPECT_EQ(f.font.UndoList().Entry(entries).Action, THistoryKind::FitWidth);
            // Undo gives the old width back with its pixels.
            TGlyphSnapshot s;
            ASSERT_TRUE(f.font.UndoList().Undo(s));
            EXPECT_EQ(s.Width, c.Before.Width);
        }
    }
}

TEST(FontTransforms, FitAllWidthsIsOneGroupOfTheGlyphsThatChange) {
    TestFont f(8, {{"", 0, 8, 0}, {"0011|0110", 0, 8, 0}, {"11", 0, 2, 0}, {"1", 0, 8, 0}});
    const int base = f.font.UndoList().Count();
    f.changes = 0;
    f.font.FitAllWidths();
    EXPECT_EQ(f.glyph(0).Width(), 8);
    EXPECT_EQ(f.glyph(1).Width(), 4);
    EXPECT_EQ(f.glyph(2).Width(), 2);
    EXPECT_EQ(f.glyph(3).Width(), 1);
    const Tundolist& history = f.font.UndoList();
    ASSERT_EQ(history.Count(), base + 4);
    const int group = history.Entry(base).Group;
    EXPECT_GT(group, 0);
    const int glyphs[] = {1, 3};
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(history.Entry(base + 2 * k).Action, THistoryKind::SelectChar);
        EXPECT_EQ(history.Entry(base + 2 * k).Width, 8);
        EXPECT_EQ(history.Entry(base + 2 * k + 1).Action, THistoryKind::FitWidth);
        EXPECT_EQ(history.Entry(base + 2 * k + 1).CharIndex, glyphs[k]);
        EXPECT_EQ(history.Entry(base + 2 * k + 1).Group, group);
    }
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(f.font.Modified());

    // Nothing left to fit: no group, no notice, no mark.
    f.font.SetModified(false);
    f.changes = 0;
    f.font.FitAllWidths();
    EXPECT_EQ(history.Count(), base + 4);
    EXPECT_EQ(f.changes, 0);
    EXPECT_FALSE(f.font.Modified());
}

TEST(FontTransforms, PasteCurrentReplacesTheGlyphAsOneStep) {
    TestFont f(8, {{"1111", 0, 4, 0}});
    const int base = f.font.UndoList().Count();
    f.changes = 0;
    f.font.PasteCurrent("01|1", 2, 3, 1);
    // Rows filled to the width, blank first row dropped into the leading.
    ExpectState(f.glyph(), {"010|100", 2, 3, 1});
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(f.font.Modified());
    ASSERT_EQ(f.font.UndoList().Count(), base + 1);
    EXPECT_EQ(f.font.UndoList().Entry(base).Action, THistoryKind::PasteCharacter);
    EXPECT_EQ(EntryText(f.font.UndoList().Entry(base)), "paste character");
}

TEST(GlyphModel, RevisionChangesWithEveryVisibleChange) {
    TestFont f(8, {{"1", 0, 4, 0}, {"1", 0, 4, 0}});
    TFZXChar& g = f.glyph();
    EXPECT_NE(g.Revision(), f.glyph(1).Revision());
    const std::vector<std::pair<const char*, GlyphOp>> edits = {
        {"rows", [](TFZXChar& x) { x.SetRows("01"); }},
        {"width", [](TFZXChar& x) { x.SetWidth(6); }},
        {"leading", [](TFZXChar& x) { x.SetLeading(2); }},
        {"kern", [](TFZXChar& x) { x.SetKern(1); }},
        {"all", [](TFZXChar& x) { x.SetAll("100000", 0, 6, 1); }},
        {"transform", [](TFZXChar& x) { x.RollRight(1); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        const auto before = g.Revision();
        edit(g);
        EXPECT_NE(g.Revision(), before);
    }
    const auto before = g.Revision();
    g.SetKern(g.Kern()); // an equal value changes nothing
    EXPECT_EQ(g.Revision(), before);
}

} // namespace
