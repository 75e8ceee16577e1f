#pragma once
// The scroll box around the edit canvas: it does not resize the paint box
// (the canvas sets its own size) and shows button face around it.

#include <QScrollArea>

#include "drawing/canvasgeometry.h"
#include "editcanvas.h"
#include "model/font.h"

class TEditPanel : public QScrollArea {
    Q_OBJECT
  public:
    // Creates the paint box "EditPaintBox" as the scroll area's widget.
    TEditPanel(TFZXFont& font, const TCanvasView& view, QWidget* parent = nullptr);

    TEditPaintBox* PaintBox() const { return FPaintBox; }

  private:
    TEditPaintBox* FPaintBox;
};
