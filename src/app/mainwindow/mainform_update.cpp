// The refresh after every change of the font, undo and redo, a new font.

#include <QAction>
#include <QLabel>
#include <QSplitter>

#include "dialogs/previewdialog.h"
#include "mainwindow/mainform.h"
#include "panels/valuepanel.h"
#include "platform/fonttext.h"
#include "shell/historysteps.h"
#include "spectrum/spectrumscreendock.h"
#include "tools/toolcontroller.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"
#include "widgets/fontinfolines.h"
#include "widgets/historybutton.h"
#include "widgets/previewpaintbox.h"

void Tmainform::UpdateControls() {
    TFZXFont& font = *FFont;
    ShowFileName();
    // The views: repaints are only scheduled; painting happens once the
    // event loop is idle.
    FEditPaintBox->Refresh();
    FGrid->Refresh();
    FPreviewPaintbox->update();
    // The guide lines may depend on the font's height.
    FView.GuideRows = font.ParseGuideLines(ToFontText(FValuePanel->GuideLinesText()));
    // The preview strip and its splitter handle follow their check box.
    const bool strip = FValuePanel->PreviewTextShown();
    FPreviewTextPanel->setVisible(strip);
    if (QSplitterHandle* handle = FPreviewSplitter->handle(1)) handle->setVisible(strip);
    // The modified mark; Save only for a changed font.
    FModifiedInfoLabel->setText(font.Modified() ? QStringLiteral("modified") : QString());
    FRefresh.Save->setEnabled(font.Modified());
    // The current character, if any, and the zoom.
    const bool a = font.GetCurrent() != nullptr;
    FValuePanel->ShowZoom(FView.Zoom);
    // The info lines, and the preview strip's height after the font's.
    FInfoLines->ShowFont(font, FValuePanel->FileSizeShown());
    if (font.Count() == 0) {
        FPreviewTextPanel->setMinimumHeight(16);
    } else {
        const int pz = FPreviewForm->GetPreviewZoom();
        FPreviewTextPanel->setMinimumHeight(PreviewStripMinimum(font.Height() * pz));
        if (FPreviewResizePending) {
            FPreviewResizePending = false;
            const int wanted = 2 * font.Height() * pz;
            QList<int> sizes = FPreviewSplitter->sizes();
            if (sizes.size() == 2) {
                const int total = sizes[0] + sizes[1];
                sizes[1] = wanted;
                sizes[0] = std::max(0, total - wanted);
                FPreviewSplitter->setSizes(sizes);
            }
            FPreviewTextPanel->resize(FPreviewTextPanel->width(), wanted);
        }
    }
    // The font's and the current character's values; a new body height
    // resizes the strip at the next refresh.
    if (FValuePanel->ShowFont(font)) FPreviewResizePending = true;
    // Undo and redo with their history menus.
    FUndoButton->ShowHistory(font.UndoList());
    FRedoButton->ShowHistory(font.UndoList());
    // Tools and character commands need a character.
    for (QAction* action : FRefresh.NeedGlyph)
        action->setEnabled(a);
    FToolController->UpdateActions(a);
    UpdateComfort(a);
}

void Tmainform::SelectListRow(int row) {
    if (row >= 1 && row <= 224) FGrid->SelectRow(row);
}

void Tmainform::UndoRedoSteps(int kind, int count) {
    CommitPendingEdits();
    ::UndoRedoSteps(*FFont, static_cast<std::uint8_t>(kind), count);
    // The list follows the glyph once, at the end.
    if (FFont->CurrentIndex() >= 0) SelectListRow(FFont->CurrentIndex() + 1);
}

void Tmainform::NewFont() {
    FDocument->New();
    SelectListRow(1);
    // Typing a character then picks it instead of drawing on the space.
    FGrid->setFocus();
}

void Tmainform::PreviewChanged(bool zoomChanged) {
    // The Spectrum screen shows the preview's lines, whatever its zoom.
    FSpectrumDock->Refresh();
    if (zoomChanged) {
        FPreviewResizePending = true;
        UpdateControls();
    } else {
        FPreviewPaintbox->update();
    }
}

void Tmainform::SetZoom(int zoom) {
    zoom = std::clamp(zoom, 1, 80);
    if (zoom == FView.Zoom) return;
    FView.Zoom = zoom;
    FValuePanel->ShowZoom(zoom);
    FEditPaintBox->Refresh();
}
