// The undo history: the position walk, cutting, the entry limit, group
// numbers, entry texts and the drop-down menus with their group headers.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "model/undolist.h"

static void PrintTo(const THistoryMenuItem& item, std::ostream* os) {
    static const char* const kinds[] = {"Separator", "Entry", "Header"};
    *os << "{" << kinds[item.Kind] << " \"" << item.Caption << "\" tag " << item.Tag << " icon "
        << item.Icon << " dir " << int(item.Direction) << "}";
}

namespace {

THistoryMenuItem Sep(std::uint8_t dir) {
    THistoryMenuItem item;
    item.Direction = dir;
    return item;
}

THistoryMenuItem Item(THistoryMenuItem::TKind kind, const std::string& caption, int tag, int icon,
                      std::uint8_t dir) {
    THistoryMenuItem item;
    item.Kind = kind;
    item.Caption = caption;
    item.Tag = tag;
    item.Icon = icon;
    item.Direction = dir;
    return item;
}

THistoryMenuItem Entry(const std::string& caption, int tag, int icon, std::uint8_t dir) {
    return Item(THistoryMenuItem::Entry, caption, tag, icon, dir);
}

THistoryMenuItem Header(const std::string& caption, int tag, int icon, std::uint8_t dir) {
    return Item(THistoryMenuItem::Header, caption, tag, icon, dir);
}

// Entry i carries CharIndex i, so a snapshot shows which entry it came from.
void AddNumbered(Tundolist& list, THistoryKind action, int group) {
    const int i = list.Count();
    list.AddEntry(action, i, group, "row" + std::to_string(i), i + 1, i % 16, -i);
}

int EntryItems(const THistoryMenu& menu) {
    int n = 0;
    for (const auto& item : menu)
        n += item.Kind == THistoryMenuItem::Entry;
    return n;
}

// "new character" for glyph 0, then italic on a font of two glyphs as one
// group: select [32], italic, select "!", italic.
void AddItalicGroup(Tundolist& list) {
    list.AddEntry(THistoryKind::NewCharacter, 0, 0, "", 8, 0, 0);
    const int g = list.NewGroup();
    list.AddEntry(THistoryKind::SelectChar, 0, g, "1", 8, 0, 0);
    list.AddEntry(THistoryKind::Italic, 0, g, "01", 8, 0, 0);
    list.AddEntry(THistoryKind::SelectChar, 1, g, "1", 8, 0, 0);
    list.AddEntry(THistoryKind::Italic, 1, g, "01", 8, 0, 0);
}

TEST(UndoList, UndoAndRedoWalkTheSnapshots) {
    Tundolist list(5000);
    TGlyphSnapshot s;
    EXPECT_FALSE(list.Undo(s));
    EXPECT_FALSE(list.Redo(s));

    // A new font: one entry, nothing to undo or redo.
    AddNumbered(list, THistoryKind::NewCharacter, 0);
    EXPECT_FALSE(list.CanUndo());
    EXPECT_FALSE(list.CanRedo());
    EXPECT_FALSE(list.Undo(s));

    // Select a glyph, draw in it: undo gives the state before the stroke.
    AddNumbered(list, THistoryKind::SelectChar, 0);
    AddNumbered(list, THistoryKind::PixelsChanged, 0);
    ASSERT_TRUE(list.Undo(s));
    EXPECT_EQ(list.Position(), 1);
    EXPECT_EQ(s.CharIndex, 1);
    EXPECT_EQ(s.Rows, "row1");
    EXPECT_EQ(s.Width, 2);
    EXPECT_EQ(s.Leading, 1);
    EXPECT_EQ(s.Kern, -1);
    EXPECT_TRUE(list.CanRedo());
    ASSERT_TRUE(list.Redo(s));
    EXPECT_EQ(s.CharIndex, 2);
    EXPECT_EQ(s.Rows, "row2");
    EXPECT_FALSE(list.CanRedo());
    EXPECT_FALSE(list.Redo(s));
    EXPECT_EQ(s.CharIndex, 2) << "a failed step hands back nothing";

    // The base entry cannot be undone.
    ASSERT_TRUE(list.Undo(s));
    ASSERT_TRUE(list.Undo(s));
    EXPECT_EQ(s.CharIndex, 0);
    EXPECT_FALSE(list.Undo(s));
    EXPECT_EQ(list.Position(), 0);
}

TEST(UndoList, RecordingAfterUndoCutsTheRedoBranch) {
    Tundolist list(5000);
    for (int i = 0; i < 5; ++i)
        AddNumbered(list, THistoryKind::PixelsChanged, 0);
    TGlyphSnapshot s;
    list.Undo(s);
    list.Undo(s);
    list.AddEntry(THistoryKind::LineTool, 9, 0, "new", 3, 0, 0);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Position(), 3);
    EXPECT_FALSE(list.CanRedo());
    EXPECT_EQ(list.Entry(3).CharIndex, 9);
    ASSERT_TRUE(list.Undo(s));
    EXPECT_EQ(s.CharIndex, 2);
}

