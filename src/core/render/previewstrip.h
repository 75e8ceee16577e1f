#pragma once
// The strip of sample text under the edit canvas, painted the way an FZX text
// driver sets text: each glyph's Kern overlap, the font's Tracking, the body
// Height as line distance. No window involved; the caller shows the raster.

#include <string>

#include "raster/raster.h"
#include "text/textrows.h"

class TFZXFont;

// Replaces every "[n]" of one to three decimal digits with n >= 32 by the
// character with code n (its lowest 8 bits); every other "[" stays as typed.
std::string ExpandCodeEscapes(const std::string& text);

// Where the pen stands after setting line (escapes expanded) at zoom, as
// PaintPreviewStrip sets it: the width of a picture that holds the whole
// line. Stops where the painting would, at a control character or a code
// without a glyph; never below 0.
int PreviewLineWidth(const TFZXFont& font, const std::string& line, int zoom);

// Fills the whole raster with background and paints black text (red for set
// pixels at position 16 and beyond of a row) over it. lines are the raw
// sample lines (escapes expanded here); an empty list shows the font's codes
// 32..LastChar in order. nullptr means the settings dialog does not exist
// yet: one row of the sequence at zoom 1, whatever zoom and endless say.
// Painting ends at a control character or a code the font has no glyph for.
// Changes the font's draw settings (colours, origin, outputs).
void PaintPreviewStrip(TFZXFont& font, TRaster& raster, const TStringList* lines, int zoom,
                       bool endless, TColor background = clBtnFace);
