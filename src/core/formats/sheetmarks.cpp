#include "formats/sheetmarks.h"

#include <algorithm>
#include <numeric>

#include "formats/sheet.h"

namespace {

constexpr TColor kBeyondWidth = RGBColor(214, 228, 247);
constexpr TColor kKern = RGBColor(247, 214, 214);
// A kern column beyond the width (a blank character narrower than its kern).
constexpr TColor kKernBeyond = RGBColor(232, 214, 247);
constexpr TColor kBelowBody = RGBColor(220, 242, 214);
constexpr TColor kAboveBlank = RGBColor(234, 222, 247);
constexpr int kMaxKern = 3;
constexpr int kMaxTracking = 255;

TColor TrackingPaper(int tracking) {
    return RGBColor(255, 255, 255 - std::clamp(tracking, 0, kMaxTracking));
}

bool IsMark(TColor c) {
    return c == kBeyondWidth || c == kKern || c == kKernBeyond || c == kBelowBody ||
           c == kAboveBlank;
}

// Tracking from a paper pixel; -1 for any other colour.
int TrackingOf(TColor c) {
    if ((c & 0xFFFFFF00u) != (clWhite & 0xFFFFFF00u) || c == clWhite) return -1;
    return 255 - static_cast<int>(c & 0xFF);
}

} // namespace

void PaintCellMarks(TRaster& picture, int left, int top, int cellWidth, int cellHeight,
                    const TCellMetrics& cell, int height, int tracking) {
    for (int y = 0; y < cellHeight; ++y)
        for (int x = 0; x < cellWidth; ++x) {
            TColor c = TrackingPaper(tracking);
            if (x >= cell.Width)
                c = x < cell.Kern ? kKernBeyond : kBeyondWidth;
            else if (y >= height)
                c = kBelowBody;
            else if (x < cell.Kern)
                c = kKern;
            else if (y < cell.Leading)
                c = kAboveBlank;
            picture.SetPixel(left + x, top + y, c);
        }
}

bool ReadSheetMarks(const TRaster& picture, const TSheetGrid& grid, TSheetMarks& marks) {
    marks = TSheetMarks();
    marks.Height = grid.CellHeight;
    marks.Cells.resize(static_cast<std::size_t>(grid.Cells()));
    bool any = false;
    for (int cell = 0; cell < grid.Cells(); ++cell) {
        TCellMetrics& m = marks.Cells[static_cast<std::size_t>(cell)];
        const int left = grid.Left(cell), top = grid.Top(cell);
        long beyondPixels = 0;
        int beyondColumns = 0, kern = 0, leading = 0;
        for (int x = grid.CellWidth - 1; x >= 0; --x) {
            int n = 0;
            for (int y = 0; y < grid.CellHeight; ++y)
                n += picture.Pixel(left + x, top + y) == kBeyondWidth ||
                     picture.Pixel(left + x, top + y) == kKernBeyond;
            if (n < grid.CellHeight) break;
            ++beyondColumns;
        }
        for (int y = 0; y < grid.CellHeight; ++y)
            for (int x = 0; x < grid.CellWidth; ++x) {
                const TColor c = picture.Pixel(left + x, top + y);
                const int t = TrackingOf(c);
                if (t > 0) {
                    marks.Tracking = t;
                    m.Marked = true;
                }
                if (!IsMark(c)) continue;
                m.Marked = true;
                beyondPixels += c == kBeyondWidth || c == kKernBeyond;
                if (c == kKern || c == kKernBeyond) kern = std::max(kern, x + 1);
                if (c == kAboveBlank) leading = std::max(leading, y + 1);
                if (c == kBelowBody) marks.Height = std::min(marks.Height, std::max(y, 1));
            }
        // Beyond-width marks fill whole columns at the right, kern marks at
        // most three at the left: anything else was not written on this grid.
        if (beyondPixels != long(beyondColumns) * grid.CellHeight || kern > kMaxKern ||
            beyondColumns == grid.CellWidth)
            return false;
        m.Width = grid.CellWidth - beyondColumns;
        m.Kern = kern;
        m.Leading = leading;
        any = any || m.Marked;
    }
    return any;
}

namespace {

bool Beyond(const TRaster& p, int x, int y) {
    const TColor c = p.Pixel(x, y);
    return p.Contains(x, y) && (c == kBeyondWidth || c == kKernBeyond);
}

// The step of cells along one direction and where the first cell starts,
// from the edges of the beyond-width tints; 0 without two different edges.
int MarkedStep(const TRaster& p, bool across, int& start) {
    const int along = across ? p.Width() : p.Height(), other = across ? p.Height() : p.Width();
    auto at = [&](int a, int b) { return across ? Beyond(p, a, b) : Beyond(p, b, a); };
    int step = 0, first = -1;
    for (int b = 0; b < other; ++b)
        for (int a = 0; a < along; ++a) {
            // Right edges across; tops and bottoms down.
            const bool edge = across ? at(a, b) && !at(a + 1, b) : at(a, b) != at(a - 1, b);
            if (!edge) continue;
            const int line = across ? a + 1 : a;
            if (first < 0) first = line;
            step = std::gcd(step, std::abs(line - first));
        }
    if (first < 0 || step == 0) return 0;
    start = first % step;
    return step;
}

// Whether a cell-sized block shows any mark.
bool Marked(const TRaster& p, int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (IsMark(p.Pixel(x, y)) || TrackingOf(p.Pixel(x, y)) > 0) return true;
    return false;
}

} // namespace

bool FindMarkedGrid(const TRaster& picture, TImportOptions& o) {
    int left = 0, top = 0;
    const int stepX = MarkedStep(picture, true, left), stepY = MarkedStep(picture, false, top);
    if (stepX == 0 || stepY == 0 || stepX > 255 || stepY > 255) return false;
    // Margins wider than a cell (captions): the first column and row of
    // cells are the first that show marks.
    auto markedColumn = [&](int x) { return Marked(picture, x, 0, stepX, picture.Height()); };
    auto markedRow = [&](int y) { return Marked(picture, 0, y, picture.Width(), stepY); };
    while (left + stepX <= picture.Width() && !markedColumn(left))
        left += stepX;
    while (top + stepY <= picture.Height() && !markedRow(top))
        top += stepY;
    if ((picture.Width() - left) % stepX != 0 || (picture.Height() - top) % stepY != 0)
        return false;
    TImportOptions found = o;
    found.CellWidth = stepX;
    found.CellHeight = stepY;
    found.GapX = found.GapY = 0;
    found.MarginX = left;
    found.MarginY = top;
    found.Columns = (picture.Width() - left) / stepX;
    TSheetGrid grid;
    TSheetMarks marks;
    if (!SheetGridOf(picture.Width(), picture.Height(), found, grid).empty() ||
        !ReadSheetMarks(picture, grid, marks))
        return false;
    o = found;
    return true;
}
