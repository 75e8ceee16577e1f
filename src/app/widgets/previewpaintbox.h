#pragma once
// The preview strip: sample text set in the font being edited, painted by
// the core strip painter with the settings of the preview text dialog.

#include <QWidget>

#include "raster/raster.h"

class TFZXFont;
class Ttestpreviewform;

class TPreviewPaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit TPreviewPaintBox(TFZXFont& font, QWidget* parent = nullptr);

    // The dialog whose text, zoom and endless setting the strip shows;
    // nullptr (one row of the character sequence at zoom 1) until it exists.
    void SetDialog(Ttestpreviewform* dialog);
    Ttestpreviewform* Dialog() const { return FDialog; }

    // The strip as the widget shows it, at the raster's size, on the
    // palette's button face.
    void RenderStrip(TRaster& raster);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // A left button pressed and released inside the strip.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TFZXFont& FFont;
    Ttestpreviewform* FDialog = nullptr;
    TRaster FRaster;
    bool FPressed = false;
};
