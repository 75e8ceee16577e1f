#pragma once
// The linear history of glyph snapshots. The entry at Position describes the
// present state; undo steps back one entry, redo forward one. Entries of one
// all-glyph command share a group number, which the history menus show as
// one group with a header.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/historykind.h"

struct Tundolistentry {
    std::int32_t CharIndex = 0;
    std::int32_t Kern = 0;
    std::int32_t Leading = 0;
    std::int32_t Width = 0;
    THistoryKind Action = THistoryKind::WidthChanged;
    std::string Rows;
    std::int32_t Group = 0;
};

// The state a step of undo or redo hands back to restore.
struct TGlyphSnapshot {
    int CharIndex = 0;
    int Kern = 0;
    std::string Rows;
    int Width = 0;
    int Leading = 0;
};

// One item of a history drop-down menu, for the window to turn into a menu.
struct THistoryMenuItem {
    enum TKind { Separator, Entry, Header };
    TKind Kind = Separator;
    std::string Caption;
    int Tag = 0;                // steps to undo or redo when clicked
    int Icon = -1;              // HistoryIndex of the icon's kind; -1 for none
    std::uint8_t Direction = 0; // 0 undo menu, 1 redo menu

    bool operator==(const THistoryMenuItem& o) const {
        return Kind == o.Kind && Caption == o.Caption && Tag == o.Tag && Icon == o.Icon &&
               Direction == o.Direction;
    }
};
using THistoryMenu = std::vector<THistoryMenuItem>;

class Tundolist {
  public:
    explicit Tundolist(int limit);

    // Called when a history menu item is clicked: kind 0 undo, 1 redo.
    std::function<void(std::uint8_t kind, int steps)> OnUndoRedo;

    int Position() const { return FPosition; }
    int MaxEntries() const { return FMaxEntries; }
    int NextGroup() const { return FNextGroup; }
    int Count() const { return static_cast<int>(FEntries.size()); }
    const Tundolistentry& Entry(int index) const {
        return FEntries[static_cast<std::size_t>(index)];
    }

    // Cuts the redo branch, appends, and drops the oldest entries past the limit.
    void AddEntry(THistoryKind action, int index, int group, const std::string& rows, int width,
                  int leading, int kern);
    bool CanUndo() const;
    bool CanRedo() const;
    // Moves one step and hands back the entry now at Position; false (and
    // nothing changed) without a step to take.
    bool Undo(TGlyphSnapshot& snapshot);
    bool Redo(TGlyphSnapshot& snapshot);
    // One more than the largest group held (1 for an empty list).
    int NewGroup();
    void Clear();

    // Rebuild the drop-down menus: one item per entry up to limit (undo) or
    // limit - 1 (redo) steps away, each tagged with its distance, plus one
    // header per group tagged with the steps through its far end. Without
    // anything to undo (redo) they return false and leave the menu as it was.
    bool FillUndoMenu(int limit, THistoryMenu& menu) const;
    bool FillRedoMenu(int limit, THistoryMenu& menu) const;
    // What a click on a menu item does: OnUndoRedo (item direction, tag);
    // separators and an unassigned callback do nothing.
    void Click(const THistoryMenuItem& item) const;

  private:
    bool FillMenu(bool redo, int limit, THistoryMenu& menu) const;

    std::deque<Tundolistentry> FEntries;
    int FPosition = 0;
    int FMaxEntries;
    int FNextGroup = 0;
};

// Display text of an entry, e.g. "width changed to 12", "select char \"A\"";
// empty for an action number outside the table.
std::string EntryText(const Tundolistentry& entry);
// The character as captions show it: the quoted character for 33..126, with
// the ampersand doubled ("\"&&\"") for the menus; "[32]" style for all others.
std::string MenuCharName(int code);
