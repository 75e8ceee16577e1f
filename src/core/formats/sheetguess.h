#pragma once
// Finding the grid of a picture sheet from the picture alone: a grid of one
// colour drawn around the cells, or captions in the margins (as WriteSheet
// draws them) give its exact layout; otherwise the blank lines and the lines no stroke crosses
// repeat with the period of the cells, and the margins and gaps are those that keep every character
// whole and close the picture as its first margin opens it. The window's sheet dialog starts from
// the guess, the command line reads with it: both call GuessSheetGrid, so they agree.

#include <string>

#include "formats/fontformats.h"
#include "raster/raster.h"

struct TSheetGuess {
    // Cell size, columns, gaps and margins found; the other fields are the
    // defaults (Invert as asked). Unsure, the grid that fits best (or a
    // start of 16 columns of square cells) for the user to correct.
    TImportOptions Options;
    // Whether the picture shows its grid clearly enough to read it without
    // asking: grid lines, or exactly one layout that keeps characters whole,
    // with equal gaps both ways, characters starting at their cells' left,
    // and the picture's length explained.
    bool Confident = false;
    // Why the guess is unsure, in words for the user; empty when confident.
    std::string Doubt;
    // The sheet's paper is dark (its ink light); Invert is not needed for it.
    bool LightOnDark = false;
};

TSheetGuess GuessSheetGrid(const TRaster& picture, bool invert = false);

// The cells per row that fit the picture with the options' cell width, gap
// and margin (at least 1); where the cells that fit end in blank ones and
// leaving them out closes the row with a right margin as wide as the left
// one, without those.
int SheetColumnsFitting(const TRaster& picture, const TImportOptions& options);

// "grid: 8x11 cells, gap 1, margin 14x8, 16 columns" (a gap or margin that
// differs across and down is written XxY).
std::string SheetGridText(const TImportOptions& options);
