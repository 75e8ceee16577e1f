// The one painter for every glyph picture: edit canvas, character list and
// preview strip. A glyph is a grid of zoom x zoom cells, each cell kind with
// its own fill and grid colour from the font's draw settings.

#include <algorithm>

#include "model/font.h"
#include "model/glyph.h"
#include "raster/raster.h"
#include "text/textrows.h"

namespace {

struct TCellPainter {
    TRaster& Raster;
    int OriginX;
    int OriginY;
    int Zoom;
    bool Grid;

    // Fill first, then the left and top edge lines (end points excluded), so
    // a line between two cells belongs to the cell right of or below it.
    void Cell(int column, int row, TColor fill, TColor gridColor) const {
        const int x = OriginX + column * Zoom;
        const int y = OriginY + row * Zoom;
        // A zoomed canvas shows only part of a large glyph: skip the rest.
        if (x >= Raster.Width() || y >= Raster.Height() || x + Zoom <= 0 || y + Zoom <= 0) return;
        Raster.FillRect(x, y, x + Zoom, y + Zoom, fill);
        if (!Grid) return;
        // The two edge lines, end points excluded, as one-pixel rectangles.
        Raster.FillRect(x, y, x + 1, y + Zoom, gridColor);
        Raster.FillRect(x, y, x + Zoom, y + 1, gridColor);
    }

    void Block(int firstColumn, int lastColumn, int firstRow, int lastRow, TColor fill,
               TColor gridColor) const {
        for (int r = firstRow; r <= lastRow; ++r)
            for (int c = firstColumn; c <= lastColumn; ++c)
                Cell(c, r, fill, gridColor);
    }
};

} // namespace

bool TFZXChar::Draw(TRaster& raster, int zoom, bool grid, bool transparent, bool resize,
                    bool kernShift) {
    if (!FFont) return false;
    TFZXDrawSettings& s = FFont->DrawSettings();
    s.Advance = 0;
    const int height = FontHeight();
    const int tracking = FontTracking();
    const int cols = FWidth + tracking;
    if (resize) raster.SetSize(cols * zoom, height * zoom);
    // TRaster has no transparency of its own: it is always opaque.
    s.PaintedRect = {s.OriginX, s.OriginY, s.OriginX + cols * zoom, s.OriginY + height * zoom};

    bool painted = false;
    if (s.PaintedRect.Right > s.PaintedRect.Left && s.PaintedRect.Bottom > s.PaintedRect.Top) {
        painted = true;
        if (!transparent) raster.Fill(s.BackgroundColor);
        const TCellPainter p{raster, s.OriginX, s.OriginY, zoom, grid};
        const int visible = std::max(0, std::min(RowCount(), height - FLeading));

        if (!transparent)
            p.Block(0, FWidth - 1, 0, FLeading - 1, s.BlankRowColor, s.BlankRowGridColor);

        TStringList rows;
        SplitText(rows, FRows, '|');
        const int c0 = kernShift ? -FKern : 0;
        for (int k = 0; k < visible && k < static_cast<int>(rows.size()); ++k) {
            const std::string& text = rows[static_cast<std::size_t>(k)];
            for (std::size_t i = 0; i < text.size(); ++i) {
                const int column = c0 + static_cast<int>(i);
                // Overflow is judged by the position in the row, not the
                // shifted column: it marks what the FZX format cannot hold.
                if (text[i] == '1')
                    p.Cell(column, FLeading + k, i <= 15 ? s.InkColor : s.OverflowInkColor,
                           s.InkGridColor);
                else if (!transparent)
                    p.Cell(column, FLeading + k, s.PaperColor, s.PaperGridColor);
            }
        }

        if (!transparent) {
            p.Block(0, FWidth - 1, FLeading + visible, height - 1, s.BlankRowColor,
                    s.BlankRowGridColor);
            p.Block(FWidth, cols - 1, 0, height - 1, s.TrackingColor, s.TrackingGridColor);
        }
    }

    s.Advance = cols * zoom - (kernShift ? FKern * zoom : 0);
    return painted;
}

bool TFZXFont::DrawChar(int code, TRaster& raster, bool grid, bool transparent, bool resize,
                        bool kernShift, int zoom) {
    if (code < 32 || code - 32 >= Count()) return false;
    return Glyph(code - 32).Draw(raster, zoom, grid, transparent, resize, kernShift);
}
