#include "drawing/drawtools.h"

#include <algorithm>
#include <cstdio>

#include "model/font.h"
#include "model/updatescope.h"

namespace {

using Shape = TToolShape;
using Track = TToolTrack;
using Ink = TToolInk;
using Pointer = TPointerShape;

// clang-format off
const TToolInfo ToolTable[DrawToolCount] = {
    // history kind                pointer             track                   shape              ink         copies
    {THistoryKind::PixelsChanged, Pointer::Pencil,    Track::Grows,           Shape::ThinTrack,  Ink::Stroke,  false},  // free hand
    {THistoryKind::LineTool,      Pointer::Pencil,    Track::PressAndCurrent, Shape::Line,       Ink::Stroke,  false},  // lines
    {THistoryKind::RectangleTool, Pointer::CrossHair, Track::PressAndCurrent, Shape::Rectangle,  Ink::Stroke,  false},  // rectangles
    {THistoryKind::EllipseTool,   Pointer::CrossHair, Track::PressAndCurrent, Shape::Ellipse,    Ink::Stroke,  false},  // ellipses
    {THistoryKind::RubberTool,    Pointer::Eraser,    Track::Grows,           Shape::RoundTrack, Ink::White,   false},  // rubber
    {THistoryKind::PasteTool,     Pointer::Pencil,    Track::Current,         Shape::Picture,    Ink::Picture, false},  // paste
    {std::nullopt,                Pointer::CrossHair, Track::PressAndCurrent, Shape::Rectangle,  Ink::Invert,  true },  // copy
};
// clang-format on

// The colours one figure is drawn with.
struct TFigureInk {
    TColor Line = clBlack; // track, line and outline colour
    bool Outline = true;   // boxes: draw the outline
    bool Invert = false;   // boxes: invert the outline instead
    bool Interior = false; // boxes: fill first
    TColor InteriorColor = clWhite;
    TColor Dot = clBlack; // a box of one pixel
};

TFigureInk ResolveInk(Ink ink, const TToolOptions& options, int strokeButton) {
    TFigureInk result;
    switch (ink) {
    case Ink::White:
        result.Line = result.Dot = clWhite;
        break;
    case Ink::Invert: // the copy marquee; a one-pixel box shows as a set pixel
        result.Invert = true;
        result.Dot = clBlack;
        break;
    case Ink::Picture:
        break;
    case Ink::Stroke:
        result.Line = result.Dot = StrokeColor(strokeButton, options.PenMode);
        // The interior colours are fixed: they follow neither button nor pen.
        switch (options.FillStyle) {
        case TFillStyle::DrawingLines:
            break;
        case TFillStyle::DrawingLinesBrushedWhite:
            result.Interior = true;
            break;
        case TFillStyle::DrawingLinesBrushedBlack:
            result.Interior = true;
            result.InteriorColor = clBlack;
            break;
        case TFillStyle::DrawingBrushWhite:
            result.Interior = true;
            result.Outline = false;
            break;
        }
        break;
    }
    return result;
}

// A track: every segment with its end left out, then the last point on its
// own, so each point is drawn once however the track was reported.
template <typename Segment, typename Finish>
void JoinTrack(const TPointArray& points, Segment segment, Finish finish) {
    for (std::size_t i = 1; i < points.size(); ++i)
        segment(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
    finish(points.back().X, points.back().Y);
}

void DrawBox(TRaster& raster, Shape shape, int x1, int y1, int x2, int y2, const TFigureInk& ink) {
    if (x1 == x2 && y1 == y2) {
        raster.SetPixel(x1, y1, ink.Dot);
        return;
    }
    const bool ellipse = shape == Shape::Ellipse;
    // The whole figure is filled and the outline drawn over it; a fill
    // without outline thus covers the last column and row too.
    if (ink.Interior) {
        if (ellipse)
            raster.EllipseFill(x1, y1, x2, y2, ink.InteriorColor);
        else
            raster.RectFill(x1, y1, x2, y2, ink.InteriorColor);
    }
    if (ink.Invert)
        raster.InvertRectOutline(x1, y1, x2, y2);
    else if (ink.Outline && ellipse)
        raster.EllipseOutline(x1, y1, x2, y2, ink.Line);
    else if (ink.Outline)
        raster.RectOutline(x1, y1, x2, y2, ink.Line);
}

void PastePicture(TRaster& raster, const TRaster& picture, int x, int y, TPasteMode mode) {
    if (mode == TPasteMode::Overlapping) {
        raster.Draw(picture, x, y);
        return;
    }
    // Transparent: only black pixels are drawn, whatever else the picture holds.
    for (int py = 0; py < picture.Height(); ++py)
        for (int px = 0; px < picture.Width(); ++px)
            if (picture.Pixel(px, py) == clBlack) raster.SetPixel(x + px, y + py, clBlack);
}

} // namespace

const TToolInfo& ToolInfo(int tool) {
    return ToolTable[tool >= 0 && tool < DrawToolCount ? tool : dtFreeHand];
}

TPointerShape CanvasPointer(int tool, bool hasGlyph, bool inside) {
    return hasGlyph && inside ? ToolInfo(tool).Pointer : TPointerShape::Default;
}

std::string PositionText(bool inside, int column, int row) {
    if (!inside) return "X:-- Y:--";
    char text[40];
    std::snprintf(text, sizeof text, "X:%d Y:%d", column, row);
    return text;
}

TColor StrokeColor(int strokeButton, TPenMode penMode) {
    // Rows: left, right button; columns: set, reset pixels.
    static const TColor colors[2][2] = {{clBlack, clWhite}, {clWhite, clBlack}};
    return colors[strokeButton < 0 ? 1 : 0][penMode == TPenMode::SetPixels ? 0 : 1];
}

void AddToolPoint(TPointArray& points, int column, int row, bool force) {
    const TPoint point{column, row};
    if (!force && !points.empty() && points.back() == point) return;
    points.push_back(point);
}

void ReplaceLastToolPoint(TPointArray& points, int column, int row) {
    if (!points.empty()) points.back() = TPoint{column, row};
}

bool ToolFigureBounds(const TPointArray& points, bool normalise, int& x1, int& y1, int& x2,
                      int& y2) {
    if (points.empty() || points.size() > 2) return false;
    const TPoint p = points.front(), q = points.back();
    x1 = p.X;
    y1 = p.Y;
    x2 = q.X;
    y2 = q.Y;
    if (normalise) {
        x1 = std::min(p.X, q.X);
        y1 = std::min(p.Y, q.Y);
        x2 = std::max(p.X, q.X);
        y2 = std::max(p.Y, q.Y);
    }
    return true;
}

void DrawToolFigure(TRaster& raster, const TPointArray& points, const TToolOptions& options,
                    int strokeButton, const TRaster& picture) {
    if (points.empty()) return;
    const TToolInfo& tool = ToolInfo(options.Tool);
    const TFigureInk ink = ResolveInk(tool.Ink, options, strokeButton);
    int x1, y1, x2, y2;
    switch (tool.Shape) {
    case Shape::ThinTrack:
        JoinTrack(
            points, [&](int a, int b, int c, int d) { raster.LineTo(a, b, c, d, ink.Line); },
            [&](int x, int y) { raster.SetPixel(x, y, ink.Line); });
        break;
    case Shape::RoundTrack:
        // The last point is a stroke to its right-hand neighbour: one round spot.
        JoinTrack(
            points, [&](int a, int b, int c, int d) { raster.RoundPenLine(a, b, c, d, ink.Line); },
            [&](int x, int y) { raster.RoundPenLine(x, y, x + 1, y, ink.Line); });
        break;
    case Shape::Line:
        if (ToolFigureBounds(points, false, x1, y1, x2, y2)) raster.Line(x1, y1, x2, y2, ink.Line);
        break;
    case Shape::Rectangle:
    case Shape::Ellipse:
        if (ToolFigureBounds(points, true, x1, y1, x2, y2))
            DrawBox(raster, tool.Shape, x1, y1, x2, y2, ink);
        break;
    case Shape::Picture:
        if (points.size() == 1)
            PastePicture(raster, picture, points[0].X, points[0].Y, options.PasteMode);
        break;
    }
}

TToolStroke::TToolStroke(TFZXFont& font, const TRaster& clipboardBitmap)
    : FFont(font), FClipboard(clipboardBitmap) {}

void TToolStroke::Draw(const TToolOptions& options) {
    // The tool stays the one the stroke began with; the other choices are
    // read at every event.
    TToolOptions current = options;
    current.Tool = FTool;
    DrawToolFigure(FFont.WorkBitmap(), FPoints, current, FStrokeButton, FClipboard);
}

bool TToolStroke::Press(const TToolOptions& options, TMouseButton button, int column, int row) {
    // A second button during a stroke would restart the raster edit from the
    // half-drawn glyph (a copy marquee would stay in it): ignore it.
    if (FStrokeButton != 0 || button == TMouseButton::Other || FFont.GetCurrent() == nullptr)
        return false;
    FTool = options.Tool >= 0 && options.Tool < DrawToolCount ? options.Tool : dtFreeHand;
    const TFZXChar& glyph = *FFont.GetCurrent();
    FPressRows = glyph.Rows();
    FPressLeading = glyph.Leading();
    FPressWidth = glyph.Width();
    FPressKern = glyph.Kern();
    TFontUpdate update(FFont, false);
    FFont.BeginRasterEdit();
    FPoints.clear();
    AddToolPoint(FPoints, column, row, false);
    if (ToolInfo(FTool).Track == Track::PressAndCurrent) AddToolPoint(FPoints, column, row, true);
    FStrokeButton = button == TMouseButton::Left ? 1 : -1;
    Draw(options);
    FFont.ApplyRaster();
    return true;
}

bool TToolStroke::Move(const TToolOptions& options, int column, int row) {
    if (FStrokeButton == 0 || FFont.GetCurrent() == nullptr) return false;
    TFontUpdate update(FFont, false);
    if (ToolInfo(FTool).Track == Track::Grows) {
        AddToolPoint(FPoints, column, row, false);
    } else {
        // Figures that follow the pointer start again from the glyph at the press.
        ReplaceLastToolPoint(FPoints, column, row);
        FFont.RestoreRaster(true);
    }
    Draw(options);
    FFont.ApplyRaster();
    return true;
}

TRaster TToolStroke::CopyPicture() const {
    int x1, y1, x2, y2;
    if (!ToolFigureBounds(FPoints, true, x1, y1, x2, y2)) return TRaster();
    // Picture pixels beyond the glyph stay white.
    TRaster picture(x2 - x1 + 1, y2 - y1 + 1);
    picture.Draw(FFont.WorkBitmap(), -x1, -y1);
    return picture;
}

std::optional<TRaster> TToolStroke::Release(const TToolOptions& options) {
    std::optional<TRaster> picture;
    if (FStrokeButton != 0 && FFont.GetCurrent() != nullptr) {
        const TToolInfo& tool = ToolInfo(FTool);
        const bool record = tool.HistoryKind.has_value();
        {
            // A recorded stroke notifies once, with its entry, below.
            TFontUpdate update(FFont, !record);
            if (tool.CopiesToClipboard) {
                FFont.RestoreRaster(true); // the marquee goes before the copy
                TRaster copy = CopyPicture();
                if (!copy.Empty()) picture = std::move(copy);
                // Copying only looks: the glyph gets back exactly what it held,
                // rows beyond the body included, which the raster cannot carry.
                FFont.GetCurrent()->SetAll(FPressRows, FPressLeading, FPressWidth, FPressKern);
            } else {
                Draw(options);
                FFont.ApplyRaster();
            }
            if (!tool.CopiesToClipboard)
                FFont.EndRasterEdit(record, tool.HistoryKind.value_or(THistoryKind::PixelsChanged));
        }
        // Only now, with the lock down, does the entry reach the history.
        if (record) FFont.GlyphChanged(*tool.HistoryKind);
    }
    FPoints.clear();
    FStrokeButton = 0;
    return picture;
}

void TToolStroke::Cancel() {
    if (FStrokeButton == 0) return;
    if (FFont.GetCurrent() != nullptr) {
        TFontUpdate update(FFont);
        // The rows kept at the press, back in normal form.
        FFont.RestoreRaster(true);
        FFont.ApplyRaster();
        FFont.EndRasterEdit(false, THistoryKind::PixelsChanged);
    }
    FPoints.clear();
    FStrokeButton = 0;
}
