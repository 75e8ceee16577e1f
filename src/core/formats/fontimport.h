#pragma once
// Turning characters as other formats give them (a bitmap of ink placed
// relative to the pen, with an advance) into FZX glyphs and a whole font,
// keeping every inked pixel. Where FZX cannot express a source's metrics the
// glyph is widened or moved instead, and each such change becomes a line of
// the import report.

#include <string>
#include <vector>

#include "formats/fontformats.h"
#include "text/textrows.h"

// Sizes and offsets in pixels the text formats (BDF, yaff) take, reading and
// writing alike; no bitmap font for a Spectrum comes near them.
inline constexpr int kMaxGlyphPixels = 512;
// Whether a value lies within -kMaxGlyphPixels..kMaxGlyphPixels.
inline bool WithinGlyphPixels(int value) {
    return value >= -kMaxGlyphPixels && value <= kMaxGlyphPixels;
}

// One character of a source font.
struct TSourceGlyph {
    int Code = -1;     // editor code 32..255; anything else is skipped and counted
    std::string Label; // how the source names it, for report lines ("U+00E9", "eacute")
    int Advance = 0;   // pen advance in pixels
    int Left = 0;      // the bitmap's first column relative to the pen (negative: left of it)
    int Top = 0;       // the bitmap's first row below the top of the line (negative: above)
    TStringList Rows;  // '1' is ink; rows of equal length, top to bottom
};

// One glyph in the values of the editor, in normal form.
struct TPlacedGlyph {
    std::string Rows;
    int Width = 1;
    int Leading = 0;
    int Kern = 0;
};

// Places a glyph whose ink lies at or below the top of the line (Top plus its
// first inked row not negative) into an FZX glyph that, with the font's
// tracking, draws the same ink at the same place and advances the pen as far:
// the kern takes a bitmap starting up to 3 columns left of the pen. Ink further
// left is moved right, ink right of the advance widens the glyph; each such
// change appends a line to notes.
TPlacedGlyph PlaceGlyph(const TSourceGlyph& glyph, int tracking, std::vector<std::string>& notes);

// Collects the characters of a source and fills a font with them.
class TFontImport {
  public:
    explicit TFontImport(TImportReport& report) : FReport(report) {}

    int Height = 8;   // distance between baselines
    int Tracking = 0; // the font's tracking; advances include it

    // Keeps a glyph for its code. One without a code in 32..255 is counted in
    // the report's Skipped; a second glyph for a code is left out with a line.
    void Add(TSourceGlyph glyph);
    int Count() const { return static_cast<int>(FGlyphs.size()); }

    // "" and the font filled (header values, glyphs from 32 to the highest
    // code, codes the source lacks empty with the width of the space, no
    // history, not modified, one notification); or the message when the
    // source gave no character at all, the font untouched.
    std::string Fill(TFZXFont& font);

  private:
    TImportReport& FReport;
    std::vector<TSourceGlyph> FGlyphs; // by arrival
    std::vector<int> FIndexOfCode = std::vector<int>(256, -1);
};

// "Character 65 (A)": how report lines and messages name a character.
std::string CharacterName(int code, const std::string& label);
