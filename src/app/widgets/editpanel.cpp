#include "editpanel.h"

TEditPanel::TEditPanel(TFZXFont& font, const TCanvasView& view, QWidget* parent)
    : QScrollArea(parent), FPaintBox(new TEditPaintBox(font, view)) {
    setObjectName(QStringLiteral("EditPanel"));
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Beyond the canvas the scroll box shows the same face as the canvas.
    viewport()->setBackgroundRole(QPalette::Button);
    viewport()->setAutoFillBackground(true);
    setWidget(FPaintBox);
}
