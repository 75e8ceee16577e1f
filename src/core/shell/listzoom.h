#pragma once
// The zoom of a glyph picture in the character list: small fonts are
// enlarged towards the list's row height as long as the picture still fits
// the width of its cell.

// Height of a list row before any picture makes it taller.
constexpr int CharListRowHeight = 24;

// 1 unless 0 < bodyHeight < CharListRowHeight; then CharListRowHeight div
// bodyHeight, lowered while above 1 and zoom * columns > cellWidth. columns
// is the glyph's Width + Tracking.
int CharListZoom(int bodyHeight, int columns, int cellWidth);
