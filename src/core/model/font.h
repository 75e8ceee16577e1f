#pragma once
// The document: FZX header values, one glyph per code from 32 up, the
// current glyph, the unsaved-changes flag and the undo history. Every change
// ends in one call of OnChange; a TFontUpdate (model/updatescope.h) folds
// several into one.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/glyph.h"
#include "model/undolist.h"
#include "raster/drawsettings.h"
#include "raster/raster.h"

using Tintarray = std::vector<std::int32_t>;

// Operation codes of ApplyToCurrent and ApplyToAll, in the order of their
// history kinds (THistoryKind::Italic ... ScaleChar).
enum TCharOperation {
    coItalic = 0,
    coBold,
    coAdjustTop,
    coAdjustBottom,
    coAdjustLeft,
    coAdjustRight,
    coAdjustHCenter,
    coAdjustVCenter,
    coClear,
    coScale
};

class TFontUpdate;

class TFZXFont {
  public:
    TFZXFont();
    ~TFZXFont();
    TFZXFont(const TFZXFont&) = delete;
    TFZXFont& operator=(const TFZXFont&) = delete;

    // Change notification to the window.
    std::function<void(TFZXFont&)> OnChange;
    // Asks for scale factors (width, height); false when cancelled.
    std::function<bool(double&, double&)> OnGetScaleFactors;
    // Messages for the user that the window shows in a box with an OK button.
    std::function<void(const std::string&)> OnMessage;

