#include "editpanel.h"

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
            wheelEvent(wheel);
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
    const int steps = FWheel.Add(event->angleDelta().y());
    if (steps != 0) emit ZoomWheel(steps);
    event->accept();
}
