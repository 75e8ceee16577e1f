// The commands of the Edit and Font menus, the value editors and the view
// options.

#include <QAction>
#include <QLabel>
#include <QSplitter>

#include "dialogs/aboutbox.h"
#include "dialogs/copychardialog.h"
#include "dialogs/previewdialog.h"
#include "drawing/charranges.h"
#include "mainwindow/mainform.h"
#include "panels/valuepanel.h"
#include "platform/application.h"
#include "platform/fonttext.h"
#include "spectrum/spectrumscreendock.h"
#include "tools/toolcontroller.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"
#include "widgets/glyphsheet.h"
#include "widgets/previewpaintbox.h"

namespace {

// Each glyph operation as a command on the current glyph and on all glyphs.
struct TOperationActions {
    TCharOperation Code;
    const char* Current;
    const char* All;
};

const TOperationActions GlyphOperations[] = {
    {coItalic, "ItalicAction", "ItalicAllAction"},
    {coBold, "BoldAction", "BoldAllAction"},
    {coAdjustTop, "AdjustTopAction", "AdjustAllTopAction"},
    {coAdjustBottom, "AdjustBottomAction", "AdjustAllBottomAction"},
    {coAdjustLeft, "AdjustLeftAction", "AdjustAllLeftAction"},
    {coAdjustRight, "AdjustRightAction", "AdjustAllRightAction"},
    {coAdjustHCenter, "AdjustHCenterAction", "AdjustAllHCenterAction"},
    {coAdjustVCenter, "AdjustVCenterAction", "AdjustAllVCenterAction"},
    {coClear, "DeleteAction", "DeleteAllAction"},
    {coScale, "ScaleAction", "ScaleAllAction"},
};

} // namespace

void Tmainform::ShowMessage(const std::string& text) {
    ShowMessageBox(this, FromFontText(text));
}

void Tmainform::ConnectCommands() {
    auto on = [this](const char* name, auto handler) {
        connect(Action(QString::fromUtf8(name)), &QAction::triggered, this, handler);
    };
    for (const TOperationActions& op : GlyphOperations) {
        on(op.Current, [this, code = op.Code] { FFont->ApplyToCurrent(code); });
        on(op.All, [this, code = op.Code] { FFont->ApplyToAll(code); });
    }
    on("FlipHorizontalAction", [this] { FFont->FlipHorizontal(); });
    on("FlipVerticalAction", [this] { FFont->FlipVertical(); });
    on("RollUpAction", [this] { FFont->RollUp(1); });
    on("RollDownAction", [this] { FFont->RollDown(1); });
    on("RollLeftAction", [this] { FFont->RollLeft(1); });
    on("RollRightAction", [this] { FFont->RollRight(1); });
    on("UndoAction", [this] { UndoRedoSteps(0, 1); });
    on("RedoAction", [this] { UndoRedoSteps(1, 1); });
    on("CopyCharAction", [this] { CopyCharActionExecute(); });
    on("AboutAction", [this] { AboutActionExecute(this); });
    on("FileExitAction", [this] { close(); });

    connect(FPreviewTextMenuItem, &QAction::triggered, this, &Tmainform::PreviewTextCommand);
    connect(FPreviewPaintbox, &TPreviewPaintBox::clicked, this, &Tmainform::PreviewStripClicked);
    connect(FGrid, &TDatabaseGrid::CellPositionChanged, this, &Tmainform::CharListRowChanged);
    connect(FToolController, &TToolController::aboutToPress, this, &Tmainform::CommitPendingEdits);
    connect(FToolController, &TToolController::pointerText, FXYInfoLabel, &QLabel::setText);
    // A stroke notifies nothing until it ends; the sheet and the Spectrum
    // screen follow it meanwhile.
    connect(FToolController, &TToolController::glyphDrawn, this, [this] {
        FSheet->Refresh();
        FSpectrumDock->Refresh();
    });
}

void Tmainform::PreviewStripClicked() {
    // The dialog stays open until OK or its close button; the strip follows
    // every change meanwhile.
    FPreviewForm->exec();
}

void Tmainform::PreviewTextCommand() {
    FPreviewForm->exec();
}

void Tmainform::CharListRowChanged(int row) {
    FFont->SetCurrent(row - 1);
}

void Tmainform::CharLimitsChanged(const QString& text) {
    FView.CharRanges = ParseCharRanges(ToFontText(text));
    FEditPaintBox->Refresh();
}

void Tmainform::CopyCharActionExecute() {
    ::CopyCharActionExecute(this, *FFont);
}

void Tmainform::CommitPendingEdits() {
    FValuePanel->CommitTyped();
}

void Tmainform::ConnectEditors() {
    TValuePanel* panel = FValuePanel;
    connect(panel, &TValuePanel::heightEntered, this, [this](int v) {
        FPreviewResizePending = true;
        FFont->SetHeight(v);
    });
    connect(panel, &TValuePanel::trackingEntered, this, [this](int v) { FFont->SetTracking(v); });
    connect(panel, &TValuePanel::lastCharEntered, this, [this](int v) { FFont->SetLastChar(v); });
    // Both setters ignore a missing glyph and an unchanged value.
    connect(panel, &TValuePanel::widthEntered, this, [this](int v) { FFont->SetCurrentWidth(v); });
    connect(panel, &TValuePanel::kernEntered, this, [this](int v) { FFont->SetCurrentKern(v); });
    connect(panel, &TValuePanel::zoomEntered, this, [this](int v) { SetZoom(v); });

    connect(panel, &TValuePanel::verticalLimitsToggled, this, [this](bool on) {
        FView.ShowVerticalLimits = on;
        FEditPaintBox->Refresh();
    });
    connect(panel, &TValuePanel::previewTextToggled, this, [this] { UpdateControls(); });
    connect(panel, &TValuePanel::fileSizeToggled, this, [this] { UpdateControls(); });
    connect(panel, &TValuePanel::charLimitsToggled, this, [this](bool on) {
        FView.ShowCharLimits = on;
        FEditPaintBox->Refresh();
    });
    connect(panel, &TValuePanel::guideLinesToggled, this, [this](bool on) {
        FView.ShowGuideLines = on;
        FEditPaintBox->Refresh();
    });
    connect(panel, &TValuePanel::charLimitsEdited, this, &Tmainform::CharLimitsChanged);
    connect(panel, &TValuePanel::guideLinesEdited, this, [this] { UpdateControls(); });
}
