// Building the window: actions from the action table, menus, toolbars, the
// centre area with canvas and preview strip beside the value panel, the
// status bar.

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "actions/actiontable.h"
#include "icons/staticimagelist.h"
#include "mainwindow/mainform.h"
#include "panels/valuepanel.h"
#include "platform/application.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"
#include "widgets/editpanel.h"
#include "widgets/fontinfolines.h"
#include "widgets/historybutton.h"
#include "widgets/previewpaintbox.h"

namespace {

QString ToolTipText(const TActionRow& row, const QKeySequence& keys) {
    QString tip = QString::fromUtf8(row.Hint).trimmed();
    if (!keys.isEmpty())
        tip += QStringLiteral(" (%1)").arg(keys.toString(QKeySequence::NativeText));
    return tip;
}

} // namespace

void Tmainform::CreateActions() {
    for (std::size_t i = 0; i < ActionTableSize; ++i) {
        const TActionRow& row = ActionTable[i];
        auto* action = new QAction(QString::fromUtf8(row.Caption), this);
        action->setObjectName(QString::fromUtf8(row.Name));
        action->setStatusTip(QString::fromUtf8(row.Hint).trimmed());
        QList<QKeySequence> keys;
        if (*row.Shortcut) keys << QKeySequence(QString::fromUtf8(row.Shortcut));
        action->setShortcuts(keys);
        action->setToolTip(ToolTipText(row, keys.value(0)));
        if (row.Icon >= 0) action->setIcon(ToolbarImageList().Icon(row.Icon));
        // The tool controller makes each check group exclusive.
        if (row.Group > 0) {
            action->setCheckable(true);
            action->setChecked(row.Checked);
        }
        FActions[action->objectName()] = action;
        // Connected before any handler, so a number typed but not yet
        // confirmed reaches the font before the command runs.
        connect(action, &QAction::triggered, this, &Tmainform::CommitPendingEdits);
    }
    // The usual undo and redo keys work besides the program's own.
    Action("UndoAction")->setShortcuts({QKeySequence("Alt+Backspace"), QKeySequence::Undo});
    Action("RedoAction")
        ->setShortcuts({QKeySequence("Alt+Shift+Backspace"), QKeySequence("Ctrl+Y"),
                        QKeySequence("Ctrl+Shift+Z")});
    // Shortcuts work wherever the focus is in the window.
    for (auto& entry : FActions)
        entry.second->setShortcutContext(Qt::WindowShortcut);
    FindRefreshActions();
}

void Tmainform::FindRefreshActions() {
    const auto list = [this](std::initializer_list<const char*> names) {
        std::vector<QAction*> actions;
        for (const char* name : names)
            actions.push_back(Action(QString::fromUtf8(name)));
        return actions;
    };
    FRefresh.Save = Action("FileSaveAction");
    FRefresh.PasteGlyph = Action("PasteGlyphAction");
    FRefresh.ZxCharset = Action("ZxCharsetAction");
    FRefresh.ShowGlyphSheet = Action("ShowGlyphSheetAction");
    FRefresh.NeedGlyph =
        list({"DeleteAction", "ScaleAction", "CopyCharAction", "FlipHorizontalAction",
              "FlipVerticalAction", "RollUpAction", "RollDownAction", "RollLeftAction",
              "RollRightAction", "CopyGlyphAction", "FitWidthAction"});
}

