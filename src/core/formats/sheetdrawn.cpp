#include "formats/sheetdrawn.h"

#include <algorithm>

#include "formats/sheet.h"

namespace {

constexpr int kMaxCellSide = 255;

std::size_t At(long i) {
    return static_cast<std::size_t>(i);
}

// Positions along one side where a grid line of colour c runs the picture's
// whole length from start on; vertical lines when columns is set.
std::vector<int> GridLines(const TRaster& p, TColor c, bool columns, int start) {
    std::vector<int> lines;
    const int along = columns ? p.Width() : p.Height(), across = columns ? p.Height() : p.Width();
    for (int a = 0; a < along; ++a) {
        bool line = true;
        for (int b = start; b < across && line; ++b)
            line = (columns ? p.Pixel(a, b) : p.Pixel(b, a)) == c;
        if (line) lines.push_back(a);
    }
    return lines;
}

// Equal steps of more than one pixel between lines: the cells and the count.
bool EvenSteps(const std::vector<int>& lines, int& cell, int& count) {
    if (lines.size() < 2) return false;
    const int step = lines[1] - lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i] - lines[i - 1] != step) return false;
    cell = step - 1;
    count = static_cast<int>(lines.size()) - 1;
    return cell >= 1 && cell <= kMaxCellSide;
}

// Where runs of caption grey begin along the picture, across (looking at
// rows from..to) or down (columns from..to).
std::vector<int> CaptionStarts(const TRaster& p, TColor c, bool across, int from, int to) {
    std::vector<int> starts;
    bool before = false;
    const int length = across ? p.Width() : p.Height();
    for (int a = 0; a < length; ++a) {
        bool here = false;
        for (int b = from; b < to && !here; ++b)
            here = (across ? p.Pixel(a, b) : p.Pixel(b, a)) == c;
        if (here && !before) starts.push_back(a);
        before = here;
    }
    return starts;
}

} // namespace

bool FindGridLines(const TRaster& picture, const TSheetPaper& paper, TImportOptions& o) {
    const int w = picture.Width(), h = picture.Height();
    // A grid closes at the right and bottom edges: its colour is in the corner.
    const TColor c = picture.Pixel(w - 1, h - 1);
    if (c == clWhite || IsInk(c, paper)) return false;
    // Lines are thin: a colour covering most of the picture is its paper.
    const TColor* bits = picture.Bits();
    if (2 * std::count(bits, bits + At(w) * At(h), c) > long(w) * h) return false;
    // The lines run from the grid's first row and column to the edges.
    int top = 0, left = 0;
    while (picture.Pixel(w - 1, top) != c)
        ++top;
    while (picture.Pixel(left, h - 1) != c)
        ++left;
    int cw, ch, columns, rows;
    const std::vector<int> verticals = GridLines(picture, c, true, top);
    const std::vector<int> horizontals = GridLines(picture, c, false, left);
    if (!EvenSteps(verticals, cw, columns) || !EvenSteps(horizontals, ch, rows)) return false;
    o.CellWidth = cw;
    o.CellHeight = ch;
    o.Columns = columns;
    o.GapX = o.GapY = 1;
    o.MarginX = verticals.front() + 1;
    o.MarginY = horizontals.front() + 1;
    return true;
}

// Captions as WriteSheet draws them without grid lines: column numbers 0, 1,
// ... in the top margin above their cells, each row's first code left of
// its row, cells without gaps from there to the picture's right and bottom
// edges. Digits are 3 x 5 pixels, so cells at least 4 wide and 6 high keep
// the first two numbers of each apart.
bool FindCaptionGrid(const TRaster& picture, TImportOptions& o) {
    const int w = picture.Width(), h = picture.Height();
    for (const TColor c : {kSheetCaptionColor, kSheetCaptionColor ^ 0x00FFFFFFu}) {
        const std::vector<int> columns = CaptionStarts(picture, c, true, 1, 6);
        const std::vector<int> rows = CaptionStarts(picture, c, false, 1, 12);
        if (columns.size() < 2 || rows.size() < 2 || columns[0] < 12 || rows[0] < 6) continue;
        const int cw = columns[1] - columns[0], ch = rows[1] - rows[0];
        if (cw < 4 || ch < 6 || cw > kMaxCellSide || ch > kMaxCellSide) continue;
        if ((w - columns[0]) % cw != 0 || (h - rows[0]) % ch != 0) continue;
        o.CellWidth = cw;
        o.CellHeight = ch;
        o.GapX = o.GapY = 0;
        o.MarginX = columns[0];
        o.MarginY = rows[0];
        o.Columns = (w - columns[0]) / cw;
        return true;
    }
    return false;
}
