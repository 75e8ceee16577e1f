#pragma once
// Finding FZX fonts in a stretch of bytes: at every offset, a header whose
// table runs without a gap into the definitions, each definition as long as
// its width and some whole number of rows need, and a terminator that ends
// the last one. The font's length is where the terminator points.

#include <vector>

#include "finder/foundfont.h"

std::vector<TFoundFont> ScanFzx(const TScanArea& area, std::size_t areaIndex);

// The length of the FZX font at offset in bytes, if its table is consistent
// as above; 0 otherwise.
std::size_t FzxLengthAt(const std::vector<std::uint8_t>& bytes, std::size_t offset);
