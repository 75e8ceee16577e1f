#pragma once
// What fonts of equal cells (console fonts, picture sheets) share on import.

#include <vector>

class TFZXFont;

// The codes from 32 to the font's last that the file gives no glyph
// (given[code] false) stay empty but as wide as the cells, not as the space.
void WidenMissing(TFZXFont& font, const std::vector<bool>& given, int cellWidth);
