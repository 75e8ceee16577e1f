#pragma once
// Glyphs of fixed-cell sources (console fonts, picture sheets): a cell of
// pixel rows becomes an FZX glyph with all of its ink, and a finished import
// is checked for what FZX files cannot hold.

#include <string>
#include <vector>

#include "formats/fontformats.h"

class TFZXChar;
class TFZXFont;

// Sets the glyph to the cell's rows ('0'/'1' strings, top row first, row 0 at
// the top of the character cell), width pixels wide: rows are cut or padded
// to the width, blank rows above become leading (up to 15), blank rows below
// are dropped. Kern 0. The caller makes sure no ink lies right of width.
void PlaceCellRows(TFZXChar& glyph, const std::vector<std::string>& rows, int width);

// Starts a font of codes 32..lastChar, every glyph empty and width wide,
// with the body height given and tracking 0.
void StartCellFont(TFZXFont& font, int lastChar, int height, int width);

// Adds a report line for each thing the imported font holds that an FZX file
// cannot (glyphs wider than 16 pixels, taller than 192 rows), and one for
// the characters left out (report.Skipped), so the user learns why a later
// FZX save is refused.
void ReportFZXLimits(const TFZXFont& font, TImportReport& report);

// The Latin-1 code of a Unicode character in the editor's list (32..255), or
// -1. With zx, the Spectrum's own characters take their places: up arrow 94,
// pound 96, copyright 127 (and '^', '`' and DEL have none).
int CodeOfUnicode(unsigned long codePoint, bool zx);
// The Unicode character a code stands for; the reverse of CodeOfUnicode.
unsigned long UnicodeOfCode(int code, bool zx);
