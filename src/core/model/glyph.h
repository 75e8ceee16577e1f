#pragma once
// One character of a font: its pixel rows as text, width, leading and kern.
// Rows hold one string of '0'/'1' per pixel row, joined by '|'; the first row
// lies Leading rows below the top of the cell, blank rows below the last
// stored row are not kept. Every change is reported to the owning font.

#include <cstdint>
#include <string>
#include <vector>

#include "text/textrows.h"

class TFZXFont;
class TGlyphUpdate;
class TRaster;

class TFZXChar {
  public:
    explicit TFZXChar(TFZXFont* font);
    ~TFZXChar();
    TFZXChar(const TFZXChar&) = delete;
    TFZXChar& operator=(const TFZXChar&) = delete;

    TFZXFont* Font() const { return FFont; }
    int Kern() const { return FKern; }
    int Leading() const { return FLeading; }
    int Width() const { return FWidth; }
    const std::string& Rows() const { return FRows; }
    int UpdateLock() const { return FUpdateLock; }
    // A number that changes with every change of rows, width, leading or
    // kern, and differs between any two glyphs made in this process: views
    // compare it to repaint only the glyphs that changed.
    std::uint64_t Revision() const { return FRevision; }

    // Working values of the FZX reader; meaningless outside a read.
    int DataOffset() const { return FDataOffset; }
    int DataLength() const { return FDataLength; }
    void SetDataOffset(int value) { FDataOffset = value; }
    void SetDataLength(int value) { FDataLength = value; }

    // --- notification --------------------------------------------------
    // Tells the font, unless the glyph's own bracket is open. Changes made
    // of several steps hold a TGlyphUpdate (model/updatescope.h).
    void Changed();

    // --- setters: an equal value changes and notifies nothing ------------
    void SetKern(int value);
    void SetLeading(int value);
    void SetRows(const std::string& value);
    // Cuts or fills every row to the new width on the right, then trims.
    void SetWidth(int value);
    // Stores the four values exactly as given (restoring snapshots).
    void SetAll(const std::string& rows, int leading, int width, int kern);
    // No rows, leading and kern 0; the width stays.
    void Clear();
    void Assign(const TFZXChar& source);
    void CopyFrom(const TFZXChar& source);

    // --- queries ---------------------------------------------------------
    // Counted once per change of the rows: every refresh asks all glyphs.
    int RowCount() const {
        if (FRowCount < 0) FRowCount = CountParts(FRows, '|');
        return FRowCount;
    }
    // Bytes of the FZX definition: bytes per row times rows.
    int DataSize() const;
    // 1 for widths up to 8, 2 for 9 to 16, and so on.
    int BytesPerRow() const { return (FWidth - 1) / 8 + 1; }
    // The FZX definition: RowCount rows of BytesPerRow bytes each, a row cut
    // to the width (no bit past it set) and filled with clear bits.
    std::vector<std::uint8_t> DefinitionBytes() const;
    int FontHeight() const;
    int FontTracking() const;

    // --- row forms -------------------------------------------------------
    // Normal form: no blank last row, no blank first row unless Leading is 15.
    void Normalize();
    void TrimRowList(TStringList& list);
    // Expanded form: Leading 0, at least FontHeight rows; notifies nothing.
    void Expand();
    void ExpandRowList(TStringList& list);
    // Turns raw FZX definition bytes held in Rows (one char per byte) into rows.
    void DecodeFZXBytes();

    // --- whole-glyph transforms (glyphtransforms.cpp) --------------------
    int LeftSpace() const;
    int RightSpace() const;
    int TopSpace() const;
    int BottomSpace() const;
    void Bold();
    void Italic();
    void RollUp(int n);
    void RollDown(int n);
    void RollLeft(int n);
    void RollRight(int n);
    void FlipHorizontal();
    void FlipVertical();
    void AdjustTop();
    void AdjustBottom();
    void AdjustLeft();
    void AdjustRight();
    void AdjustHCenter();
    void AdjustVCenter();
    // Rightmost inked column + 1 within the width; 0 without ink.
    int InkWidth() const;
    // Width := InkWidth(); a glyph without ink keeps its
    // width. True when the width changed.
    bool FitWidth();
    // Scales the body picture; false (glyph kept) when the result would pass
    // 256 x 192 pixels (glyphscale.cpp).
    bool Scale(double widthFactor, double heightFactor);

    // --- raster exchange (rasterexchange.cpp) ----------------------------
    // Expands the glyph and paints its body into raster; rows gets the rows.
    void ToBitmap(std::string& rows, TRaster& raster);
    // With assign, Rows := rows silently. Paints Rows into a raster resized
    // to Width x FontHeight.
    void RowsToBitmap(bool assign, const std::string& rows, TRaster& raster);
    // Reads the raster back as rows, exactly black being '1'. Without
    // anySize, a raster not measuring Width x FontHeight is ignored.
    void FromBitmap(const TRaster& raster, bool anySize);

    // --- painter (glyphpainter.cpp) -------------------------------------
    // Paints the glyph's cell with the font's draw settings; true when
    // something was painted.
    bool Draw(TRaster& raster, int zoom, bool grid, bool transparent, bool resize, bool kernShift);

  private:
    friend class TGlyphUpdate;
    void BeginUpdate() { ++FUpdateLock; }
    // Closes a bracket; notifies, when asked, once the outermost one closes.
    void EndUpdate(bool notify);

    // Every change of the row text goes through here, so the kept row count
    // is never stale.
    void AssignRows(std::string rows) {
        FRows = std::move(rows);
        FRowCount = -1;
        Touch();
    }
    void Touch() { FRevision = NextRevision(); }
    static std::uint64_t NextRevision();

    TFZXFont* FFont;
    int FDataOffset = 0;
    int FKern = 0;
    int FLeading = 0;
    int FWidth = 0;
    int FDataLength = 0;
    std::string FRows;
    mutable int FRowCount = -1; // RowCount of FRows; -1 when not yet counted
    int FUpdateLock = 0;
    std::uint64_t FRevision = NextRevision();

    friend class TFZXFont;
};

// The FZX width field (width - 1) of a glyph; a width below 1 is stored as 1.
inline int FZXWidthField(int width) {
    return width < 1 ? 0 : width - 1;
}

// "00000001" for 1: eight characters, most significant bit first.
std::string ByteToBits(std::uint8_t value);
// Takes up to 8 characters from the front of text and packs them MSB first;
// '1' is a set bit, anything else or a missing character a clear bit.
std::uint8_t TakeByte(std::string& text);