    // --- lifecycle and notification -------------------------------------
    // Empty font, Height 8, Tracking 0, LastChar 0, no history; notifies.
    void Clear();
    // Takes the header values and glyphs of source, which is left empty, the
    // way a file read does: no history, not modified, no current glyph; the
    // callbacks stay this font's; notifies once. Opens and imports read into
    // a scratch font and take it over only once it was read completely.
    void TakeOver(TFZXFont& source);
    void Changed();
    int UpdateLock() const { return FUpdateLock; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // After the font was written to a file of the editor's own format: no
    // history, not modified; notifies.
    void MarkSaved();

    // --- header values: equal values change nothing ----------------------
    int Height() const { return FHeight; }
    int Tracking() const { return FTracking; }
    int LastChar() const { return FLastChar; }
    void SetHeight(int value);
    void SetTracking(int value);
    // Grows the list with empty 8-pixel glyphs, or drops empty glyphs from
    // its end; glyphs with pixels beyond the new last code stay. A current
    // character the list gains is recorded ("select char"), so undo can
    // always return to it.
    void SetLastChar(int value);

    // --- glyphs and the current glyph ------------------------------------
    int Count() const { return static_cast<int>(FGlyphs.size()); }
    TFZXChar& Glyph(int index) { return *FGlyphs[static_cast<std::size_t>(index)]; }
    const TFZXChar& Glyph(int index) const { return *FGlyphs[static_cast<std::size_t>(index)]; }
    int CurrentIndex() const { return FCurrentIndex; }
    // The current glyph, or nullptr when the index lies outside the list.
    TFZXChar* GetCurrent();
    const TFZXChar* GetCurrent() const;
    // Records a "select char" snapshot of the new glyph and notifies.
    void SetCurrent(int index);
    // Common end of every edit of the current glyph: record, mark, notify.
    void GlyphChanged(THistoryKind kind);

    // --- undo recording --------------------------------------------------
    void RecordUndo(THistoryKind kind, int group);
    void RecordUndoFor(THistoryKind kind, int index, int group);
    bool CanUndo() const { return FUndoList.CanUndo(); }
    bool CanRedo() const { return FUndoList.CanRedo(); }
    Tundolist& UndoList() { return FUndoList; }
    const Tundolist& UndoList() const { return FUndoList; }

    // --- queries ---------------------------------------------------------
    int FZXFileSize() const;
    bool IsCHRCompatible() const;
    // Why IsCHRCompatible is false, as a sentence naming the first rule that
    // fails ("Body height is 9, not 8."); "" when the font is compatible.
    std::string CHRIncompatibility() const;
    // (largest width, glyphs wider than 16) over every glyph held.
    std::pair<int, int> MaxWidth() const;
    // (largest RowCount + Leading, glyphs whose sum passes Height).
    std::pair<int, int> MaxHeight() const;
    // Leading and Leading + RowCount of every inked glyph in the range,
    // each value once, in order of first appearance.
    Tintarray VerticalLimits(int firstCode, int lastCode) const;
    std::pair<int, int> CellSize(int index, int zoom) const;
    Tintarray ParseGuideLines(const std::string& text) const;

    // --- files (each returns "" on success or the message to show) --------
    // A file that cannot be opened or created throws TFileError.
    std::string LoadFZX(const std::string& fileName);
    std::string SaveFZX(const std::string& fileName);
    std::string LoadCHR(const std::string& fileName);
    std::string SaveCHR(const std::string& fileName);
    std::string SaveASM(const std::string& fileName);
    // The same on bytes in memory, for the readers without files.
    std::string LoadFZXBytes(const std::uint8_t* data, std::size_t size);
    std::string LoadCHRBytes(const std::uint8_t* data, std::size_t size);
    // The file images the writers produce; "" or the message.
    std::string BuildFZXImage(std::vector<std::uint8_t>& image) const;
    std::string BuildCHRImage(std::vector<std::uint8_t>& image) const;
    std::string BuildASMText(const std::string& fileName) const;

    // --- glyph commands (fonttransforms.cpp) ------------------------------
    void ApplyToCurrent(TCharOperation code);
    void ApplyToAll(TCharOperation code);
    void FlipHorizontal();
    void FlipVertical();
    void RollUp(int n);
    void RollDown(int n);
    void RollLeft(int n);
    void RollRight(int n);
    void SetCurrentWidth(int width);
    void SetCurrentKern(int kern);
    bool ScaleCurrent(double widthFactor, double heightFactor);
    // The current glyph's width fitted to its ink ("fit width"); recorded
    // only when the width changed.
    void FitCurrentWidth();
    // The same for every glyph held, as one history group holding the glyphs
    // that changed; nothing recorded or marked when none did.
    void FitAllWidths();
    // The current glyph replaced by a copied character ("paste character"),
    // in normal form; recorded and marked even when equal, like a copy.
    void PasteCurrent(const std::string& rows, int leading, int width, int kern);

    // --- raster edits of the current glyph (rasterexchange.cpp) ------------
    void BeginRasterEdit();
    void ApplyRaster();
    void RestoreRaster(bool reset);
    void EndRasterEdit(bool record, THistoryKind kind);
    const std::string& WorkRows() const { return FWorkRows; }
    TRaster& WorkBitmap() { return FWorkBitmap; }

    // --- painting (glyphpainter.cpp) -------------------------------------
    TFZXDrawSettings& DrawSettings() { return FDrawSettings; }
    bool DrawChar(int code, TRaster& raster, bool grid, bool transparent, bool resize,
                  bool kernShift, int zoom);

  private:
    friend class TFontUpdate;
    void BeginUpdate() { ++FUpdateLock; }
    // Closes a bracket; notifies, when asked, once the outermost one closes.
    void EndUpdate(bool notify);

    void Message(const std::string& text) {
        if (OnMessage) OnMessage(text);
    }
    TFZXChar& AppendGlyph();
    // Writes a built FZX or CHR image; on success the font counts as saved
    // (no history, not modified) and notifies.
    std::string WriteSavedImage(const std::string& fileName,
                                const std::vector<std::uint8_t>& image);

    std::vector<std::unique_ptr<TFZXChar>> FGlyphs;
    int FHeight = 8;
    int FTracking = 0;
    int FLastChar = 0;
    int FTerminusOffset = 0;
    int FCurrentIndex = -1;
    Tundolist FUndoList{5000};
    int FUpdateLock = 0;
    std::string FWorkRows;
    TRaster FWorkBitmap;
    bool FModified = false;
    TFZXDrawSettings FDrawSettings;
};
