#include "editpanel.h"

#include <QScrollBar>
#include <QWheelEvent>

TEditPanel::TEditPanel(TFZXFont& font, const TCanvasView& view, QWidget* parent)
    : QScrollArea(parent), FPaintBox(new TEditPaintBox(font, view)) {
    setObjectName(QStringLiteral("EditPanel"));
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Beyond the canvas the scroll box shows the same face as the canvas.
    viewport()->setBackgroundRole(QPalette::Button);
    viewport()->setAutoFillBackground(true);
    setWidget(FPaintBox);
    // Synthetic wheel events never travel from the canvas to its parents.
    FPaintBox->installEventFilter(this);
}

bool TEditPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FPaintBox && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            ZoomWheelAt(wheel, FPaintBox->mapTo(viewport(), wheel->position().toPoint()));
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void TEditPanel::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    // The scroll area hands on the viewport's wheel events in its coordinates.
    ZoomWheelAt(event, event->position().toPoint());
}

void TEditPanel::ZoomWheelAt(QWheelEvent* event, QPoint at) {
    const int steps = FWheel.Add(event->angleDelta().y());
    if (steps != 0) emit ZoomWheel(steps, at, at - FPaintBox->pos());
    event->accept();
}

void TEditPanel::KeepPlaceAt(QPoint at, QPoint canvas, int oldZoom, int newZoom) {
    if (oldZoom == newZoom) return;
    // The paint box sits at minus the scroll position.
    horizontalScrollBar()->setValue(CanvasZoomAnchor(canvas.x(), oldZoom, newZoom) - at.x());
    verticalScrollBar()->setValue(CanvasZoomAnchor(canvas.y(), oldZoom, newZoom) - at.y());
}
