#pragma once
// The scroll box around the edit canvas: it does not resize the paint box
// (the canvas sets its own size) and shows button face around it.

#include <QScrollArea>

#include "drawing/canvasgeometry.h"
#include "editcanvas.h"
#include "model/font.h"
#include "shell/wheelsteps.h"

class TEditPanel : public QScrollArea {
    Q_OBJECT
  public:
    // Creates the paint box "EditPaintBox" as the scroll area's widget.
    TEditPanel(TFZXFont& font, const TCanvasView& view, QWidget* parent = nullptr);
    // The least room the window keeps for the canvas while docks share it.
    static constexpr int MinimumWidth = 320;
    static constexpr int MinimumHeight = 240;

    TEditPaintBox* PaintBox() const { return FPaintBox; }

    // After the zoom went from oldZoom to newZoom, scrolls so that the place
    // of the glyph that was at viewport point `at` is there again (as far as
    // the scroll range allows);
    // canvas is the point that was under it on the canvas before.
    void KeepPlaceAt(QPoint at, QPoint canvas, int oldZoom, int newZoom);

  signals:
    // Ctrl with the wheel anywhere over the panel: steps up (positive) or
    // down the zoom, as over the canvas itself; at is the pointer in the
    // viewport and canvas the point under it on the canvas, the place to
    // keep under it.
    void ZoomWheel(int steps, QPoint at, QPoint canvas);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    // Ctrl with the wheel over the canvas comes here too, so one count of
    // wheel turns serves the whole panel.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ZoomWheelAt(QWheelEvent* event, QPoint at);

    TEditPaintBox* FPaintBox;
    TWheelSteps FWheel;
};
