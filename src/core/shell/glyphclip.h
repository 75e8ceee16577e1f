#pragma once
// One whole character as the clipboard carries it between windows: its rows,
// width, leading and kern, with the body height it was drawn for, as a short
// text under a private MIME type; and the picture other programs get.

#include <string>

#include "raster/raster.h"

class TFZXChar;

// The MIME type of the text below.
extern const char* const GlyphClipMimeType;

struct TGlyphClip {
    std::string Rows; // glyph rows as the model keeps them
    int Width = 8;
    int Leading = 0;
    int Kern = 0;
    int Height = 8; // body height of the font it came from
};

TGlyphClip GlyphClipOf(const TFZXChar& glyph, int bodyHeight);

// "Quorrel glyph 1" and one "name value" line per field.
std::string GlyphClipText(const TGlyphClip& clip);

// Reads a text made by GlyphClipText. False (clip untouched) for anything
// else: another header, a missing or out-of-range value (width 1..256,
// kern 0..3, leading and rows together within 192), rows of other than '0',
// '1' and '|', or a row longer than the width.
bool ParseGlyphClip(const std::string& text, TGlyphClip& clip);

// Width x Height, black ink on white; ink below the body is left out.
TRaster GlyphClipPicture(const TGlyphClip& clip);
