#pragma once
// Finding the grid of a picture sheet from the picture alone: a grid of one
// colour drawn around the cells (as WriteSheet draws one) gives its exact
// layout; otherwise the lines between cells are where no stroke of ink
// crosses, evenly spaced. The window's sheet dialog starts from the guess,
// the command line reads with it.

#include <string>

#include "formats/fontformats.h"
#include "raster/raster.h"

struct TSheetGuess {
    // Cell size, columns, gaps and margins found; the other fields are the
    // defaults (Invert as asked).
    TImportOptions Options;
    // Whether the picture shows its grid clearly enough to read it without
    // asking: grid lines, or evenly spaced lines that no ink crosses with at
    // least two cells along the rows that tile the whole picture.
    bool Confident = false;
};

TSheetGuess GuessSheetGrid(const TRaster& picture, bool invert = false);

// The cells per row that fit a picture this wide with the options' cell
// width, gap and margin (at least 1).
int SheetColumnsFitting(int pictureWidth, const TImportOptions& options);

// "grid: 8x11 cells, gap 1, margin 14x8, 16 columns" (a gap or margin that
// differs across and down is written XxY).
std::string SheetGridText(const TImportOptions& options);
