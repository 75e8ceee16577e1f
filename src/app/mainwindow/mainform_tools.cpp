// Drawing with the pointer on the edit canvas: the canvas reports pointer
// events in its own coordinates, the core stroke does the drawing.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include "drawing/drawtools.h"
#include "drawing/widthdrag.h"
#include "mainwindow/mainform.h"
#include "platform/qtraster.h"
#include "spectrum/spectrumscreendock.h"
#include "widgets/cursordefs.h"
#include "widgets/editcanvas.h"
#include "widgets/glyphsheet.h"

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
    if (FStroke->StrokeButton() != 0 || FWidthDrag->Active()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            // Esc drops the stroke: the glyph as at the press, nothing recorded.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) CancelStroke();
            return true;
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

void Tmainform::CancelStroke() {
    qApp->removeEventFilter(this);
    FStroke->Cancel();
    FWidthDrag->Cancel();
    FView.StrokeButton = 0;
    FEditPaintBox->Refresh();
    UpdateControls();
}

bool Tmainform::WidthDragMouseDown(Qt::MouseButton button, const QPoint& pos) {
    const TFZXChar* glyph = FFont->GetCurrent();
    if (button != Qt::LeftButton || !glyph || FStroke->StrokeButton() != 0) return false;
    if (!CanvasOnWidthEdge(FEditPaintBox->GlyphArea(), FView.Zoom, glyph->Width(), FFont->Height(),
                           pos.x(), pos.y()) ||
        !FWidthDrag->Begin())
        return false;
    qApp->installEventFilter(this);
    return true;
}

bool Tmainform::WidthDragMouseMove(const QPoint& pos) {
    const TFZXChar* glyph = FFont->GetCurrent();
    if (!FWidthDrag->Active()) {
        const bool edge = glyph && FStroke->StrokeButton() == 0 &&
                          CanvasOnWidthEdge(FEditPaintBox->GlyphArea(), FView.Zoom, glyph->Width(),
                                            FFont->Height(), pos.x(), pos.y());
        if (edge) FEditPaintBox->setCursor(Qt::SizeHorCursor);
        return edge;
    }
    FEditPaintBox->setCursor(Qt::SizeHorCursor);
    FWidthDrag->Move(CanvasWidthAt(FEditPaintBox->GlyphArea(), FView.Zoom, pos.x()));
    if (const TFZXChar* now = FFont->GetCurrent())
        FXYInfoLabel->setText(QStringLiteral("Width: %1").arg(now->Width()));
    FEditPaintBox->Refresh();
    FSheet->Refresh();
    FSpectrumDock->Refresh();
    return true;
}

bool Tmainform::WidthDragMouseUp() {
    if (!FWidthDrag->Active()) return false;
    qApp->removeEventFilter(this);
    FWidthDrag->End();
    FEditPaintBox->Refresh();
    return true;
}

void Tmainform::EditPaintBoxMouseDown(Qt::MouseButton button, const QPoint& pos) {
    CommitPendingEdits();
    if (WidthDragMouseDown(button, pos)) return;
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
    if (WidthDragMouseMove(pos)) return;
    int column = 0, row = 0;
    bool inside = false;
    const bool hasGlyph = FEditPaintBox->PointToPixel(pos.x(), pos.y(), column, row, inside);
    FEditPaintBox->setCursor(PointerCursor(CanvasPointer(CurrentTool(), hasGlyph, inside)));
    FXYInfoLabel->setText(QString::fromStdString(PositionText(hasGlyph && inside, column, row)));
    if (!hasGlyph || FStroke->StrokeButton() == 0) return;
    if (FStroke->Move(TToolOptionsFromActions::Read(*this), column, row)) {
        FEditPaintBox->Refresh();
        FSheet->Refresh(); // the sheet and the Spectrum screen follow the stroke too
        FSpectrumDock->Refresh();
    }
}

void Tmainform::EditPaintBoxMouseUp(Qt::MouseButton, const QPoint&) {
    if (WidthDragMouseUp()) return;
    const bool stroke = FStroke->StrokeButton() != 0;
    qApp->removeEventFilter(this);
    std::optional<TRaster> picture = FStroke->Release(TToolOptionsFromActions::Read(*this));
    FView.StrokeButton = 0;
    if (picture && !picture->Empty())
        QGuiApplication::clipboard()->setImage(RasterImage(*picture).copy());
    if (stroke) FEditPaintBox->Refresh();
}
