#include "editcanvas.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QtMath>

#include "platform/application.h"
#include "platform/fonttext.h"
#include "platform/qtraster.h"
#include "raster/raster.h"

namespace {

constexpr TColor kSilver = RGBColor(192, 192, 192);
constexpr TColor kGreen = RGBColor(0, 128, 0);

// Pointer positions can be fractional on scaled screens; the canvas counts
// whole pixels, rounding down like PointToPixel.
QPoint CanvasPoint(const QMouseEvent* event) {
    const QPointF p = event->position();
    return QPoint(qFloor(p.x()), qFloor(p.y()));
}

// Marks are straight horizontal or vertical lines whose end point is left
// out; QPainter includes it, so the line stops one pixel short.
void DrawMarkLine(QPainter& painter, const TCanvasLine& l) {
    const int dx = l.X2 > l.X1 ? 1 : (l.X2 < l.X1 ? -1 : 0);
    const int dy = l.Y2 > l.Y1 ? 1 : (l.Y2 < l.Y1 ? -1 : 0);
    if (dx == 0 && dy == 0) return;
    painter.drawLine(QPoint(l.X1, l.Y1), QPoint(l.X2 - dx, l.Y2 - dy));
}

QPen DottedPen(const QColor& colour, int width) {
    QPen pen(colour, width, Qt::DotLine, Qt::FlatCap);
    return pen;
}

} // namespace

TEditPaintBox::TEditPaintBox(TFZXFont& font, const TCanvasView& view, QWidget* parent)
    : QWidget(parent), FFont(font), FView(view) {
    setObjectName(QStringLiteral("EditPaintBox"));
    setMouseTracking(true);
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FLabelFont = InterfaceFont();
    FTextHeight = QFontMetrics(FLabelFont).boundingRect(QStringLiteral("X")).height();
    // An explicit size keeps QScrollArea::setWidget from applying a default.
    resize(0, 0);
}

void TEditPaintBox::GrowCanvasExtent(int x, int y) {
    FExtent = QSize(qMax(FExtent.width(), x), qMax(FExtent.height(), y));
}

void TEditPaintBox::FitEditCanvas() {
    QWidget* viewport = parentWidget();
    auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
    if (area) {
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
    } else {
        move(0, 0);
    }
    resize(FExtent);
}

bool TEditPaintBox::PointToPixel(int x, int y, int& column, int& row, bool& inside) const {
    const TFZXChar* glyph = FFont.GetCurrent();
    if (!glyph) return false;
    const TCanvasPixel p =
        CanvasPointToPixel(FGlyphArea, FView.Zoom, glyph->Width(), FFont.Height(), x, y);
    column = p.Column;
    row = p.Row;
    inside = p.Inside;
    return true;
}

void TEditPaintBox::Refresh() {
    ApplyLayout(Layout());
    update();
}

TCanvasLayout TEditPaintBox::Layout() const {
    const QFontMetrics metrics(FLabelFont);
    const TCanvasTextMetrics text{FTextHeight, [&metrics](const std::string& s) {
                                      return metrics.horizontalAdvance(FromFontText(s));
                                  }};
    return LayoutEditCanvas(FFont, FFont.GetCurrent(), FView, text);
}

void TEditPaintBox::ApplyLayout(const TCanvasLayout& layout) {
    if (layout.HasGlyph) {
        FGlyphArea = layout.GlyphArea;
        GrowCanvasExtent(layout.ExtentX, layout.ExtentY);
    }
    if (FExtent != size() && FExtent.width() > 0 && FExtent.height() > 0) FitEditCanvas();
}

void TEditPaintBox::paintEvent(QPaintEvent* event) {
    // The extent covers the whole canvas, so the layout is worked out for all
    // of it; only the exposed rectangle is rasterised (a 256 x 192 glyph at
    // zoom 80 would be a 20480 x 15360 picture).
    const TCanvasLayout layout = Layout();
    ApplyLayout(layout);
    const QRect r = event->rect();
    if (r.isEmpty()) return;

    const TColor face = ToTColor(palette().color(QPalette::Button));
    TRaster raster(r.width(), r.height(), face);
    FLastRasterSize = r.size();
    if (TFZXChar* glyph = FFont.GetCurrent()) {
        const int zoom = FView.Zoom;
        const int m = CanvasMargin(zoom);
        TFZXDrawSettings& s = FFont.DrawSettings();
        // The settings are shared with the list and the preview: set them all.
        s.SetOrigin(m - r.x(), m - r.y());
        const bool limits = FView.ShowVerticalLimits;
        s.SetColors(clWhite, clBlack, limits ? kSilver : clWhite, kGreen, clRed);
        s.SetGridColors(clBlack, clGray, limits ? clGray : clBlack, clWhite);
        s.BackgroundColor = face;
        glyph->Draw(raster, zoom, zoom > 4, false, false, false);
        const TRect& a = s.PaintedRect;
        FGlyphArea = {a.Left + r.x(), a.Top + r.y(), a.Right + r.x(), a.Bottom + r.y()};
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(r.topLeft(), RasterImage(raster));
    PaintMarks(painter, layout);
}

void TEditPaintBox::PaintMarks(QPainter& painter, const TCanvasLayout& layout) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(DottedPen(Qt::red, 1));
    for (const TCanvasLine& line : layout.RedLines)
        DrawMarkLine(painter, line);
    painter.setPen(DottedPen(Qt::blue, 2));
    for (const TCanvasLine& line : layout.GuideLines)
        DrawMarkLine(painter, line);

    painter.setPen(QPen(Qt::red));
    painter.setFont(FLabelFont);
    const int ascent = QFontMetrics(FLabelFont).ascent();
    for (const TCanvasText& text : layout.RedTexts)
        painter.drawText(QPoint(text.X, text.Y + ascent), FromFontText(text.Text));
}

void TEditPaintBox::mousePressEvent(QMouseEvent* event) {
    emit MousePressed(event->button(), CanvasPoint(event));
}

void TEditPaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(CanvasPoint(event));
}

void TEditPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseReleased(event->button(), CanvasPoint(event));
}
