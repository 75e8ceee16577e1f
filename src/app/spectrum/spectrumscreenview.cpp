#include "spectrum/spectrumscreenview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qtraster.h"

TSpectrumScreenView::TSpectrumScreenView(const TFZXFont& font, std::function<std::string()> text,
                                         QWidget* parent)
    : QWidget(parent), FFont(font), FText(std::move(text)) {
    setObjectName("SpectrumScreen");
    setToolTip(QStringLiteral("click to set the text there"));
    // Every pixel comes from the picture; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    Rebuild();
    setFixedSize(FPicture.Width(), FPicture.Height());
}

void TSpectrumScreenView::SetOptions(const TSpectrumOptions& options) {
    FOptions = options;
    FOptions.Text.clear();
    Refresh();
}

void TSpectrumScreenView::SetZoom(int zoom) {
    zoom = std::clamp(zoom, 1, 4);
    if (zoom == FZoom) return;
    FZoom = zoom;
    Refresh();
    setFixedSize((TSpectrumScreen::Width + 2 * SpectrumBorderWidth) * FZoom,
                 (TSpectrumScreen::Height + 2 * SpectrumBorderHeight) * FZoom);
}

void TSpectrumScreenView::SetGrid(bool on) {
    if (on == FGrid) return;
    FGrid = on;
    update();
}

void TSpectrumScreenView::Refresh() {
    FStale = true;
    if (isVisible()) update();
}

const TRaster& TSpectrumScreenView::Picture() {
    if (FStale) Rebuild();
    return FPicture;
}

void TSpectrumScreenView::Rebuild() {
    TSpectrumOptions options = FOptions;
    options.Text = FText ? FText() : std::string();
    SetSpectrumText(FScreen, FFont, options);
    PaintSpectrumScreen(FScreen, FOptions.Border, FZoom, FPicture);
    FStale = false;
}

QSize TSpectrumScreenView::sizeHint() const {
    return QSize((TSpectrumScreen::Width + 2 * SpectrumBorderWidth) * FZoom,
                 (TSpectrumScreen::Height + 2 * SpectrumBorderHeight) * FZoom);
}

void TSpectrumScreenView::paintEvent(QPaintEvent*) {
    const TRaster& picture = Picture();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), RasterImage(picture));
    if (!FGrid) return;
    // Cell edges, in a colour that shows on every paper.
    painter.setPen(QColor(128, 128, 128, 160));
    const int left = SpectrumBorderWidth * FZoom, top = SpectrumBorderHeight * FZoom;
    const int cell = 8 * FZoom;
    for (int c = 0; c <= 32; ++c)
        painter.drawLine(left + c * cell, top, left + c * cell, top + 24 * cell - 1);
    for (int r = 0; r <= 24; ++r)
        painter.drawLine(left, top + r * cell, left + 32 * cell - 1, top + r * cell);
}

void TSpectrumScreenView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    const int x = p.x() / FZoom - SpectrumBorderWidth;
    const int y = p.y() / FZoom - SpectrumBorderHeight;
    if (p.x() < 0 || p.y() < 0 || x < 0 || y < 0 || x >= TSpectrumScreen::Width ||
        y >= TSpectrumScreen::Height)
        return; // the border
    emit PositionClicked(x, y);
}
