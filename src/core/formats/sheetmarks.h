#pragma once
// The metrics a written sheet carries in its pixels, so that it reads back to
// the same font after any program that keeps pixels (and drops text chunks)
// saved it again: pale tints of a cell's paper, all read as paper. Columns
// beyond a character's width are pale blue, its kern columns pale red (pale
// violet where both), rows
// below the font's height pale green, the rows above a blank character's
// leading pale violet; a font's tracking t tints every cell's remaining
// paper (255, 255, 255 - t). A sheet without them reads as before.

#include <vector>

#include "formats/fontformats.h"
#include "raster/raster.h"

struct TSheetGrid;

struct TCellMetrics {
    int Width = 0, Kern = 0, Leading = 0;
    bool Marked = false; // the cell shows marks (a character was written there)
};

struct TSheetMarks {
    int Height = 0, Tracking = 0;
    std::vector<TCellMetrics> Cells; // by cell of the grid
};

// Paints the marks of one cell of cellWidth x cellHeight at left, top; the
// character's ink goes over them afterwards.
void PaintCellMarks(TRaster& picture, int left, int top, int cellWidth, int cellHeight,
                    const TCellMetrics& cell, int height, int tracking);

// The marks of every cell of grid; false when the picture shows none, or
// shows them where the grid's cells do not lie (another grid than written).
bool ReadSheetMarks(const TRaster& picture, const TSheetGrid& grid, TSheetMarks& marks);

// The cells of a sheet without gaps whose cells carry these marks: the tints
// beyond characters' widths end at the right edges of their cells and begin
// and end at the tops and bottoms. Cell size, margins and columns into o;
// false unless that grid fills the picture and its marks read cleanly.
bool FindMarkedGrid(const TRaster& picture, TImportOptions& o);