TEST(UndoList, LimitDropsTheOldestEntries) {
    Tundolist list(5000);
    for (int i = 0; i < 5000; ++i)
        AddNumbered(list, THistoryKind::PixelsChanged, 0);
    list.AddEntry(THistoryKind::LineTool, 7777, 0, "last", 1, 0, 0);
    EXPECT_EQ(list.Count(), 5000);
    EXPECT_EQ(list.Position(), 4999);
    EXPECT_EQ(list.Entry(0).CharIndex, 1);
    EXPECT_EQ(list.Entry(4999).CharIndex, 7777);

    // After Clear the next entry is the base state again.
    list.Clear();
    EXPECT_FALSE(list.CanUndo());
    EXPECT_FALSE(list.CanRedo());
    AddNumbered(list, THistoryKind::NewCharacter, 0);
    EXPECT_EQ(list.Position(), 0);
    EXPECT_FALSE(list.CanUndo());
}

TEST(UndoList, NewGroupIsOneAboveTheLargestHeld) {
    Tundolist list(5000);
    EXPECT_EQ(list.NewGroup(), 1);
    AddNumbered(list, THistoryKind::NewCharacter, 0);
    EXPECT_EQ(list.NewGroup(), 1);
    AddNumbered(list, THistoryKind::SelectChar, 3);
    AddNumbered(list, THistoryKind::Italic, 3);
    AddNumbered(list, THistoryKind::PixelsChanged, 0);
    EXPECT_EQ(list.NewGroup(), 4);
    EXPECT_EQ(list.NextGroup(), 4);

    TGlyphSnapshot s;
    list.Undo(s);
    list.Undo(s);
    list.Undo(s);
    EXPECT_EQ(list.NewGroup(), 4) << "undone entries still count";
    AddNumbered(list, THistoryKind::PixelsChanged, 0);
    EXPECT_EQ(list.NewGroup(), 1) << "cut entries do not";
}

TEST(UndoList, Texts) {
    const std::pair<int, std::string> names[] = {
        {32, "[32]"},   {33, "\"!\""},  {38, "\"&&\""}, {65, "\"A\""},
        {126, "\"~\""}, {127, "[127]"}, {169, "[169]"}, {255, "[255]"},
    };
    for (const auto& [code, name] : names)
        EXPECT_EQ(MenuCharName(code), name) << code;

    struct Case {
        int action, index, width;
        std::string text;
    };
    const Case cases[] = {
        {0, 5, 12, "width changed to 12"}, {12, 33, 8, "select char \"A\""},
        {12, 6, 8, "select char \"&&\""},  {12, 0, 8, "select char [32]"},
        {12, 137, 8, "select char [169]"}, {5, 0, 8, "rubber tool"},
        {37, 0, 8, "Scale all chars"},     {200, 0, 8, ""},
    };
    for (const auto& c : cases) {
        Tundolist list(10);
        list.AddEntry(static_cast<THistoryKind>(c.action), c.index, 0, "", c.width, 0, 0);
        EXPECT_EQ(EntryText(list.Entry(0)), c.text) << c.action;
    }
}

TEST(UndoListMenu, GroupOfTwoGlyphs) {
    Tundolist list(5000);
    AddItalicGroup(list);
    THistoryMenu menu;
    ASSERT_TRUE(list.FillUndoMenu(50, menu));
    const THistoryMenu undo = {
        Sep(0),
        Header("Undo italic mode group (4 entries)", 4, 28, 0),
        Sep(0),
        Entry("Undo italic mode", 1, 13, 0),
        Entry("Undo select char \"!\"", 2, 12, 0),
        Entry("Undo italic mode", 3, 13, 0),
        Entry("Undo select char [32]", 4, 12, 0),
        Sep(0),
    };
    EXPECT_EQ(menu, undo);
    EXPECT_FALSE(list.FillRedoMenu(50, menu)) << "nothing to redo";
    EXPECT_EQ(menu, undo) << "menu left as it was";

    TGlyphSnapshot s;
    for (int i = 0; i < 4; ++i)
        list.Undo(s);
    ASSERT_TRUE(list.FillRedoMenu(50, menu));
    const THistoryMenu redo = {
        Sep(1),
        Header("Redo italic mode group (4 entries)", 4, 28, 1),
        Sep(1),
        Entry("Redo select char [32]", 1, 12, 1),
        Entry("Redo italic mode", 2, 13, 1),
        Entry("Redo select char \"!\"", 3, 12, 1),
        Entry("Redo italic mode", 4, 13, 1),
        Sep(1),
    };
    EXPECT_EQ(menu, redo);
}

