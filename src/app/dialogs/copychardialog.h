#pragma once
// Copy from character: asks for a character or code and copies that glyph
// over the current one, recorded as one "copy character" history entry.

class QWidget;
class TFZXFont;

// Without a current glyph nothing happens. Cancel keeps the proposed answer,
// so the glyph is copied onto itself (unchanged, but recorded and marked
// modified). An answer naming no glyph held shows "Invalid input value or
// index out of range!" and changes nothing.
void CopyCharActionExecute(QWidget* parent, TFZXFont& font);
