#pragma once
// The Spectrum's screen inside its border, as the machine shows it: the text
// set by the core screen model exactly as Quorrel's print routine sets it,
// each 8 x 8 cell in the ink and paper of its attribute, 1x to 4x, with an
// optional grid of the cells. A click on the screen moves the text there.

#include <QWidget>
#include <functional>
#include <string>

#include "raster/raster.h"
#include "spectrum/spectrumprogram.h"
#include "spectrum/spectrumscreen.h"

class TFZXFont;

class TSpectrumScreenView : public QWidget {
    Q_OBJECT
  public:
    // The font is read at paint time and must outlive the view; text gives
    // the codes to set (13 between lines).
    TSpectrumScreenView(const TFZXFont& font, std::function<std::string()> text,
                        QWidget* parent = nullptr);

    // Colours and position (the options' Text is not used); any change
    // repaints.
    const TSpectrumOptions& Options() const { return FOptions; }
    void SetOptions(const TSpectrumOptions& options);
    int Zoom() const { return FZoom; }
    void SetZoom(int zoom); // 1..4
    bool Grid() const { return FGrid; }
    void SetGrid(bool on);

    // The font or the text changed: the screen is set again before the next
    // paint; nothing is set while hidden.
    void Refresh();
    // The picture as painted, grid left out: border and screen at Zoom.
    const TRaster& Picture();

    QSize sizeHint() const override;

  signals:
    // A click on the screen: the Spectrum pixel (0..255, 0..191) it hit.
    void PositionClicked(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Rebuild();

    const TFZXFont& FFont;
    std::function<std::string()> FText;
    TSpectrumOptions FOptions;
    int FZoom = 1;
    bool FGrid = false;
    bool FStale = true;
    TSpectrumScreen FScreen;
    TRaster FPicture;
};
