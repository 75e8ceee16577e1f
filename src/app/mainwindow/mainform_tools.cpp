// Drawing with the pointer on the edit canvas: the canvas reports pointer
// events in its own coordinates, the core stroke does the drawing.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include "drawing/drawtools.h"
#include "mainwindow/mainform.h"
#include "platform/qtraster.h"
#include "widgets/cursordefs.h"
#include "widgets/editcanvas.h"

namespace {

TMouseButton ToolButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return TMouseButton::Left;
    case Qt::RightButton:
        return TMouseButton::Right;
    default:
        return TMouseButton::Other;
    }
}

} // namespace

struct Tmainform::TToolOptionsFromActions {
    static TToolOptions Read(const Tmainform& w) {
        TToolOptions o;
        o.Tool = w.CurrentTool();
        o.PenMode = w.Action("ResetPixelsAction")->isChecked() ? TPenMode::ResetPixels
                                                               : TPenMode::SetPixels;
        if (w.Action("DrawingLinesBrushedWhiteAction")->isChecked())
            o.FillStyle = TFillStyle::DrawingLinesBrushedWhite;
        else if (w.Action("DrawingLinesBrushedBlackAction")->isChecked())
            o.FillStyle = TFillStyle::DrawingLinesBrushedBlack;
        else if (w.Action("DrawingBrushWhiteAction")->isChecked())
            o.FillStyle = TFillStyle::DrawingBrushWhite;
        else
            o.FillStyle = TFillStyle::DrawingLines;
        o.PasteMode = w.Action("TransparentAction")->isChecked() ? TPasteMode::Transparent
                                                                 : TPasteMode::Overlapping;
        return o;
    }
};

bool Tmainform::eventFilter(QObject* watched, QEvent* event) {
    // Between the pointer events of a stroke the keyboard would still reach
    // the list, the shortcuts and the editors; a key that changed the
    // current glyph would leave the stroke drawing on another glyph. Keys
    // wait until the button is released.
    if (FStroke->StrokeButton() != 0) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmainform::EditPaintBoxMouseDown(Qt::MouseButton button, const QPoint& pos) {
    CommitPendingEdits();
    int column = 0, row = 0;
    bool inside = false;
    if (!FEditPaintBox->PointToPixel(pos.x(), pos.y(), column, row, inside)) return;
    if (!FStroke->Press(TToolOptionsFromActions::Read(*this), ToolButton(button), column, row))
        return;
    qApp->installEventFilter(this);
    FView.StrokeButton = FStroke->StrokeButton();
    FEditPaintBox->Refresh();
}

void Tmainform::EditPaintBoxMouseMove(const QPoint& pos) {
    int column = 0, row = 0;
    bool inside = false;
    const bool hasGlyph = FEditPaintBox->PointToPixel(pos.x(), pos.y(), column, row, inside);
    FEditPaintBox->setCursor(PointerCursor(CanvasPointer(CurrentTool(), hasGlyph, inside)));
    FXYInfoLabel->setText(QString::fromStdString(PositionText(hasGlyph && inside, column, row)));
    if (!hasGlyph || FStroke->StrokeButton() == 0) return;
    if (FStroke->Move(TToolOptionsFromActions::Read(*this), column, row)) FEditPaintBox->Refresh();
}

void Tmainform::EditPaintBoxMouseUp(Qt::MouseButton, const QPoint&) {
    const bool stroke = FStroke->StrokeButton() != 0;
    qApp->removeEventFilter(this);
    std::optional<TRaster> picture = FStroke->Release(TToolOptionsFromActions::Read(*this));
    FView.StrokeButton = 0;
    if (picture && !picture->Empty())
        QGuiApplication::clipboard()->setImage(RasterImage(*picture).copy());
    if (stroke) FEditPaintBox->Refresh();
}
