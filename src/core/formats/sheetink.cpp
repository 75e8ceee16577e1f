#include "formats/sheetink.h"

#include <algorithm>
#include <vector>

#include "formats/sheet.h"

namespace {

int Luma(TColor c) {
    return (299 * ((c >> 16) & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c & 0xFF)) / 1000;
}
bool Opaque(TColor c) {
    return (c >> 24) >= 0x80;
}
// Light paper takes dark ink and dark paper light ink: grey grid lines and
// captions stay paper on white, whatever colour most of the margin shows.
bool FarFrom(int luma, int paper) {
    return paper >= 128 ? luma < 128 : luma >= 128;
}

bool InCell(const TSheetGrid& g, int x, int y) {
    if (x < g.MarginX || y < g.MarginY) return false;
    const int column = (x - g.MarginX) / g.StepX, row = (y - g.MarginY) / g.StepY;
    return column < g.Columns && row < g.Rows && (x - g.MarginX) % g.StepX < g.CellWidth &&
           (y - g.MarginY) % g.StepY < g.CellHeight;
}

} // namespace

TSheetPaper SheetPaperOf(const TRaster& picture, const TSheetGrid* grid, bool invert) {
    TSheetPaper paper;
    paper.Invert = invert;
    const int w = picture.Width(), h = picture.Height();
    if (w < 1 || h < 1) return paper;
    std::vector<long> lumas(256, 0);
    long clear = 0, opaque = 0;
    auto count = [&](TColor c) {
        if (Opaque(c)) {
            ++lumas[static_cast<std::size_t>(Luma(c))];
            ++opaque;
        } else {
            ++clear;
        }
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (frame || (grid && grid->Cells() > 0 && !InCell(*grid, x, y)))
                count(picture.Pixel(x, y));
        }
    paper.Transparent = clear > opaque;
    if (paper.Transparent) return paper;
    paper.Luma = static_cast<int>(std::max_element(lumas.begin(), lumas.end()) - lumas.begin());
    // Holes are ink only on a sheet whose opaque pixels are all paper.
    bool holes = false;
    const TColor* p = picture.Bits();
    const std::size_t n = static_cast<std::size_t>(w) * h;
    for (std::size_t i = 0; i < n; ++i) {
        if (!Opaque(p[i]))
            holes = true;
        else if (FarFrom(Luma(p[i]), paper.Luma))
            return paper;
    }
    paper.HolesAreInk = holes;
    return paper;
}

bool IsInk(TColor pixel, const TSheetPaper& paper) {
    bool ink;
    if (!Opaque(pixel))
        ink = paper.HolesAreInk;
    else
        ink = paper.Transparent || FarFrom(Luma(pixel), paper.Luma);
    return ink != paper.Invert;
}
