#include "sheetload.h"

#include <iostream>

#include "formatfiles.h"
#include "formatoptions.h"
#include "formats/sheetguess.h"
#include "model/font.h"
#include "text/controlescape.h"

std::string LoadSheet(TFZXFont& font, const std::string& path, const TFormatOptions& options) {
    TRaster picture;
    std::string error = ReadSheetPicture(path, picture);
    if (!error.empty()) return error;
    const TSheetGuess guess = GuessSheetGrid(picture, options.Import.Invert);
    if (!guess.Confident && !options.CellGiven)
        return "\"" + path +
               "\": no grid of cells found in the picture; give the cell size with --cell WxH";
    TImportOptions o = options.Import;
    if (guess.Confident) {
        const TImportOptions& found = guess.Options;
        if (!options.CellGiven) {
            o.CellWidth = found.CellWidth;
            o.CellHeight = found.CellHeight;
        }
        if (!options.GapGiven) {
            o.GapX = found.GapX;
            o.GapY = found.GapY;
        }
        if (!options.MarginGiven) {
            o.MarginX = found.MarginX;
            o.MarginY = found.MarginY;
        }
        if (!options.ColumnsGiven) o.Columns = found.Columns;
    }
    // Cells of the user's size fill the picture's rows.
    if (options.CellGiven && !options.ColumnsGiven) o.Columns = SheetColumnsFitting(picture, o);
    if (!options.CellGiven) std::cerr << SheetGridText(o) << '\n';
    TImportReport report;
    error = ImportSheetPicture(font, picture, o, report);
    if (!error.empty()) return "\"" + path + "\": " + error;
    for (const std::string& line : report.Lines)
        std::cerr << EscapeControls(path + ": " + line) << '\n';
    return "";
}