void Tmainform::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '|')
                menu->addSeparator();
            else
                menu->addAction(Action(QString::fromUtf8(name)));
        }
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName("FileMenu");
    add(file, {"NewFileAction", "FileLoadAction", "FileSaveAction", "FileSaveAsAction", "|"});
    add(file, {"ImportAction", "FindFontsAction", "ExportAction", "ZxCharsetAction", "|",
               "SpectrumExportAction", "|"});
    FLastUsedMenu = file->addMenu(QStringLiteral("Last used files..."));
    FLastUsedMenu->setObjectName("LastUsedFilesMenu");
    FLastUsedMenuAction = FLastUsedMenu->menuAction();
    add(file, {"|", "FileExitAction"});
    connect(file, &QMenu::aboutToShow, this, &Tmainform::FileMenuAboutToShow);
    connect(FLastUsedMenu, &QMenu::aboutToShow, this, &Tmainform::FillRecentFilesMenu);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName("EditMenu");
    add(edit, {"UndoAction", "RedoAction", "|", "SetPixelsAction", "ResetPixelsAction", "|"});
    add(edit->addMenu(QStringLiteral("&Drawing tools")),
        {"FreeHandAction", "LineAction", "RectangleAction", "EllipseAction", "RubberAction",
         "EditCopyAction", "EditPasteAction"});
    add(edit->addMenu(QStringLiteral("&Fill styles")),
        {"DrawingLinesAction", "DrawingLinesBrushedWhiteAction", "DrawingLinesBrushedBlackAction",
         "DrawingBrushWhiteAction", "|", "OverlappingAction", "TransparentAction"});
    add(edit, {"|", "DeleteAction", "CopyCharAction", "CopyGlyphAction", "PasteGlyphAction", "|"});
    add(edit->addMenu(QStringLiteral("Flip")), {"FlipHorizontalAction", "FlipVerticalAction"});
    add(edit->addMenu(QStringLiteral("Roll")),
        {"RollUpAction", "RollDownAction", "RollLeftAction", "RollRightAction"});
    add(edit->addMenu(QStringLiteral("Adjust")),
        {"AdjustTopAction", "AdjustBottomAction", "AdjustLeftAction", "AdjustRightAction", "|",
         "AdjustHCenterAction", "AdjustVCenterAction"});
    add(edit->addMenu(QStringLiteral("Style")), {"BoldAction", "ItalicAction"});
    add(edit, {"|", "ScaleAction"});

    QMenu* font = menuBar()->addMenu(QStringLiteral("F&ont"));
    font->setObjectName("FontMenu");
    add(font,
        {"ItalicAllAction", "BoldAllAction", "|", "AdjustAllTopAction", "AdjustAllBottomAction",
         "AdjustAllLeftAction", "AdjustAllRightAction", "AdjustAllHCenterAction",
         "AdjustAllVCenterAction", "|", "DeleteAllAction", "|", "ScaleAllAction"});
    add(font, {"|", "FitWidthAction", "FitWidthAllAction"});

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName("ViewMenu");
    add(view,
        {"ShowGlyphSheetAction", "ShowSpectrumScreenAction", "|", "ZoomInAction", "ZoomOutAction"});

    // Alt+T belongs to the preview text settings, so the menu's own key is L.
    QMenu* tools = menuBar()->addMenu(QStringLiteral("Too&ls"));
    tools->setObjectName("ToolsMenu");
    FPreviewTextMenuItem = tools->addAction(QStringLiteral("Preview Text Settings..."));
    FPreviewTextMenuItem->setObjectName("PreviewTextMenuItem");
    FPreviewTextMenuItem->setShortcut(QKeySequence("Alt+T"));
    FPreviewTextMenuItem->setShortcutContext(Qt::WindowShortcut);
    connect(FPreviewTextMenuItem, &QAction::triggered, this, &Tmainform::CommitPendingEdits);
    addAction(FPreviewTextMenuItem);
    add(tools, {"|", "RunInEmulatorAction"});

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName("HelpMenu");
    add(help, {"AboutAction"});
}

