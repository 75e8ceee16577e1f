#include "drawing/canvasgeometry.h"

#include <algorithm>
#include <cmath>

#include "text/charcaption.h"

const char* const KernMarkText = "Horizontal overlapping (kern)";

namespace {

int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

struct TExtent {
    int X = 0;
    int Y = 0;
    void Grow(int x, int y) {
        X = std::max(X, x);
        Y = std::max(Y, y);
    }
};

void AddKernMark(TCanvasLayout& out, TExtent& extent, int kern, int zoom,
                 const TCanvasTextMetrics& metrics) {
    const TRect& a = out.GlyphArea;
    const int th = metrics.TextHeight;
    out.RedTexts.push_back({a.Left, a.Bottom + 2 * th, KernMarkText});
    const int x = a.Left + kern * zoom;
    out.RedLines.push_back({x, a.Bottom, x, a.Bottom + 2 * th});
    const int tw = metrics.TextWidth ? metrics.TextWidth(KernMarkText) : 0;
    extent.Grow(a.Left + tw, a.Bottom + 3 * th);
}

void AddCharLimits(TCanvasLayout& out, TExtent& extent, const TFZXFont& font,
                   const TCanvasView& options, const TCanvasTextMetrics& metrics) {
    const TRect& a = out.GlyphArea;
    const int zoom = options.Zoom;
    const int th = metrics.TextHeight;
    int cx = a.Right + zoom;
    for (const auto& range : options.CharRanges) {
        // A stroke in progress hides the limits: they would lag behind the
        // glyph being drawn.
        if (options.StrokeButton != 0) continue;
        const Tintarray rows = font.VerticalLimits(range.first, range.second);
        if (rows.empty()) continue;
        const std::string label = CharRangeLabel(range.first, range.second);
        const int tw = metrics.TextWidth ? metrics.TextWidth(label) : 0;
        cx += tw / 2;
        int low = 0;
        int high = 0;
        bool first = true;
        for (const int v : rows) {
            const int y = a.Top + v * zoom;
            out.RedLines.push_back({cx - zoom, y, cx + zoom, y});
            low = first ? y : std::min(low, y);
            high = first ? y : std::max(high, y);
            first = false;
        }
        out.RedLines.push_back({cx, low, cx, high});
        out.RedTexts.push_back({cx - tw / 2, high + th, label});
        cx += tw + zoom;
        extent.Grow(cx, high + 2 * th);
    }
}

void AddGuideLines(TCanvasLayout& out, TExtent& extent, const TCanvasView& options) {
    const TRect& a = out.GlyphArea;
    const int zoom = options.Zoom;
    for (const int g : options.GuideRows) {
        const int y = a.Top + g * zoom;
        out.GuideLines.push_back({a.Left - zoom, y, a.Right + 2 * zoom, y});
        extent.Grow(a.Right + 2 * zoom, y);
    }
}

} // namespace

int CanvasZoomStep(int zoom, int steps) {
    constexpr int kMinZoom = 1, kMaxZoom = 80;
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    for (; steps > 0 && zoom < kMaxZoom; --steps)
        zoom = std::min(kMaxZoom, std::max(zoom + 1, zoom * 5 / 4));
    for (; steps < 0 && zoom > kMinZoom; ++steps)
        zoom = std::max(kMinZoom, std::min(zoom - 1, zoom * 4 / 5));
    return zoom;
}

int CanvasZoomAnchor(int point, int oldZoom, int newZoom) {
    oldZoom = std::max(1, oldZoom);
    newZoom = std::max(1, newZoom);
    // In font pixels from the glyph's corner, fractions kept.
    const double glyph = double(point - CanvasMargin(oldZoom)) / oldZoom;
    return CanvasMargin(newZoom) + static_cast<int>(std::lround(glyph * newZoom));
}

TRect CanvasGlyphArea(int zoom, int width, int tracking, int height) {
    const int m = CanvasMargin(zoom);
    return {m, m, m + (width + tracking) * zoom, m + height * zoom};
}

TCanvasPixel CanvasPointToPixel(const TRect& area, int zoom, int width, int height, int x, int y) {
    const int z = std::max(1, zoom);
    TCanvasPixel p;
    p.Column = FloorDiv(x - area.Left, z);
    p.Row = FloorDiv(y - area.Top, z);
    p.Inside = p.Column >= 0 && p.Column < width && p.Row >= 0 && p.Row < height;
    return p;
}

std::string CharRangeLabel(int first, int last) {
    if (first == 32 && last == 255) return "All";
    if (first == last) return CharCaption(first, false);
    return CharCaption(first, true) + ".." + CharCaption(last, true);
}

TCanvasLayout LayoutEditCanvas(const TFZXFont& font, const TFZXChar* glyph,
                               const TCanvasView& options, const TCanvasTextMetrics& metrics) {
    TCanvasLayout out;
    if (!glyph) return out;
    out.HasGlyph = true;
    out.GlyphArea = CanvasGlyphArea(options.Zoom, glyph->Width(), font.Tracking(), font.Height());
    TExtent extent;
    extent.Grow(out.GlyphArea.Right, out.GlyphArea.Bottom);
    if (options.Zoom > 4) {
        if (glyph->Kern() > 0) AddKernMark(out, extent, glyph->Kern(), options.Zoom, metrics);
        if (options.ShowCharLimits && !options.CharRanges.empty())
            AddCharLimits(out, extent, font, options, metrics);
        else if (options.ShowGuideLines)
            AddGuideLines(out, extent, options);
    }
    out.ExtentX = extent.X;
    out.ExtentY = extent.Y;
    return out;
}
