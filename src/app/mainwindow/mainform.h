#pragma once
// The editor's one main window. It builds the actions from the action table,
// the menus, toolbars and docks, places the views and wires them to the
// document (TFontDocument: the font, its file, every read and write), the
// tool controller (TToolController: drawing with the pointer) and the value
// panel (TValuePanel); it refreshes once for each of the document's signals
// (UpdateControls). Its handlers live in files by concern: mainform.cpp
// (creation, first activation, close, drops), mainform_layout.cpp,
// mainform_update.cpp (the refresh, undo and redo, a new font),
// mainform_commands.cpp (Edit and Font commands), mainform_files.cpp and
// mainform_import.cpp (the questions around the document's reads and
// writes), mainform_clipboard.cpp and mainform_glyphclip.cpp (the clipboard),
// mainform_comfort.cpp (keys, zoom steps), mainform_settings.cpp and
// mainform_sheet.cpp (settings, the glyph sheet dock, the window's place);
// the Spectrum commands are spectrumcommands.cpp.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "document/fontdocument.h"
#include "drawing/canvasgeometry.h"
#include "formats/fontformats.h"
#include "model/font.h"
#include "raster/raster.h"

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;
class QDockWidget;
class TBeyondLastCharBar;
class TDatabaseGrid;
class TGlyphSheet;
class THistoryButton;
class TSafeRegistry;
class TEditPaintBox;
class TFontInfoLines;
class TPreviewPaintBox;
class TScaleFactorForm;
class TSpectrumScreenDock;
class TToolController;
class TValuePanel;
class Ttestpreviewform;

