#pragma once
// The zoomed edit canvas: the current glyph painted cell by cell, with the
// kern mark, the character limit marks or the guide lines beside it. It lives
// in a QScrollArea (see TEditPanel) and is as large as its contents ever
// needed: its size only grows. Only the exposed part is painted.

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include "drawing/canvasgeometry.h"
#include "model/font.h"

class QPainter;
class QPaintEvent;
class QMouseEvent;

class TEditPaintBox : public QWidget {
    Q_OBJECT
  public:
    // font and view must outlive the paint box; the canvas only reads them.
    TEditPaintBox(TFZXFont& font, const TCanvasView& view, QWidget* parent = nullptr);

    // The size every paint so far needed; starts at 0 x 0, never shrinks.
    QSize CanvasExtent() const { return FExtent; }
    // Width := max(width, x), height := max(height, y).
    void GrowCanvasExtent(int x, int y);
    // Scrolls the enclosing scroll area to (0, 0), then gives the paint box
    // the size CanvasExtent.
    void FitEditCanvas();
    // Glyph area in canvas coordinates (right, bottom exclusive) as of the
    // last paint or refresh with a current glyph.
    TRect GlyphArea() const { return FGlyphArea; }
    // False without a current glyph; else the font pixel under paint box point
    // (x, y), rounded toward negative infinity (left of the area gives -1),
    // and whether it is a pixel of the glyph (tracking columns are outside).
    bool PointToPixel(int x, int y, int& column, int& row, bool& inside) const;

    // Lays the canvas out for the present font and view, grows the extent
    // (fitting the paint box when it grew) and schedules a repaint. The window
    // calls this instead of update(): a paint box still 0 x 0 gets no paint
    // events, so it could never grow from its paints alone.
    void Refresh();

    // The label font, Arial 13 px, and th: the height of its "X" as
    // QFontMetrics::boundingRect reports it (the line height, as the text
    // height of a Windows canvas is).
    QFont LabelFont() const { return FLabelFont; }
    int TextHeight() const { return FTextHeight; }
    // For tests: the size of the raster the last paint event allocated.
    QSize LastPaintedRasterSize() const { return FLastRasterSize; }

    QSize sizeHint() const override { return FExtent; }

  signals:
    // Pointer events in paint box coordinates, for the drawing tools.
    void MousePressed(Qt::MouseButton button, QPoint pos);
    void MouseMoved(QPoint pos);
    void MouseReleased(Qt::MouseButton button, QPoint pos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TCanvasLayout Layout() const;
    // Takes the layout's glyph area and extent; fits the paint box when its
    // size no longer matches a non-empty extent.
    void ApplyLayout(const TCanvasLayout& layout);
    void PaintMarks(QPainter& painter, const TCanvasLayout& layout) const;

    TFZXFont& FFont;
    const TCanvasView& FView;
    QSize FExtent{0, 0};
    TRect FGlyphArea;
    QFont FLabelFont;
    int FTextHeight = 0;
    QSize FLastRasterSize{0, 0};
};
