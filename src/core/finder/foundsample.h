#pragma once
// Pictures of found fonts for a user to judge before taking one: a sample
// line set in the font itself, and a sheet of many such lines, each with
// its place written beside it in a small lettering of its own (the font
// found may be no font at all).

#include <string>
#include <vector>

#include "finder/foundfont.h"
#include "raster/raster.h"

class TFZXFont;

// The codes to set for a find read as a font: a pangram with digits (upper
// case only when the set ends before the lower-case letters), or all of a
// UDG block's graphics.
std::string FoundFontSample(const TFoundFont& found);
// The sample line set in font (read from found) by the text layout, black
// on white, zoom times, at most maxWidth pixels wide.
TRaster FoundFontPicture(TFZXFont& font, const TFoundFont& found, int zoom, int maxWidth = 1024);

struct TSheetLine {
    std::string Label;
    TRaster Sample;
};
// One picture of the lines, each label left of its sample, top to bottom.
TRaster FoundFontsSheet(const std::vector<TSheetLine>& lines);
