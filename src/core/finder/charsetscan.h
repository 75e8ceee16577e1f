#pragma once
// Finding 8 x 8 character sets and UDG blocks in a stretch of bytes: every
// byte offset is tried, each 8-byte cell is judged on its own (ink, a blank
// column, strokes rather than scattered pixels), and windows of mostly
// glyph-like cells are then judged as a whole (a blank space, punctuation
// where it belongs, letters and digits on one baseline).

#include <vector>

#include "finder/foundfont.h"

// The sets and UDG blocks in area (Area of each find is areaIndex), not yet
// merged: neighbouring offsets of one set may all be listed.
std::vector<TFoundFont> ScanCharsets(const TScanArea& area, std::size_t areaIndex);

// The set or UDG block the scan finds starting at offset, alone (Area 0);
// Score 0 when there is none.
TFoundFont CharsetAt(const TScanArea& area, std::size_t offset);

// The score (0..100) of count cells at offset as a set starting at
// firstCode; 0 when they are no set. Exposed for the place reader.
int CharsetScore(const std::uint8_t* cells, int count, int firstCode);
