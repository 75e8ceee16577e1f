#pragma once
// Restoring history snapshots into a font: what the Undo and Redo commands
// and a click in a history menu do to the model.

#include <cstdint>

class TFZXFont;

// Takes up to steps steps back (kind 0) or forward (kind 1) through the
// font's history and restores each snapshot: the snapshot's glyph becomes
// current when it differs (recording nothing) and gets the snapshot's rows,
// leading, width and kern. The whole walk ends in one change notification
// when at least one step was taken; Modified is left alone. Any other kind,
// or nothing to undo (redo), changes nothing. Returns the steps taken.
int UndoRedoSteps(TFZXFont& font, std::uint8_t kind, int steps);

// After a walk through the history: a snapshot may name a glyph the font no
// longer holds (the last character was lowered after it was recorded). Then
// the glyph that was current before the walk, or else the last glyph, stays
// current, recording nothing, with one change notification. Changes nothing
// while a held glyph is current or no glyph is current at all.
void KeepCurrentGlyph(TFZXFont& font, int previous);
