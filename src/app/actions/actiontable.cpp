#include "actions/actiontable.h"

// clang-format off
const TActionRow ActionTable[] = {
    // File
    {"NewFileAction", "&New", "creates a new empty font", "Alt+N", 23, 0, false},
    {"FileLoadAction", "&Open file ...", "open a FZX font file ...", "Ctrl+O", 0, 0, false},
    {"FileSaveAction", "&Save file", "saves the current file to disk", "Ctrl+S", 24, 0, false},
    {"FileSaveAsAction", "Save file &as...", "saves the current file to another file", "", 25, 0, false},
    {"ImportAction", "&Import...", "opens a font of another format (console font, picture sheet ...) as a new font", "", -1, 0, false},
    {"FindFontsAction", "&Find fonts in a Spectrum file...", "looks for character sets and FZX fonts inside a tape, snapshot, ROM image or any file and imports one", "", -1, 0, false},
    {"ExportAction", "&Export...", "writes the font in another format (console font, picture sheet ...)", "", -1, 0, false},
    {"ZxCharsetAction", "Spectrum &characters (\u2191 \u00A3 \u00A9)", "imports and exports the up arrow, pound and copyright signs as codes 94, 96 and 127", "", -1, 0, false},
    {"FileExitAction", "E&xit", "quits the program", "", 1, 0, false},
    {"SpectrumExportAction", "Export for S&pectrum...", "writes a tape, snapshot or assembler source that shows the preview text on a ZX Spectrum", "", -1, 0, false},
    // Edit
    {"UndoAction", "&Undo", "restores the last changes of current character", "Alt+Backspace", 4, 0, false},
    {"RedoAction", "Redo", "repeats the last undone step", "Alt+Shift+Backspace", 5, 0, false},
    {"SetPixelsAction", "&Set pixels", "sets pixels", "Ctrl+1", 2, 1, true},
    {"ResetPixelsAction", "&Reset pixels", "deletes pixels", "Ctrl+0", 3, 1, false},
    {"DeleteAction", "Delete character", "empties the character", "Ctrl+Del", 15, 0, false},
    {"CopyCharAction", "Copy from character ...", "copies another character into editor", "", 16, 0, false},
    {"FlipHorizontalAction", "Flip horizontal", "flips the character horizontal ", "", 17, 0, false},
    {"FlipVerticalAction", "Flip vertical", "flips the character vertical", "", 18, 0, false},
    {"RollUpAction", "Roll up", "rolls the character one pixel up", "Ctrl+Up", 19, 0, false},
    {"RollDownAction", "Roll down", "rolls the character one pixel down", "Ctrl+Down", 20, 0, false},
    {"RollLeftAction", "Roll left", "rolls the character one pixel to the left", "Ctrl+Left", 21, 0, false},
    {"RollRightAction", "Roll right", "rolls the character one pixel to the right", "Ctrl+Right", 22, 0, false},
    {"AdjustTopAction", "Adjust top", "adjusts the position to fit to top border", "", 33, 0, false},
    {"AdjustBottomAction", "Adjust bottom", "adjusts the position to fit to bottom border", "", 34, 0, false},
    {"AdjustLeftAction", "Adjust left", "adjusts the position to fit to left border", "", 31, 0, false},
    {"AdjustRightAction", "Adjust right", "adjusts the position to fit to right border", "", 32, 0, false},
    {"AdjustHCenterAction", "Adjust horizontally", "centers the character horizontally", "", 35, 0, false},
    {"AdjustVCenterAction", "Adjust vertically", "centers the character vertically", "", 36, 0, false},
    {"BoldAction", "Bold", "creates a bold appearance of the character", "", 30, 0, false},
    {"ItalicAction", "Italic", "creates an italic appearance of the character", "", 37, 0, false},
    {"ScaleAction", "Scale by factor", "scales the character by factors", "", 47, 0, false},
    // Drawing tools, in CurrentTool order of the menu
    {"FreeHandAction", "Free hand", "drawing points and freehand lines", "", 6, 2, true},
    {"LineAction", "Lines", "drawing lines", "", 7, 2, false},
    {"RectangleAction", "Rectangles", "drawing squares and rectangles", "", 8, 2, false},
    {"EllipseAction", "Ellipses", "drawing circles and ellipses", "", 9, 2, false},
    {"RubberAction", "Rubber", "rubber tool", "", 10, 2, false},
    {"EditCopyAction", "&Copy selection", "copy selection tool", "", 29, 2, false},
    {"EditPasteAction", "&Paste from clipboard", "paste bitmap from clipboard", "", 26, 2, false},
    // Fill styles and paste modes
    {"DrawingLinesAction", "Drawing lines only", "drawing figure lines only", "", 11, 3, true},
    {"DrawingLinesBrushedWhiteAction", "Drawing lines and white brush", "drawing figure lines and white brush", "", 12, 3, false},
    {"DrawingLinesBrushedBlackAction", "Drawing lines and black brush", "drawing figure lines and black brush", "", 13, 3, false},
    {"DrawingBrushWhiteAction", "Drawing white brush only", "drawing white brush only", "", 14, 3, false},
    {"OverlappingAction", "Overlapping mode", "enables overlapping bitmap mode", "", 27, 4, true},
    {"TransparentAction", "Transparent mode", "enables transparent bitmap mode", "", 28, 4, false},
    // Font: all glyphs
    {"ItalicAllAction", "Italic all", "converts all characters into italic characters", "", 38, 0, false},
    {"BoldAllAction", "Bold all", "converts all characters into bold characters", "", 39, 0, false},
    {"AdjustAllTopAction", "Adjust all top", "adjusts all characters to top border", "", 42, 0, false},
    {"AdjustAllBottomAction", "Adjust all bottom", "adjusts all characters to bottom border", "", 43, 0, false},
    {"AdjustAllLeftAction", "Adjust all left", "adjusts all characters to left border", "", 40, 0, false},
    {"AdjustAllRightAction", "Adjust all right", "adjusts all characters to right border", "", 41, 0, false},
    {"AdjustAllHCenterAction", "Adjust all horizontally", "centers all characters horizontally", "", 44, 0, false},
    {"AdjustAllVCenterAction", "Adjust all vertically", "centers all characters vertically", "", 45, 0, false},
    {"DeleteAllAction", "Delete all", "empties all characters", "", 46, 0, false},
    {"ScaleAllAction", "Scale all", "scales all characters by factors", "", 48, 0, false},
    // Tools
    {"RunInEmulatorAction", "&Run in emulator", "shows the preview text on a ZX Spectrum in the Fuse emulator", "", -1, 0, false},
    // Help
    {"AboutAction", "About ...", "about Quorrel", "", -1, 0, false},
    // Whole characters through the clipboard, widths fitted to the ink, the
    // view
    {"CopyGlyphAction", "Copy c&haracter", "copies the whole character to the clipboard", "Ctrl+Shift+C", 49, 0, false},
    {"PasteGlyphAction", "Paste cha&racter", "replaces the character with the one on the clipboard", "Ctrl+Shift+V", 50, 0, false},
    {"FitWidthAction", "Fit width", "sets the width to the rightmost pixel of the character", "", 51, 0, false},
    {"FitWidthAllAction", "Fit width all", "sets the width of all characters to their rightmost pixel", "", 52, 0, false},
    {"ShowGlyphSheetAction", "&Glyph sheet", "shows all characters at a glance", "", -1, 0, false},
    {"ShowSpectrumScreenAction", "&Spectrum screen", "shows the preview text on the Spectrum's screen, in its colours", "", -1, 0, false},
    {"ZoomInAction", "Zoom &in", "enlarges the canvas", "Ctrl++", -1, 0, false},
    {"ZoomOutAction", "Zoom &out", "reduces the canvas", "Ctrl+-", -1, 0, false},
};
// clang-format on

const std::size_t ActionTableSize = sizeof(ActionTable) / sizeof(ActionTable[0]);
