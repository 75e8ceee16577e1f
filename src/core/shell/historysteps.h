#pragma once
// Restoring history snapshots into a font: what the Undo and Redo commands
// and a click in a history menu do to the model.

#include <cstdint>

class TFZXFont;

// Takes up to steps steps back (kind 0) or forward (kind 1) through the
// font's history and restores each snapshot: the snapshot's glyph becomes
// current when it differs (recording nothing) and gets the snapshot's rows,
// leading, width and kern. A snapshot of a glyph the font no longer holds
// counts as a step and changes nothing, so a held glyph stays current. The whole walk ends in one
// change notification when at least one step was taken; Modified is left alone. Any other kind, or
// nothing to undo (redo), changes nothing. Returns the steps taken.
int UndoRedoSteps(TFZXFont& font, std::uint8_t kind, int steps);
