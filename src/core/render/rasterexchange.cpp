// The exchange between a glyph's row text and a raster with one pixel per
// font pixel, and the font commands that bracket a drawing stroke on the
// current glyph. Rows and raster are walked once each; a pointer move of a
// stroke reads the whole raster back, so no per-row splitting happens here.

#include <algorithm>
#include <cstring>

#include "model/font.h"
#include "model/glyph.h"
#include "model/updatescope.h"
#include "raster/raster.h"

void TFZXChar::ToBitmap(std::string& rows, TRaster& raster) {
    TGlyphUpdate update(*this);
    Expand();
    rows = FRows;
    RowsToBitmap(false, rows, raster);
}

void TFZXChar::RowsToBitmap(bool assign, const std::string& rows, TRaster& raster) {
    if (assign) AssignRows(rows);
    raster.SetSize(FWidth, FontHeight());
    const int width = raster.Width();
    const int height = raster.Height();
    if (width == 0 || height == 0) return;
    std::uint32_t* bits = raster.Bits();
    // Characters beyond the raster are clipped; pixels no character covers
    // keep their colour.
    const char* text = FRows.data();
    const char* const end = text + FRows.size();
    for (int y = 0; y < height && text < end; ++y) {
        const char* bar =
            static_cast<const char*>(std::memchr(text, '|', static_cast<std::size_t>(end - text)));
        const char* rowEnd = bar != nullptr ? bar : end;
        const int count = static_cast<int>(std::min<std::ptrdiff_t>(rowEnd - text, width));
        std::uint32_t* line = bits + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < count; ++x)
            line[x] = text[x] == '1' ? clBlack : clWhite;
        if (bar == nullptr) break;
        text = bar + 1;
    }
}

void TFZXChar::FromBitmap(const TRaster& raster, bool anySize) {
    if (!anySize && (raster.Width() != FWidth || raster.Height() != FontHeight())) return;
    TGlyphUpdate update(*this);
    const int width = raster.Width();
    const int height = raster.Height();
    std::string rows;
    if (height > 0) {
        rows.assign(static_cast<std::size_t>(height) * (width + 1) - 1, '|');
        const std::uint32_t* bits = raster.Bits();
        char* out = &rows[0];
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* line = bits + static_cast<std::size_t>(y) * width;
            // Only the colour counts, not the alpha byte.
            for (int x = 0; x < width; ++x)
                out[x] = (line[x] & 0xFFFFFFu) == 0 ? '1' : '0';
            out += width + 1;
        }
    }
    AssignRows(std::move(rows));
}

void TFZXFont::BeginRasterEdit() {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr) return;
    FWorkRows.clear();
    glyph->ToBitmap(FWorkRows, FWorkBitmap);
    Changed();
}

void TFZXFont::ApplyRaster() {
    if (TFZXChar* glyph = GetCurrent()) glyph->FromBitmap(FWorkBitmap, false);
}

void TFZXFont::RestoreRaster(bool reset) {
    if (TFZXChar* glyph = GetCurrent()) glyph->RowsToBitmap(reset, FWorkRows, FWorkBitmap);
}

void TFZXFont::EndRasterEdit(bool record, THistoryKind kind) {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr) return;
    glyph->Normalize();
    if (record) GlyphChanged(kind);
}