class Tmainform : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the window and starts a new font. The command-line file (if
    // any) is opened at the first activation.
    explicit Tmainform(const QStringList& arguments = {}, QWidget* parent = nullptr);
    // The command line as the system passed it, bytes and all.
    explicit Tmainform(const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    ~Tmainform() override;

    TFontDocument& Document() { return *FDocument; }
    TFZXFont& Font() { return *FFont; }
    // The action with this object name; nullptr for an unknown name.
    QAction* Action(const QString& name) const;

    // Brings every control into line with the font; schedules repaints.
    void UpdateControls();
    // Walks count steps through the history (kind 0 undo, 1 redo).
    void UndoRedoSteps(int kind, int count);
    // The document's new font, its first character current in the list,
    // which gets the keyboard.
    void NewFont();
    // The preview dialog's settings changed; true when the zoom did.
    void PreviewChanged(bool zoomChanged);
    int Zoom() const { return FView.Zoom; }
    void SetZoom(int zoom);
    const TCanvasView& CanvasView() const { return FView; }

    Ttestpreviewform* PreviewForm() const { return FPreviewForm; }
    TScaleFactorForm* ScaleForm() const { return FScaleForm; }
    TEditPaintBox* EditPaintBox() const { return FEditPaintBox; }
    TToolController* ToolController() const { return FToolController; }
    TValuePanel* ValuePanel() const { return FValuePanel; }
    TDatabaseGrid* CharList() const { return FGrid; }
    TGlyphSheet* GlyphSheet() const { return FSheet; }
    TSpectrumScreenDock* SpectrumScreenDock() const { return FSpectrumDock; }

    // --- files ------------------------------------------------------------
    // The window asks (names, options, the changed-file question) and shows
    // what went wrong; the document reads and writes.
    bool QuerySaveChanges();
    void OpenFont(const QString& path);
    // path as the system spells it. A file that cannot be read leaves the
    // font, its history, its name and the recent list as they were.
    void OpenFontPath(const std::string& path);
    // A file handed to the window (dropped, or named on the command line):
    // the editor's own formats are opened, the others imported as untitled.
    void OpenOrImportPath(const std::string& path);
    // Saves to the font's file, asking for a name first when it has none.
    bool SaveFont();
    // Imports a file of the formats table as a new, untitled font, after the
    // changed-file question; picture sheets ask for their layout first
    // (mainform_import.cpp).
    void ImportFont(const QString& path);
    // Finds the fonts inside path with the find dialog and enters the one
    // chosen as an import (the changed-file question already answered).
    void FindFontsIn(const QString& path);
    // True for files ImportFont takes: the formats table's, and pictures of
    // the other kinds the toolkit reads (BMP, GIF ...) as sheets.
    bool CanImport(const QString& path) const;
    // Exports the font in the format path's extension names, after asking
    // for the format's options; the font keeps its file and state.
    void ExportFont(const QString& path);
    // Settings location for tests; "" uses the user's store.
    void SetSettingsFile(const QString& fileName) { FSettingsFile = fileName; }
    void LoadSettings();
    void StoreSettings();

    // The first activation: preview callback, settings, command-line file.
    void ActivateFirstTime();

    // The black-and-white copy of the clipboard's picture.
    const TRaster& ClipboardBitmap() const { return FClipboardBitmap; }
    void ClipboardChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // mainform_layout.cpp
    void CreateActions();
    void FindRefreshActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateCentre();
    void CreateStatusBar();
    // mainform_commands.cpp
    void ConnectCommands();
    void ConnectEditors();
    // Confirms a value typed into an editor but not yet entered.
    void CommitPendingEdits();
    void CopyCharActionExecute();
    void ShowMessage(const std::string& text);
    void CharLimitsChanged(const QString& text);
    void PreviewStripClicked();
    void PreviewTextCommand();
    void CharListRowChanged(int row);
    // mainform.cpp
    bool FormCloseQuery();
    // The preview dialog reports its changes to the window while connected.
    void ConnectPreviewForm(bool connected);
    // mainform_update.cpp
    void SelectListRow(int row);
    // mainform_files.cpp
    void ConnectFileCommands();
    void NewFileActionExecute();
    void FileLoadActionExecute();
    void FileSaveActionExecute();
    void FileSaveAsActionExecute();
    void PrepareSaveAsDialog(QFileDialog& dialog);
    void SaveAsChosen(const QString& name);
    void FileMenuAboutToShow();
    void FillRecentFilesMenu();
    // Shows the document's file name in the status bar when it changed.
    void ShowFileName();
    // Runs one of the document's ways in for a font read from a file (Open,
    // Import, drops, the recent list, the command line), handing it the
    // character to make current: the highlighted row's. On success the list
    // shows that row and gets the keyboard, and the preview strip takes the
    // new font's height; "" or the message; TFileError passes through.
    std::string EnterFont(const std::function<std::string(int current)>& enter);
    std::string ReadCommandLineFile() const;
    // mainform_import.cpp
    void ConnectImportCommands();
    void ImportActionExecute();
    // ImportFont after the changed-file question was answered.
    void ImportAsked(const QString& path);
    void ExportActionExecute();
    // mainform_find.cpp
    void ConnectFindCommands();
    void FindFontsActionExecute();
    // mainform_clipboard.cpp
    void JoinClipboardWatch();
    // mainform_sheet.cpp: the glyph sheet dock and the window's own settings
    void CreateGlyphSheetDock();
    // Keeps the canvas its room while docks are docked, and the window on
    // the screen when a dock grows it or it is no longer maximised.
    void WatchDocks();
    void GlyphSheetCodeChosen(int code);
    // The window's place, layout and dock, read once before the window
    // first appears, so that the window manager maps it where it was.
    void RestoreWindowSettings();
    // Moves the window onto the screen it overlaps most, shrunk to it where
    // larger (unless shrink is false), so that its title bar can be reached.
    void KeepOnScreen(bool shrink = true);
    // In the group "Window" of the store the caller opened for its own load
    // or store; no key is open before or after.
    void LoadWindowSettings(TSafeRegistry& reg);
    void StoreWindowSettings(TSafeRegistry& reg);
    // mainform_glyphclip.cpp: whole characters through the clipboard
    void CopyGlyphActionExecute();
    void PasteGlyphActionExecute();
    bool ClipboardHasGlyph() const;
    // mainform_comfort.cpp: the usual keys, zoom steps, the note beyond Last
    // char
    void CreateComfort();
    void UpdateComfort(bool hasGlyph);
    void ZoomStep(int steps);
    // The preview strip's minimum height for a wanted one, kept to what the
    // screen has room for.
    int PreviewStripMinimum(int wanted) const;

    std::unique_ptr<TFontDocument> FDocument;
    // The document's font, which the views and commands show and edit.
    TFZXFont* const FFont;
    TCanvasView FView;
    bool FPreviewResizePending = false;
    bool FFirstActivation = true;
    bool FWindowRestored = false;
    QString FSettingsFile;
    std::vector<std::string> FArguments;
    TRaster FClipboardBitmap;
    TExportOptions FExportOptions;
    bool FClipboardGlyph = false; // the clipboard holds a whole character

    std::map<QString, QAction*> FActions;
    // The actions the window sets or reads after building them, found once
    // when they are made.
    struct TRefreshActions {
        QAction* Save = nullptr;
        QAction* PasteGlyph = nullptr;
        QAction* ZxCharset = nullptr;
        QAction* ShowGlyphSheet = nullptr;
        std::vector<QAction*> NeedGlyph; // commands on the character
    } FRefresh;
    TToolController* FToolController = nullptr;
    THistoryButton* FUndoButton = nullptr;
    THistoryButton* FRedoButton = nullptr;
    QMenu* FLastUsedMenu = nullptr;
    QAction* FLastUsedMenuAction = nullptr;
    QAction* FPreviewTextMenuItem = nullptr;

    TDatabaseGrid* FGrid = nullptr;
    TGlyphSheet* FSheet = nullptr;
    QDockWidget* FSheetDock = nullptr;
    TSpectrumScreenDock* FSpectrumDock = nullptr;
    TBeyondLastCharBar* FBeyondLastCharBar = nullptr;
    QScrollArea* FEditPanel = nullptr;
    TEditPaintBox* FEditPaintBox = nullptr;
    QSplitter* FPreviewSplitter = nullptr; // "Splitter2": canvas above, preview strip below
    QWidget* FPreviewTextPanel = nullptr;
    TPreviewPaintBox* FPreviewPaintbox = nullptr;
    TFontInfoLines* FInfoLines = nullptr;
    QLabel* FXYInfoLabel = nullptr;
    QLabel* FModifiedInfoLabel = nullptr;
    QLabel* FPathLabel = nullptr;

    TValuePanel* FValuePanel = nullptr;

    // Children of the window, alive as long as it is.
    Ttestpreviewform* FPreviewForm = nullptr;
    TScaleFactorForm* FScaleForm = nullptr;
};
