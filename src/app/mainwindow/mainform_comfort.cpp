// Conveniences of the editing window: the usual keys, zoom steps,
// whole-character copy and paste, widths fitted to the ink, the note for
// characters beyond Last char.

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>

#include "drawing/canvasgeometry.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "spectrum/spectrumscreendock.h"
#include "widgets/beyondlastcharbar.h"
#include "widgets/editcanvas.h"
#include "widgets/editpanel.h"
#include "widgets/glyphsheet.h"

namespace {

// The keys of an action as its tool tip shows them: "hint (Ctrl+N, Alt+N)".
void ShowKeysInTip(QAction* action) {
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    QString tip = action->statusTip();
    if (!keys.isEmpty()) tip += QStringLiteral(" (%1)").arg(keys.join(QStringLiteral(", ")));
    action->setToolTip(tip);
}

} // namespace

void Tmainform::CreateComfort() {
    // The usual keys beside the program's own; the first one is what the
    // menus show.
    const struct {
        const char* Action;
        QList<QKeySequence> Keys;
    } keys[] = {
        {"NewFileAction", {QKeySequence("Ctrl+N"), QKeySequence("Alt+N")}},
        {"FileSaveAsAction", {QKeySequence("Ctrl+Shift+S")}},
        {"FileExitAction", {QKeySequence("Ctrl+Q")}},
        {"ZoomInAction",
         {QKeySequence("Ctrl++"), QKeySequence("Ctrl+="),
          QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))}},
        {"ZoomOutAction",
         {QKeySequence("Ctrl+-"),
          QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))}},
    };
    for (const auto& k : keys) {
        QAction* action = Action(QString::fromUtf8(k.Action));
        action->setShortcuts(k.Keys);
        ShowKeysInTip(action);
    }
    for (const char* name : {"UndoAction", "RedoAction"})
        ShowKeysInTip(Action(QString::fromUtf8(name)));

    connect(Action("CopyGlyphAction"), &QAction::triggered, this,
            &Tmainform::CopyGlyphActionExecute);
    connect(Action("PasteGlyphAction"), &QAction::triggered, this,
            &Tmainform::PasteGlyphActionExecute);
    connect(Action("FitWidthAction"), &QAction::triggered, this,
            [this] { FFont->FitCurrentWidth(); });
    connect(Action("FitWidthAllAction"), &QAction::triggered, this,
            [this] { FFont->FitAllWidths(); });
    connect(Action("ZoomInAction"), &QAction::triggered, this, [this] { ZoomStep(1); });
    connect(Action("ZoomOutAction"), &QAction::triggered, this, [this] { ZoomStep(-1); });
    // Ctrl with the wheel anywhere over the canvas panel, the glyph included.
    auto* panel = static_cast<TEditPanel*>(FEditPanel);
    connect(panel, &TEditPanel::ZoomWheel, this,
            [this, panel](int steps, QPoint at, QPoint canvas) {
                const int before = FView.Zoom;
                ZoomStep(steps);
                panel->KeepPlaceAt(at, canvas, before, FView.Zoom);
            });

    // Hints show as tool tips in the menus too; the status line keeps its fields.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setToolTipsVisible(true);

    // The note for characters beyond Last char, between the info lines and
    // the canvas.
    FBeyondLastCharBar = new TBeyondLastCharBar(*FFont, this);
    if (auto* layout = qobject_cast<QBoxLayout*>(FPreviewSplitter->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(FPreviewSplitter), FBeyondLastCharBar);
}

void Tmainform::UpdateComfort(bool hasGlyph) {
    FRefresh.PasteGlyph->setEnabled(hasGlyph && FClipboardGlyph);

    FBeyondLastCharBar->ShowFont();
}

int Tmainform::PreviewStripMinimum(int wanted) const {
    // A tall body at preview zoom 4 would ask for up to 768 pixels: the strip
    // keeps at most a third of the screen, so the window still fits on it and
    // the splitter gives way instead.
    const QScreen* screen = this->screen();
    const int cap = screen ? std::max(16, screen->availableGeometry().height() / 3) : wanted;
    return std::min(wanted, cap);
}

void Tmainform::ZoomStep(int steps) {
    SetZoom(CanvasZoomStep(FView.Zoom, steps));
}