void Tmainform::CreateToolBars() {
    auto bar = [this](const char* name, const QString& title, Qt::ToolBarArea area) {
        auto* toolBar = new QToolBar(title, this);
        toolBar->setObjectName(QString::fromUtf8(name));
        toolBar->setIconSize(QSize(16, 16));
        toolBar->setMovable(true);
        toolBar->setAllowedAreas(Qt::AllToolBarAreas);
        addToolBar(area, toolBar);
        return toolBar;
    };
    auto add = [this](QToolBar* toolBar, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '|')
                toolBar->addSeparator();
            else
                toolBar->addAction(Action(QString::fromUtf8(name)));
        }
    };
    add(bar("FileBar", "File Bar", Qt::TopToolBarArea),
        {"NewFileAction", "FileLoadAction", "FileSaveAction", "FileSaveAsAction"});

    QToolBar* edit = bar("EditBar", "Edit Bar", Qt::TopToolBarArea);
    add(edit, {"SetPixelsAction", "ResetPixelsAction", "|"});
    for (THistoryButton** button : {&FUndoButton, &FRedoButton}) {
        const bool redo = button == &FRedoButton;
        *button = new THistoryButton(redo ? "RedoButton" : "UndoButton",
                                     Action(redo ? "RedoAction" : "UndoAction"), redo, edit);
        edit->addWidget(*button);
    }
    add(edit, {"|", "DeleteAction", "|", "CopyCharAction", "|"});

    // A second row, so every button shows at the start size without the
    // toolbars' extension menus.
    addToolBarBreak(Qt::TopToolBarArea);
    add(bar("DrawToolsBar", "Draw tools Bar", Qt::TopToolBarArea),
        {"FreeHandAction", "LineAction", "RectangleAction", "EllipseAction", "RubberAction",
         "EditCopyAction", "EditPasteAction"});
    add(bar("FillStyleBar", "Fill style Bar", Qt::TopToolBarArea),
        {"DrawingLinesAction", "DrawingLinesBrushedWhiteAction", "DrawingLinesBrushedBlackAction",
         "DrawingBrushWhiteAction", "|", "OverlappingAction", "TransparentAction"});
    add(bar("StretchToolsBar", "Stretch tools bar", Qt::TopToolBarArea), {"ScaleAction"});

    add(bar("CharacterToolsBar", "Character tools Bar", Qt::LeftToolBarArea),
        {"FlipHorizontalAction", "FlipVerticalAction", "|", "RollUpAction", "RollDownAction",
         "RollLeftAction", "RollRightAction", "|", "AdjustTopAction", "AdjustBottomAction",
         "AdjustLeftAction", "AdjustRightAction", "|", "AdjustHCenterAction",
         "AdjustVCenterAction"});
    addToolBarBreak(Qt::LeftToolBarArea);
    add(bar("CharacterStyleBar", "Character style", Qt::LeftToolBarArea),
        {"BoldAction", "ItalicAction"});
}

void Tmainform::CreateCentre() {
    auto* central = new QWidget(this);
    central->setObjectName("CentralPanel");
    auto* outer = new QHBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* splitter1 = new QSplitter(Qt::Horizontal, central);
    splitter1->setObjectName("Splitter1");
    splitter1->setChildrenCollapsible(false);

    auto* listPanel = new QWidget(splitter1);
    listPanel->setObjectName("ListPanel");
    auto* listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    FGrid = new TDatabaseGrid(*FFont, listPanel);
    listLayout->addWidget(FGrid);

    auto* centre = new QWidget(splitter1);
    centre->setObjectName("CentrePanel");
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    FInfoLines = new TFontInfoLines(centre);
    centreLayout->addWidget(FInfoLines);

    FPreviewSplitter = new QSplitter(Qt::Vertical, centre);
    FPreviewSplitter->setObjectName("Splitter2");
    FPreviewSplitter->setChildrenCollapsible(false);
    FPreviewSplitter->setHandleWidth(6);
    auto* editPanel = new TEditPanel(*FFont, FView, FPreviewSplitter);
    FEditPanel = editPanel;
    FEditPaintBox = editPanel->PaintBox();

    FPreviewTextPanel = new QWidget(FPreviewSplitter);
    FPreviewTextPanel->setObjectName("PreviewTextPanel");
    auto* stripLayout = new QVBoxLayout(FPreviewTextPanel);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    FPreviewPaintbox = new TPreviewPaintBox(*FFont, FPreviewTextPanel);
    stripLayout->addWidget(FPreviewPaintbox);
    FPreviewSplitter->addWidget(FEditPanel);
    FPreviewSplitter->addWidget(FPreviewTextPanel);
    FPreviewSplitter->setStretchFactor(0, 1);
    FPreviewSplitter->setStretchFactor(1, 0);
    centreLayout->addWidget(FPreviewSplitter, 1);

    splitter1->addWidget(listPanel);
    splitter1->addWidget(centre);
    splitter1->setStretchFactor(0, 0);
    splitter1->setStretchFactor(1, 1);
    splitter1->setSizes({153, 318});
    outer->addWidget(splitter1, 1);
    FValuePanel = new TValuePanel(FView.Zoom, this);
    outer->addWidget(FValuePanel);
    setCentralWidget(central);
}

void Tmainform::CreateStatusBar() {
    auto label = [this](const char* name, const QString& text, int stretch) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromUtf8(name));
        l->setMinimumWidth(stretch ? 50 : 80);
        statusBar()->addWidget(l, stretch);
        return l;
    };
    FXYInfoLabel = label("XYInfoLabel", QStringLiteral("X:-- Y:--"), 0);
    FModifiedInfoLabel = label("ModifiedInfoLabel", QString(), 0);
    FPathLabel = label("PathLabel", QStringLiteral("<empty>"), 1);
}
