// The tool actions and drawing with the pointer on the edit canvas: the
// canvas reports pointer events in its own coordinates, the core stroke or
// the width drag does the drawing.

#include "tools/toolcontroller.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "actions/actiontable.h"
#include "drawing/canvasgeometry.h"
#include "drawing/widthdrag.h"
#include "model/font.h"
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

TToolController::TToolController(TFZXFont& font, TCanvasView& view, TEditPaintBox& canvas,
                                 const TRaster& clipboardBitmap,
                                 const std::function<QAction*(const QString&)>& action,
                                 QObject* parent)
    : QObject(parent), FFont(font), FView(view), FCanvas(canvas),
      FStroke(std::make_unique<TToolStroke>(font, clipboardBitmap)),
      FWidthDrag(std::make_unique<TWidthDrag>(font)) {
    setObjectName("ToolController");
    const char* const tools[DrawToolCount] = {"FreeHandAction", "LineAction",   "RectangleAction",
                                              "EllipseAction",  "RubberAction", "EditPasteAction",
                                              "EditCopyAction"};
    for (int t = 0; t < DrawToolCount; ++t)
        FTools[t] = action(QString::fromUtf8(tools[t]));
    FSetPixels = action("SetPixelsAction");
    FResetPixels = action("ResetPixelsAction");
    FFillStyles[0] = action("DrawingLinesAction");
    FFillStyles[1] = action("DrawingLinesBrushedWhiteAction");
    FFillStyles[2] = action("DrawingLinesBrushedBlackAction");
    FFillStyles[3] = action("DrawingBrushWhiteAction");
    FPasteModes[0] = action("OverlappingAction");
    FPasteModes[1] = action("TransparentAction");

    // The action table says which actions exclude each other.
    QActionGroup* groups[5] = {};
    for (std::size_t i = 0; i < ActionTableSize; ++i) {
        const TActionRow& row = ActionTable[i];
        if (row.Group <= 0) continue;
        if (!groups[row.Group]) {
            groups[row.Group] = new QActionGroup(this);
            groups[row.Group]->setExclusive(true);
        }
        groups[row.Group]->addAction(action(QString::fromUtf8(row.Name)));
    }
    // Choosing a tool lets the fill style and paste mode actions follow it.
    for (QAction* tool : FTools)
        connect(tool, &QAction::triggered, this,
                [this] { UpdateActions(FFont.GetCurrent() != nullptr); });

    connect(&FCanvas, &TEditPaintBox::MousePressed, this, &TToolController::MouseDown);
    connect(&FCanvas, &TEditPaintBox::MouseMoved, this, &TToolController::MouseMove);
    connect(&FCanvas, &TEditPaintBox::MouseReleased, this, &TToolController::MouseUp);
}

// Out of line: the width drag's type is complete only here. A filter still
// installed goes with the object.
TToolController::~TToolController() = default;

TDrawTool TToolController::CurrentTool() const {
    for (int t = 1; t < DrawToolCount; ++t)
        if (FTools[t]->isChecked()) return static_cast<TDrawTool>(t);
    return dtFreeHand;
}

TToolOptions TToolController::Options() const {
    TToolOptions o;
    o.Tool = CurrentTool();
    o.PenMode = FResetPixels->isChecked() ? TPenMode::ResetPixels : TPenMode::SetPixels;
    o.FillStyle = TFillStyle::DrawingLines;
    for (int i = 1; i < 4; ++i)
        if (FFillStyles[i]->isChecked()) {
            o.FillStyle = static_cast<TFillStyle>(i);
            break;
        }
    o.PasteMode = FPasteModes[1]->isChecked() ? TPasteMode::Transparent : TPasteMode::Overlapping;
    return o;
}

void TToolController::UpdateActions(bool hasGlyph) {
    const TDrawTool t = CurrentTool();
    for (QAction* action : {FSetPixels, FResetPixels, FTools[dtFreeHand], FTools[dtLine],
                            FTools[dtRectangle], FTools[dtEllipse], FTools[dtRubber]})
        action->setEnabled(hasGlyph);
    const bool figure = hasGlyph && (t == dtRectangle || t == dtEllipse);
    for (QAction* action : FFillStyles)
        action->setEnabled(figure);
    for (QAction* action : FPasteModes)
        action->setEnabled(hasGlyph && t == dtPaste);
}

