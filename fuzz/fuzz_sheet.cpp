// Feeds arbitrary pictures and layouts to the picture sheet reader: the first
// bytes choose the cells, gaps, margins, first code and fitted widths, the
// rest are pixels (grey levels with three kinds of alpha). Whatever is read
// must go through a written sheet with its ink in place, and that sheet read
// and written again must be the same picture.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/sheet.h"
#include "formats/sheetink.h"
#include "model/font.h"
#include "text/textrows.h"

namespace {

TColor Pixel(std::uint8_t b) {
    const std::uint32_t alpha = (b & 0x80) ? 0xFF : (b & 0x40) ? 0x00 : 0x80;
    const std::uint32_t grey = (b & 0x3Fu) * 4;
    return (alpha << 24) | (grey << 16) | (grey << 8) | grey;
}

// Where the glyph's ink lies in its own cell, row by row.
std::vector<int> Ink(const TFZXChar& g) {
    TStringList rows;
    SplitText(rows, g.Rows(), '|');
    std::vector<int> ink;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t x = 0; x < rows[r].size() && static_cast<int>(x) < g.Width(); ++x)
            if (rows[r][x] == '1')
                ink.push_back((g.Leading() + static_cast<int>(r)) * 1024 + static_cast<int>(x));
    return ink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    TImportOptions in;
    in.CellWidth = 1 + data[0] % 12;
    in.CellHeight = 1 + data[1] % 12;
    in.Columns = 1 + data[2] % 20;
    in.GapX = data[3] % 3;
    in.GapY = data[3] / 3 % 3;
    in.MarginX = data[4] % 4;
    in.MarginY = data[4] / 4 % 4;
    in.FirstCode = data[5];
    in.FitWidth = data[6] & 1;
    in.Spacing = data[6] / 2 % 4;
    TExportOptions out;
    out.Grid = data[6] & 0x10;
    out.Captions = data[6] & 0x20;
    out.Columns = 1 + data[7] % 20;
    const int width = 1 + data[8] % 160;
    const int height = static_cast<int>((size - 9) / static_cast<std::size_t>(width));
    if (height < 1) return 0;
    TRaster picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Bits()[y * width + x] = Pixel(data[9 + y * width + x]);

    TFZXFont font;
    TImportReport report;
    if (!ReadSheet(font, picture, in, report).empty()) return 0;
    if (font.Count() != font.LastChar() - 31) std::abort();

    TRaster sheet;
    if (!WriteSheet(font, out, sheet).empty()) std::abort();
    TFZXFont again;
    TImportReport second;
    TImportOptions back = SheetImportOptions(font, out);
    // A sheet covered mostly in ink shows ink where its paper should be:
    // read that one with ink and paper swapped by hand.
    TSheetGrid grid;
    if (!SheetGridOf(sheet.Width(), sheet.Height(), back, grid).empty()) std::abort();
    const TSheetPaper paper = SheetPaperOf(sheet, &grid, false);
    back.Invert = paper.Transparent || paper.Luma < 128;
    if (!ReadSheet(again, sheet, back, second).empty()) std::abort();
    if (again.LastChar() != font.LastChar() || second.Skipped != 0) std::abort();
    for (int i = 0; i < font.Count(); ++i)
        if (Ink(font.Glyph(i)) != Ink(again.Glyph(i))) std::abort();
    TRaster sheetAgain;
    if (!WriteSheet(again, out, sheetAgain).empty() || sheetAgain != sheet) std::abort();
    return 0;
}
