#pragma once
// The glyph sheet without its window: all 224 codes as a grid of cells, 16
// to a row, each a picture of the glyph over a caption; where a cell lies,
// which cell a point hits, where the arrow keys lead, and which cells an
// edit of the font makes stale.

#include <cstdint>
#include <vector>

#include "raster/drawsettings.h"

class TFZXFont;

constexpr int GlyphSheetColumns = 16;
constexpr int GlyphSheetFirstCode = 32;
constexpr int GlyphSheetLastCode = 255;
constexpr int GlyphSheetRows = (GlyphSheetLastCode - GlyphSheetFirstCode + 1) / GlyphSheetColumns;
// Free space inside a cell around the picture and the caption.
constexpr int GlyphSheetPadding = 3;

struct TGlyphSheetMetrics {
    int Zoom = 1;          // screen pixels per font pixel in the pictures
    int PictureWidth = 0;  // room for the widest glyph with its tracking
    int PictureHeight = 0; // the body height at Zoom
    int CellWidth = 0;
    int CellHeight = 0;
    bool operator==(const TGlyphSheetMetrics& o) const {
        return Zoom == o.Zoom && PictureWidth == o.PictureWidth &&
               PictureHeight == o.PictureHeight && CellWidth == o.CellWidth &&
               CellHeight == o.CellHeight;
    }
    bool operator!=(const TGlyphSheetMetrics& o) const { return !(*this == o); }
};

// The zoom makes the body about 32 pixels high (1 to 4), lowered while the
// widest glyph would be wider than 64 pixels; the cell holds the picture and
// a caption of the given size, with padding.
TGlyphSheetMetrics GlyphSheetLayout(const TFZXFont& font, int captionWidth, int captionHeight);

// The cell of a code (right, bottom exclusive); an empty rect outside 32..255.
TRect GlyphSheetCell(const TGlyphSheetMetrics& m, int code);
// The code whose cell holds (x, y), or -1.
int GlyphSheetCodeAt(const TGlyphSheetMetrics& m, int x, int y);

enum class TSheetMove { Left, Right, Up, Down, Home, End };
// The code a key leads to from code: left and right step through the codes,
// up and down by a row, home and end to 32 and 255; never past the ends.
int GlyphSheetStep(int code, TSheetMove move);

// What the sheet showed last, to repaint only what an edit changed.
class TGlyphSheetWatch {
  public:
    // The codes whose cells differ from the last look: glyphs whose revision
    // changed or that came or went, codes that crossed Last char, the old and
    // the new current glyph. All is set (and the list empty) on the first
    // look and when the metrics, the body height or the tracking changed.
    std::vector<int> Changes(const TFZXFont& font, const TGlyphSheetMetrics& metrics, bool& all);

  private:
    bool FSeen = false;
    TGlyphSheetMetrics FMetrics;
    int FHeight = 0, FTracking = 0, FLastChar = 0, FCurrent = -1;
    std::vector<std::uint64_t> FRevisions; // per code from 32; 0 without a glyph
};
