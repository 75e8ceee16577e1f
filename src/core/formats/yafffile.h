#pragma once
// yaff, the plain-text bitmap font format of the monobit tools. Reading takes
// characters by their labels (u+XXXX or 'c' through the character mapping,
// else a codepoint label 0xNN as the code), placement from the per-glyph and
// global bearings and shift-up against the ascent; writing labels each glyph
// with its code and character, a kern as a negative left-bearing and the
// tracking as the global right-bearing, so FZX -> yaff -> FZX is exact.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

// Larger files are refused before they are read ("File is too large for a
// yaff font!", also from the reader).
inline constexpr std::size_t kMaxYaffFileSize = 64u << 20;

// "" and the font filled, or "Line N: ..." naming what is wrong (callers put
// the file's name in front).
std::string ReadYaff(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                     const TImportOptions& options, TImportReport& report);
// "" and the yaff text of codes 32 to LastChar, or why the font cannot be written.
std::string WriteYaff(const TFZXFont& font, const TExportOptions& options,
                      std::vector<std::uint8_t>& bytes);
