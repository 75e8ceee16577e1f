#pragma once
// BDF 2.1, the X11 bitmap distribution format. Reading takes each glyph's
// advance from DWIDTH and its place from BBX against FONT_ASCENT and
// FONT_DESCENT (or the font's bounding box); writing gives a font that X11
// tools accept, with a glyph's kern as its bitmap starting left of the pen and
// the tracking as the property FZX_TRACKING, so FZX -> BDF -> FZX is exact.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

// Larger files are refused before they are read ("File is too large for a
// BDF font!", also from the reader).
inline constexpr std::size_t kMaxBDFFileSize = 64u << 20;

// "" and the font filled, or "Line N: ..." naming what is wrong (callers put
// the file's name in front).
std::string ReadBDF(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                    const TImportOptions& options, TImportReport& report);
// "" and the BDF text of codes 32 to LastChar, or why the font cannot be written.
std::string WriteBDF(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes);
