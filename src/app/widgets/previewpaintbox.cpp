#include "previewpaintbox.h"

#include <QMouseEvent>
#include <QPainter>

#include "dialogs/previewdialog.h"
#include "model/font.h"
#include "platform/qtraster.h"
#include "render/previewstrip.h"

TPreviewPaintBox::TPreviewPaintBox(TFZXFont& font, QWidget* parent) : QWidget(parent), FFont(font) {
    setObjectName("PreviewPaintbox");
    setToolTip("click to edit preview text settings");
    // Every pixel is painted from the raster; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewPaintBox::SetDialog(Ttestpreviewform* dialog) {
    FDialog = dialog;
    update();
}

void TPreviewPaintBox::RenderStrip(TRaster& raster) {
    const TColor background = ToTColor(palette().color(QPalette::Button));
    if (!FDialog) {
        PaintPreviewStrip(FFont, raster, nullptr, 1, false, background);
        return;
    }
    const TStringList lines = FDialog->Lines();
    PaintPreviewStrip(FFont, raster, &lines, FDialog->GetPreviewZoom(),
                      FDialog->GetPreviewEndless(), background);
}

QSize TPreviewPaintBox::sizeHint() const {
    return QSize(160, 16);
}

QSize TPreviewPaintBox::minimumSizeHint() const {
    return QSize(0, 0);
}

void TPreviewPaintBox::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0) return;
    FRaster.SetSize(width(), height());
    RenderStrip(FRaster);
    QPainter painter(this);
    // Font pixels stay sharp squares on scaled screens.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), RasterImage(FRaster));
}

void TPreviewPaintBox::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TPreviewPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    FPressed = false;
    if (click) emit clicked();
    QWidget::mouseReleaseEvent(event);
}
