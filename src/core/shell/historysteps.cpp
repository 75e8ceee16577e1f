#include "shell/historysteps.h"

#include "model/font.h"
#include "model/updatescope.h"

namespace {

// One step inside the caller's update bracket, so SetCurrent records nothing.
bool RestoreStep(TFZXFont& font, std::uint8_t kind) {
    TGlyphSnapshot snapshot;
    Tundolist& history = font.UndoList();
    if (!(kind == 0 ? history.Undo(snapshot) : history.Redo(snapshot))) return false;
    // The last character may have been lowered since the entry was recorded:
    // a glyph no longer held has nothing to restore, and no glyph stays
    // current, so nothing drawn next is recorded behind an entry of another
    // glyph (where no undo could reach it).
    if (snapshot.CharIndex < 0) return true;
    if (snapshot.CharIndex != font.CurrentIndex()) font.SetCurrent(snapshot.CharIndex);
    if (TFZXChar* glyph = font.GetCurrent())
        glyph->SetAll(snapshot.Rows, snapshot.Leading, snapshot.Width, snapshot.Kern);
    return true;
}

} // namespace

int UndoRedoSteps(TFZXFont& font, std::uint8_t kind, int steps) {
    if (kind > 1) return 0;
    int taken = 0;
    TFontUpdate update(font, false);
    while (taken < steps && RestoreStep(font, kind))
        ++taken;
    update.SetNotify(taken > 0);
    return taken;
}
