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

    TEditPaintBox* PaintBox() const { return FPaintBox; }

  signals:
    // Ctrl with the wheel anywhere over the panel: steps up (positive) or
    // down the zoom, as over the canvas itself.
    void ZoomWheel(int steps);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    // Ctrl with the wheel over the canvas comes here too, so one count of
    // wheel turns serves the whole panel.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TEditPaintBox* FPaintBox;
    TWheelSteps FWheel;
};
