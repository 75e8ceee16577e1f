#include "historysteps.h"

#include "font.h"

namespace {

// One step inside the caller's update bracket, so SetCurrent records nothing.
bool RestoreStep(TFZXFont& font, std::uint8_t kind) {
    TGlyphSnapshot snapshot;
    Tundolist& history = font.UndoList();
    if (!(kind == 0 ? history.Undo(snapshot) : history.Redo(snapshot))) return false;
    if (snapshot.CharIndex != font.CurrentIndex()) font.SetCurrent(snapshot.CharIndex);
    if (TFZXChar* glyph = font.GetCurrent())
        glyph->SetAll(snapshot.Rows, snapshot.Leading, snapshot.Width, snapshot.Kern);
    return true;
}

} // namespace

int UndoRedoSteps(TFZXFont& font, std::uint8_t kind, int steps) {
    if (kind > 1) return 0;
    int taken = 0;
    font.BeginUpdate();
    while (taken < steps && RestoreStep(font, kind))
        ++taken;
    font.EndUpdate(taken > 0);
    return taken;
}

void KeepCurrentGlyph(TFZXFont& font, int previous) {
    if (font.GetCurrent() || font.CurrentIndex() < 0 || font.Count() == 0) return;
    const int target = previous >= 0 && previous < font.Count() ? previous : font.Count() - 1;
    font.BeginUpdate();
    font.SetCurrent(target);
    font.EndUpdate(true);
}
