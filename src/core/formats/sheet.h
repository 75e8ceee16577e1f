#pragma once
// Picture sheets: characters drawn in a grid of equal cells, row by row from
// a first code. The grid is cell size, cells per row, gaps between cells and
// margins before the first cell.

#include <string>

#include "formats/fontformats.h"
#include "raster/raster.h"

class TFZXFont;

// The grey of the captions WriteSheet draws; the grid finder knows them by it.
constexpr TColor kSheetCaptionColor = RGBColor(150, 150, 150);

// Where the cells of a sheet lie in a picture of the given size.
struct TSheetGrid {
    int Columns = 0; // cells per row that fit (at most the options' Columns)
    int Rows = 0;    // rows of cells that fit
    int CellWidth = 0, CellHeight = 0;
    int StepX = 0, StepY = 0; // from one cell to the next: cell plus gap
    int MarginX = 0, MarginY = 0;
    int Cells() const { return Columns * Rows; }
    int Left(int cell) const { return MarginX + (cell % Columns) * StepX; }
    int Top(int cell) const { return MarginY + (cell / Columns) * StepY; }
};

// The grid of options over a picture; "" or the message saying which value
// is wrong or that not one cell fits.
std::string SheetGridOf(int pictureWidth, int pictureHeight, const TImportOptions& options,
                        TSheetGrid& grid);

// Fills font from the sheet: cell N is code FirstCode + N; every code from 32
// to the last inked cell's (or LastCode; at most 255) gets a glyph as high as
// a cell and as wide as a cell, or with FitWidth as wide as its ink plus
// Spacing (blank cells keep the cell width). Blank cells after the last are
// no characters. Ink is told from paper as SheetPaperOf finds them. A sheet
// that carries WriteSheet's marks on this grid (see sheetmarks.h) gives every
// character its width, kern and leading and the font its height and tracking
// instead (FitWidth still fits). Inked cells outside 32..255 and inked pixels
// outside every cell are counted in the report. "" or the message.
std::string ReadSheet(TFZXFont& font, const TRaster& picture, const TImportOptions& options,
                      TImportReport& report);

// Draws codes 32..LastChar into a sheet: Columns cells a row, each as wide as
// the widest character and as high as the font, black ink on white, glyphs at
// the left of their cells, each cell's paper tinted with the marks of its
// metrics. With Grid, a 1-pixel grey grid surrounds every cell; with
// Captions, the code of each row's first cell and each column's offset stand
// in the margins. Grid, captions and marks are light enough to read back as
// paper. Reading the sheet back with SheetImportOptions gives the same font.
std::string WriteSheet(const TFZXFont& font, const TExportOptions& options, TRaster& picture);

// The import options that read a sheet written by WriteSheet from font
// (LastCode set where the font ends in blank characters).
TImportOptions SheetImportOptions(const TFZXFont& font, const TExportOptions& options);