void TToolController::SetPictureAvailable(bool available) {
    QAction* paste = FTools[dtPaste];
    if (paste->isChecked() && !available) {
        FTools[dtFreeHand]->setChecked(true);
        UpdateActions(FFont.GetCurrent() != nullptr);
    }
    paste->setEnabled(available);
}

bool TToolController::Busy() const {
    return FStroke->StrokeButton() != 0 || FWidthDrag->Active();
}

bool TToolController::eventFilter(QObject* watched, QEvent* event) {
    // Between the pointer events of a stroke the keyboard would still reach
    // the list, the shortcuts and the editors; a key that changed the
    // current glyph would leave the stroke drawing on another glyph. Keys
    // wait until the button is released.
    if (Busy()) {
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
    return QObject::eventFilter(watched, event);
}

void TToolController::CancelStroke() {
    qApp->removeEventFilter(this);
    FStroke->Cancel();
    FWidthDrag->Cancel();
    FView.StrokeButton = 0;
    FCanvas.Refresh();
}

bool TToolController::WidthDragMouseDown(Qt::MouseButton button, const QPoint& pos) {
    const TFZXChar* glyph = FFont.GetCurrent();
    if (button != Qt::LeftButton || !glyph || FStroke->StrokeButton() != 0) return false;
    if (!CanvasOnWidthEdge(FCanvas.GlyphArea(), FView.Zoom, glyph->Width(), FFont.Height(), pos.x(),
                           pos.y()) ||
        !FWidthDrag->Begin())
        return false;
    qApp->installEventFilter(this);
    return true;
}

bool TToolController::WidthDragMouseMove(const QPoint& pos) {
    const TFZXChar* glyph = FFont.GetCurrent();
    if (!FWidthDrag->Active()) {
        const bool edge = glyph && FStroke->StrokeButton() == 0 &&
                          CanvasOnWidthEdge(FCanvas.GlyphArea(), FView.Zoom, glyph->Width(),
                                            FFont.Height(), pos.x(), pos.y());
        if (edge) FCanvas.setCursor(Qt::SizeHorCursor);
        return edge;
    }
    FCanvas.setCursor(Qt::SizeHorCursor);
    FWidthDrag->Move(CanvasWidthAt(FCanvas.GlyphArea(), FView.Zoom, pos.x()));
    if (const TFZXChar* now = FFont.GetCurrent())
        emit pointerText(QStringLiteral("Width: %1").arg(now->Width()));
    FCanvas.Refresh();
    emit glyphDrawn();
    return true;
}

bool TToolController::WidthDragMouseUp() {
    if (!FWidthDrag->Active()) return false;
    qApp->removeEventFilter(this);
    FWidthDrag->End();
    FCanvas.Refresh();
    return true;
}

void TToolController::MouseDown(Qt::MouseButton button, const QPoint& pos) {
    emit aboutToPress();
    if (WidthDragMouseDown(button, pos)) return;
    int column = 0, row = 0;
    bool inside = false;
    if (!FCanvas.PointToPixel(pos.x(), pos.y(), column, row, inside)) return;
    if (!FStroke->Press(Options(), ToolButton(button), column, row)) return;
    qApp->installEventFilter(this);
    FView.StrokeButton = FStroke->StrokeButton();
    FCanvas.Refresh();
}

void TToolController::MouseMove(const QPoint& pos) {
    if (WidthDragMouseMove(pos)) return;
    int column = 0, row = 0;
    bool inside = false;
    const bool hasGlyph = FCanvas.PointToPixel(pos.x(), pos.y(), column, row, inside);
    FCanvas.setCursor(PointerCursor(CanvasPointer(CurrentTool(), hasGlyph, inside)));
    emit pointerText(QString::fromStdString(PositionText(hasGlyph && inside, column, row)));
    if (!hasGlyph || FStroke->StrokeButton() == 0) return;
    if (FStroke->Move(Options(), column, row)) {
        FCanvas.Refresh();
        emit glyphDrawn(); // the sheet and the Spectrum screen follow the stroke too
    }
}

void TToolController::MouseUp(Qt::MouseButton, const QPoint&) {
    if (WidthDragMouseUp()) return;
    const bool stroke = FStroke->StrokeButton() != 0;
    qApp->removeEventFilter(this);
    std::optional<TRaster> picture = FStroke->Release(Options());
    FView.StrokeButton = 0;
    if (picture && !picture->Empty())
        QGuiApplication::clipboard()->setImage(RasterImage(*picture).copy());
    if (stroke) FCanvas.Refresh();
}
