#pragma once
// Linux console fonts: PSF 1 and PSF 2, with or without their Unicode table.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

class TFZXFont;

// The largest PSF file (or unpacked .psf.gz content) that is read: room for
// 65536 glyphs of 16 x 32 pixels and their table.
inline constexpr std::size_t kMaxPSFFileSize = 8u * 1024 * 1024;

// Fills font from a PSF 1 or PSF 2 file image. With a Unicode table each
// glyph goes to the codes its characters have in the editor's list (the
// first glyph wins a code), and an inked glyph N with an empty list to code N
// when no character names N in that mapping; without a table glyph N is code N. Every glyph is as
// wide as the font's cells. "" or the message naming the byte offset; more
// than kMaxPSFFileSize bytes are refused.
std::string ReadPSF(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                    const TImportOptions& options, TImportReport& report);

// A PSF 2 file image of 256 glyphs (glyph N is code N, codes outside the font
// blank) with a Unicode table for codes 32..LastChar, cells as wide as the
// widest character and as high as the font; what the console's setfont
// loads. Refuses characters wider than 8 pixels and fonts taller than 32 rows.
std::string WritePSF(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes);