TEST(UndoListMenu, HeaderTagReachesThroughTheWholeGroup) {
    Tundolist list(5000);
    AddItalicGroup(list);
    list.AddEntry(THistoryKind::PixelsChanged, 1, 0, "11", 8, 0, 0);
    THistoryMenu menu;
    ASSERT_TRUE(list.FillUndoMenu(50, menu));
    const THistoryMenu expected = {
        Entry("Undo pixels changed", 1, 1, 0),
        Sep(0),
        Header("Undo italic mode group (4 entries)", 5, 28, 0),
        Sep(0),
        Entry("Undo italic mode", 2, 13, 0),
        Entry("Undo select char \"!\"", 3, 12, 0),
        Entry("Undo italic mode", 4, 13, 0),
        Entry("Undo select char [32]", 5, 12, 0),
        Sep(0),
    };
    EXPECT_EQ(menu, expected);
}

TEST(UndoListMenu, HeaderCaptionFollowsTheGroupAction) {
    // The header names the transform, also when the walk meets the group's
    // "select char" entry first (redo); other groups are just "group".
    struct Case {
        std::vector<int> actions; // of one group, after a base entry
        std::string undo, redo;
        int icon;
    };
    const Case cases[] = {
        {{12, 14}, "Undo bold mode group (2 entries)", "Redo bold mode group (2 entries)", 29},
        {{12, 22}, "Undo scale char group (2 entries)", "Redo scale char group (2 entries)", 37},
        {{12, 21, 12, 21},
         "Undo clear char group (4 entries)",
         "Redo clear char group (4 entries)",
         36},
        {{12, 39, 12, 39},
         "Undo fit width group (4 entries)",
         "Redo fit width group (4 entries)",
         40},
        {{1, 1, 1}, "Undo group (3 entries)", "Redo group (3 entries)", -1},
        {{12, 12}, "Undo group (2 entries)", "Redo group (2 entries)", -1},
    };
    for (const auto& c : cases) {
        Tundolist list(5000);
        AddNumbered(list, THistoryKind::NewCharacter, 0);
        for (int a : c.actions)
            AddNumbered(list, static_cast<THistoryKind>(a), 1);
        THistoryMenu menu;
        ASSERT_TRUE(list.FillUndoMenu(50, menu));
        EXPECT_EQ(menu[1], Header(c.undo, int(c.actions.size()), c.icon, 0));
        TGlyphSnapshot s;
        while (list.Undo(s)) {
        }
        ASSERT_TRUE(list.FillRedoMenu(50, menu));
        EXPECT_EQ(menu[1], Header(c.redo, int(c.actions.size()), c.icon, 1));
    }
}

TEST(UndoListMenu, ItemLimitAndHeadersBeyondIt) {
    // Base, a group of two far from the present, then 60 single edits.
    Tundolist list(5000);
    AddNumbered(list, THistoryKind::NewCharacter, 0);
    AddNumbered(list, THistoryKind::SelectChar, 1);
    AddNumbered(list, THistoryKind::Italic, 1);
    for (int i = 0; i < 60; ++i)
        AddNumbered(list, THistoryKind::PixelsChanged, 0);

    THistoryMenu menu;
    ASSERT_TRUE(list.FillUndoMenu(50, menu));
    EXPECT_EQ(EntryItems(menu), 50);
    EXPECT_EQ(menu.front(), Entry("Undo pixels changed", 1, 1, 0));
    EXPECT_EQ(menu[49], Entry("Undo pixels changed", 50, 1, 0));
    // No items for the far group, but its header undoes everything through it.
    const THistoryMenu tail(menu.end() - 3, menu.end());
    EXPECT_EQ(tail, (THistoryMenu{Sep(0), Header("Undo italic mode group (2 entries)", 62, 28, 0),
                                  Sep(0)}));

    // 60 steps to redo list 49 of them.
    TGlyphSnapshot s;
    for (int i = 0; i < 60; ++i)
        list.Undo(s);
    ASSERT_TRUE(list.FillRedoMenu(50, menu));
    EXPECT_EQ(EntryItems(menu), 49);
    EXPECT_EQ(menu.back(), Entry("Redo pixels changed", 49, 1, 1));
}

TEST(UndoListMenu, ClickReportsDirectionAndSteps) {
    Tundolist list(5000);
    AddItalicGroup(list);
    THistoryMenu undo, redo;
    list.FillUndoMenu(50, undo);
    TGlyphSnapshot s;
    list.Undo(s);
    list.FillRedoMenu(50, redo);

    list.Click(undo[1]); // unassigned callback: nothing happens
    std::vector<std::pair<int, int>> calls;
    list.OnUndoRedo = [&](std::uint8_t kind, int steps) { calls.emplace_back(kind, steps); };
    list.Click(undo[1]);
    list.Click(undo[4]);
    list.Click(undo[0]); // separator
    list.Click(redo[0]);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 4}, {0, 2}, {1, 1}}));
}

} // namespace
