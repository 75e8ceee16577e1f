#pragma once
// Desktop fonts (TrueType, OpenType, WOFF, bitmap-only OpenType, X11 PCF)
// through FreeType: one face at one pixel size, its characters placed as
// every other import places them (one baseline, advances as widths, nothing
// cut). The core stays free of FreeType; the formats table marks these rows.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

class TFZXFont;

// Pixel sizes a desktop font is read at.
inline constexpr int kMinPixelSize = 1;
inline constexpr int kMaxPixelSize = 192;

// What a face of a desktop font offers.
struct TDesktopFace {
    int Faces = 1; // faces in the file: collections (.ttc) hold several
    std::string Family, Style;
    bool Scalable = false;    // outlines, to be read at any pixel size
    std::vector<int> Strikes; // pixel sizes of the bitmap strikes, ascending
};

// Describes face number face of the font's plain bytes. "" or the message.
std::string DescribeDesktopFont(const std::vector<std::uint8_t>& bytes, int face,
                                TDesktopFace& description);

// Reads face options.Face at options.PixelSize (a strike of that size, else
// the outlines rendered; without a size the only strike) into font. "" or the
// message naming what is missing or wrong; on failure the font's content is
// undefined, as with the core's readers.
std::string ReadDesktopFont(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                            const TImportOptions& options, TImportReport& report);
