#include "undolist.h"

#include <algorithm>

const char* const ActionTexts[ActionCount] = {
    "width changed to %s", "pixels changed", "line tool", "rectangle tool", "ellipse tool",
    "rubber tool", "paste tool", "roll left", "roll right", "roll up", "roll down",
    "new character", "select char %s", "italic mode", "bold mode", "adjust top",
    "adjust bottom", "adjust left", "adjust right", "adjust horizontal", "adjust vertical",
    "clear char", "scale char", "flip horizontal", "flip vertical", "kern changed", "copy tool",
    "copy character", "italic all", "bold all", "adjust all top", "adjust all bottom",
    "adjust all left", "adjust all right", "adjust all horizontal", "adjust all vertical",
    "clear all chars", "Scale all chars"};

Tundolist::Tundolist(int limit) : FMaxEntries(limit) {}

void Tundolist::AddEntry(int action, int index, int group, const std::string& rows, int width,
                         int leading, int kern) {
    while (Count() - 1 > FPosition) FEntries.pop_back();
    Tundolistentry entry;
    entry.CharIndex = index;
    entry.Kern = kern;
    entry.Leading = leading;
    entry.Width = width;
    entry.Action = static_cast<std::uint8_t>(action);
    entry.Rows = rows;
    entry.Group = group;
    FEntries.push_back(std::move(entry));
    FPosition = Count() - 1;
    while (Count() > 0 && Count() > FMaxEntries && FPosition > 0) {
        FEntries.pop_front();
        --FPosition;
    }
}

bool Tundolist::CanUndo() const { return FPosition > 0 && FPosition < Count(); }

bool Tundolist::CanRedo() const { return FPosition < Count() - 1 && FPosition >= -1; }

static void TakeSnapshot(const Tundolistentry& e, TGlyphSnapshot& s) {
    s.CharIndex = e.CharIndex;
    s.Kern = e.Kern;
    s.Rows = e.Rows;
    s.Width = e.Width;
    s.Leading = e.Leading;
}

bool Tundolist::Undo(TGlyphSnapshot& snapshot) {
    if (!CanUndo()) return false;
    --FPosition;
    TakeSnapshot(Entry(FPosition), snapshot);
    return true;
}

bool Tundolist::Redo(TGlyphSnapshot& snapshot) {
    if (!CanRedo()) return false;
    ++FPosition;
    TakeSnapshot(Entry(FPosition), snapshot);
    return true;
}

int Tundolist::NewGroup() {
    if (FEntries.empty()) {
        FNextGroup = 1;
    } else {
        int largest = FEntries.front().Group;
        for (const auto& e : FEntries) largest = std::max(largest, e.Group);
        FNextGroup = largest + 1;
    }
    return FNextGroup;
}

void Tundolist::Clear() {
    FEntries.clear();
    FPosition = 0;
}
