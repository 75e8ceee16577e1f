#pragma once
// What counts as ink on a picture sheet. The paper is the colour of the
// sheet's border and margins; ink is what differs from it, so dark ink on
// light paper and light ink on dark paper read alike.

#include "raster/raster.h"

struct TSheetGrid;

struct TSheetPaper {
    bool Transparent = false; // the paper is see-through: every opaque pixel is ink
    int Luma = 255;           // of opaque paper
    // Opaque paper with no opaque ink anywhere: the see-through pixels are
    // the ink (characters cut out of the sheet).
    bool HolesAreInk = false;
    bool Invert = false; // ink and paper swapped by hand
};

// The paper of picture from its outer frame and, with a grid, every pixel
// outside its cells: see-through where most of those are, else their most
// common brightness.
TSheetPaper SheetPaperOf(const TRaster& picture, const TSheetGrid* grid, bool invert);

// Opaque pixels are ink when their brightness lies on the other side of half
// than the paper's (on light paper: darker than half).
bool IsInk(TColor pixel, const TSheetPaper& paper);
