// Building the window: actions from the action table, menus, toolbars, the
// centre area with canvas and preview strip, the value panel, the status bar.

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "icons/staticimagelist.h"
#include "mainwindow/actiontable.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"
#include "widgets/editpanel.h"
#include "widgets/previewpaintbox.h"
#include "widgets/valueedit.h"

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
        // The tool controller puts each group's actions in its exclusive group.
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
    FRefresh.Undo = Action("UndoAction");
    FRefresh.Redo = Action("RedoAction");
    FRefresh.PasteGlyph = Action("PasteGlyphAction");
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
    add(file,
        {"ImportAction", "ExportAction", "ZxCharsetAction", "|", "SpectrumExportAction", "|"});
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
    auto historyButton = [this, edit](const char* name, QAction* action, QMenu*& menu) {
        auto* button = new QToolButton(edit);
        button->setObjectName(QString::fromUtf8(name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        menu = new QMenu(button);
        menu->setObjectName(QString::fromUtf8(name) + "Menu");
        edit->addWidget(button);
        return button;
    };
    FUndoButton = historyButton("UndoButton", Action("UndoAction"), FUndoMenu);
    FRedoButton = historyButton("RedoButton", Action("RedoAction"), FRedoMenu);
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
    auto infoLine = [centre, centreLayout](const char* name, const QColor& color) {
        auto* label = new QLabel(centre);
        label->setObjectName(QString::fromUtf8(name));
        label->setFont(InterfaceFont(11));
        if (color.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, color);
            label->setPalette(palette);
        }
        label->hide(); // an empty info line takes no height
        centreLayout->addWidget(label);
        return label;
    };
    FSizeInfo = infoLine("SizeInfo", QColor());
    FHeightInfo = infoLine("HeightInfo", QColor(255, 0, 255));
    FWidthInfo = infoLine("WidthInfo", QColor(255, 0, 255));
    FLastCharInfo = infoLine("LastCharInfo", QColor(255, 0, 0));

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
    outer->addWidget(CreateValuePanel());
    setCentralWidget(central);
}

QWidget* Tmainform::CreateValuePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("ValuePanel");
    panel->setFixedWidth(185);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    auto header = [panel, layout](const char* text) {
        auto* label = new QLabel(QString::fromUtf8(text), panel);
        label->setFont(InterfaceFont(13, true));
        layout->addWidget(label);
    };
    auto line = [panel, layout] {
        auto* frame = new QFrame(panel);
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
        layout->addWidget(frame);
    };
    auto editor = [panel, layout](const char* label, const char* name, int min, int max) {
        auto* row = new QHBoxLayout;
        auto* text = new QLabel(QString::fromUtf8(label), panel);
        auto* edit = new TValueEdit(min, max, panel);
        edit->setObjectName(QString::fromUtf8(name));
        text->setBuddy(edit);
        row->addWidget(text, 1);
        row->addWidget(edit);
        layout->addLayout(row);
        return edit;
    };
    auto check = [panel, layout](const char* text, const char* name, bool checked) {
        auto* box = new QCheckBox(QString::fromUtf8(text), panel);
        box->setObjectName(QString::fromUtf8(name));
        box->setChecked(checked);
        layout->addWidget(box);
        return box;
    };
    auto field = [panel, layout](const char* name, const char* text) {
        auto* edit = new QLineEdit(QString::fromUtf8(text), panel);
        edit->setObjectName(QString::fromUtf8(name));
        layout->addWidget(edit);
        return edit;
    };
    header("Common values:");
    FBaseLineEdit = editor("Body height:", "BaseLineEdit", 1, 192);
    FTrackingEdit = editor("Right tracking:", "TrackingEdit", 0, 16);
    FLastCharEdit = editor("Last char:", "LastCharEdit", 32, 255);
    line();
    header("Character values:");
    FCharWidthEdit = editor("Width:", "CharWidthEdit", 1, 256);
    FKernEdit = editor("Horiz overlap:", "KernEdit", 0, 3);
    line();
    header("Miscellaneous:");
    FZoomEdit = editor("Zoom view:", "ZoomEdit", 1, 80);
    FZoomEdit->setValue(FView.Zoom);
    FShowVerticalLimits = check("Show vertical limits", "showverticallimitsCheckBox", true);
    FShowPreviewText = check("Show preview text", "ShowPreviewTextCheckBox", true);
    FShowFileSize = check("Show total file size", "ShowFileSizeCheckBox", true);
    FShowCharLimits = check("Show (Y) char limits for:", "CheckBox1", true);
    FCharLimitsEdit = field("CharLimitsEdit", "0..9, a..z, A..Z, all");
    FShowGuideLines = check("Show (Y) guide lines at:", "CheckBox2", false);
    FGuideLinesEdit = field("GuideLinesEdit", "8, 16, 24");
    FGuideLinesEdit->setEnabled(false);
    layout->addStretch(1);
    return panel;
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
