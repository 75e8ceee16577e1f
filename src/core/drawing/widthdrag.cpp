#include "drawing/widthdrag.h"

#include <algorithm>
#include <cstdlib>

#include "model/font.h"
#include "model/updatescope.h"

namespace {

constexpr int kMaxWidth = 256;

// Half the hit zone: a thin edge at small zooms is still easy to catch.
int EdgeSlack(int zoom) {
    return std::max(2, std::min(zoom / 4, 4));
}

} // namespace

bool CanvasOnWidthEdge(const TRect& area, int zoom, int width, int height, int x, int y) {
    zoom = std::max(1, zoom);
    const int edge = area.Left + width * zoom;
    return std::abs(x - edge) <= EdgeSlack(zoom) && y >= area.Top && y < area.Top + height * zoom;
}

int CanvasWidthAt(const TRect& area, int zoom, int x) {
    zoom = std::max(1, zoom);
    const int offset = x - area.Left;
    // Round to the nearest column boundary.
    const int width = offset >= 0 ? (offset + zoom / 2) / zoom : 0;
    return std::clamp(width, 1, kMaxWidth);
}

bool TWidthDrag::Begin() {
    if (FActive) return false;
    TFZXChar* glyph = FFont.GetCurrent();
    if (glyph == nullptr) return false;
    FActive = true;
    FIndex = FFont.CurrentIndex();
    FRows = glyph->Rows();
    FWidth = glyph->Width();
    FLeading = glyph->Leading();
    FKern = glyph->Kern();
    return true;
}

void TWidthDrag::Restore() {
    if (FIndex < 0 || FIndex >= FFont.Count()) return;
    FFont.Glyph(FIndex).SetAll(FRows, FLeading, FWidth, FKern);
}

void TWidthDrag::Move(int width) {
    if (!FActive || FIndex != FFont.CurrentIndex() || FFont.GetCurrent() == nullptr) return;
    width = std::clamp(width, 1, kMaxWidth);
    TFontUpdate update(FFont, false);
    Restore();
    FFont.Glyph(FIndex).SetWidth(width);
}

void TWidthDrag::End() {
    if (!FActive) return;
    FActive = false;
    TFZXChar* glyph = FFont.GetCurrent();
    if (glyph == nullptr || FIndex != FFont.CurrentIndex()) return;
    const int width = glyph->Width();
    {
        TFontUpdate update(FFont, false);
        Restore();
        if (width == FWidth) return;
        glyph->SetWidth(width);
    }
    // Recorded as a typed width would be, with one notification.
    FFont.GlyphChanged(THistoryKind::WidthChanged);
}

void TWidthDrag::Cancel() {
    if (!FActive) return;
    FActive = false;
    TFontUpdate update(FFont);
    Restore();
}
