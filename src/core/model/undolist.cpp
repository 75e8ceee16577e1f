#include "model/undolist.h"

#include <algorithm>
#include <string>

Tundolist::Tundolist(int limit) : FMaxEntries(limit) {}

void Tundolist::AddEntry(THistoryKind action, int index, int group, const std::string& rows,
                         int width, int leading, int kern) {
    while (Count() - 1 > FPosition)
        FEntries.pop_back();
    Tundolistentry entry;
    entry.CharIndex = index;
    entry.Kern = kern;
    entry.Leading = leading;
    entry.Width = width;
    entry.Action = action;
    entry.Rows = rows;
    entry.Group = group;
    FEntries.push_back(std::move(entry));
    FPosition = Count() - 1;
    while (Count() > 0 && Count() > FMaxEntries && FPosition > 0) {
        FEntries.pop_front();
        --FPosition;
    }
}

bool Tundolist::CanUndo() const {
    return FPosition > 0 && FPosition < Count();
}

bool Tundolist::CanRedo() const {
    return FPosition < Count() - 1 && FPosition >= -1;
}

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
        for (const auto& e : FEntries)
            largest = std::max(largest, e.Group);
        FNextGroup = largest + 1;
    }
    return FNextGroup;
}

void Tundolist::Clear() {
    FEntries.clear();
    FPosition = 0;
}

std::string MenuCharName(int code) {
    // The menus read one ampersand as an accelerator mark, so it is doubled.
    if (code == 38) return "\"&&\"";
    if (code >= 33 && code <= 126) return std::string("\"") + static_cast<char>(code) + "\"";
    // Blank, DEL and codes past ASCII have no printable single-byte form.
    return "[" + std::to_string(code) + "]";
}

std::string EntryText(const Tundolistentry& entry) {
    std::string text = HistoryKindText(entry.Action);
    const std::size_t at = text.find("%s");
    if (at == std::string::npos) return text;
    std::string argument;
    if (entry.Action == THistoryKind::WidthChanged)
        argument = std::to_string(entry.Width);
    else if (entry.Action == THistoryKind::SelectChar)
        argument = MenuCharName(entry.CharIndex + 32);
    return text.replace(at, 2, argument);
}

bool Tundolist::FillUndoMenu(int limit, THistoryMenu& menu) const {
    return FillMenu(false, limit, menu);
}

bool Tundolist::FillRedoMenu(int limit, THistoryMenu& menu) const {
    return FillMenu(true, limit, menu);
}

bool Tundolist::FillMenu(bool redo, int limit, THistoryMenu& menu) const {
    if (redo ? !CanRedo() : !CanUndo()) return false;
    menu.clear();
    const std::uint8_t direction = redo ? 1 : 0;
    const std::string prefix = redo ? "Redo " : "Undo ";
    auto separator = [&] {
        THistoryMenuItem item;
        item.Direction = direction;
        menu.push_back(item);
    };

    // Walk outward from the present state; the neighbour is the next entry
    // further out. Items stop at the limit, group headers do not, so every
    // group of the whole history keeps its header.
    const int first = redo ? FPosition + 1 : FPosition;
    const int last = redo ? Count() - 1 : 1;
    const int step = redo ? 1 : -1;
    const int itemEnd =
        redo ? std::min(FPosition + limit - 1, Count() - 1) : std::max(FPosition - limit + 1, 1);
    int n = 0;
    int run = 1;
    int header = -1; // index of the open group header in menu
    for (int b = first; redo ? b <= last : b >= last; b += step) {
        ++n;
        const Tundolistentry& e = Entry(b);
        const bool hasNeighbour = b != last;
        const Tundolistentry* neighbour = hasNeighbour ? &Entry(b + step) : nullptr;
        const bool withItem = redo ? b <= itemEnd : b >= itemEnd;

        bool closed = false;
        const int g = neighbour ? neighbour->Group : 0;
        if (g == e.Group && e.Group > 0) {
            if (run == 1) {
                THistoryKind a = e.Action;
                if (a == THistoryKind::SelectChar && neighbour) a = neighbour->Action;
                THistoryMenuItem h;
                h.Kind = THistoryMenuItem::Header;
                h.Direction = direction;
                if (const auto name = GroupHeaderKind(a)) {
                    h.Caption = prefix + HistoryKindText(a) + " group";
                    h.Icon = HistoryIndex(*name);
                } else {
                    h.Caption = prefix + "group";
                }
                separator();
                header = static_cast<int>(menu.size());
                menu.push_back(h);
                separator();
            }
            ++run;
        } else {
            if (run > 1 && header >= 0) {
                THistoryMenuItem& h = menu[static_cast<std::size_t>(header)];
                h.Caption += " (" + std::to_string(run) + " entries)";
                h.Tag = n;
                header = -1;
                closed = true;
            }
            run = 1;
        }

        if (withItem) {
            THistoryMenuItem item;
            item.Kind = THistoryMenuItem::Entry;
            item.Caption = prefix + EntryText(e);
            item.Tag = n;
            item.Icon = HistoryIndex(e.Action);
            item.Direction = direction;
            menu.push_back(item);
            if (closed) separator();
        }
    }
    return true;
}

void Tundolist::Click(const THistoryMenuItem& item) const {
    if (item.Kind == THistoryMenuItem::Separator || !OnUndoRedo) return;
    OnUndoRedo(item.Direction, item.Tag);
}
