#include "formats/sheetmarks.h"

#include <algorithm>

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
                if (c == kBelowBody) marks.Height = std::min(marks.Height, y);
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
