#pragma once
// The layouts a sheet draws for all to see, as WriteSheet draws them: grid
// lines around the cells, or captions in the margins. Both give the grid
// exactly; the grid finder asks them first.

#include <vector>

#include "formats/fontformats.h"
#include "formats/sheetink.h"
#include "raster/raster.h"

// Lines of one colour (not ink, not the paper of most of the picture) that
// close at the right and bottom edges, evenly spaced: cell size, columns,
// gap 1 and margins into o.
bool FindGridLines(const TRaster& picture, const TSheetPaper& paper, TImportOptions& o);

// Column and row captions in WriteSheet's grey (or its inverse) with cells
// without gaps from there to the picture's edges: cell size, columns, gap 0
// and margins into o.
bool FindCaptionGrid(const TRaster& picture, TImportOptions& o);
