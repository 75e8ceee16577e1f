#pragma once
// A tiny 3 x 5 pixel lettering for labels in pictures (places such as
// "block3+0x1A0"), for where the font being shown cannot be trusted to be
// readable: digits, A to F, and the few lower-case letters places use.

#include <string>

#include "raster/raster.h"

inline constexpr int kLabelHeight = 5;

// Width in pixels of text as DrawLabel draws it (4 per character).
int LabelWidth(const std::string& text);
// Draws text with its top left at x, y; characters it has no shape for are
// drawn as a gap.
void DrawLabel(TRaster& raster, int x, int y, const std::string& text, TColor color);
