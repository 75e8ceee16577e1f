#pragma once
// Scoped update brackets: constructed at the start of a change made of
// several steps, they close the font's (or glyph's) bracket on every way out
// of the scope, so the change ends in one notification, or none.

#include <exception>

#include "model/font.h"
#include "model/glyph.h"

// Holds the font's bracket open; leaving the scope notifies once the
// outermost bracket closes, when notify is set. A scope left by an exception
// closes its bracket without notifying: a notice thrown from there would
// end the program.
class TFontUpdate {
  public:
    explicit TFontUpdate(TFZXFont& font, bool notify = true)
        : FFont(font), FNotify(notify), FExceptions(std::uncaught_exceptions()) {
        FFont.BeginUpdate();
    }
    ~TFontUpdate() { FFont.EndUpdate(FNotify && std::uncaught_exceptions() == FExceptions); }
    TFontUpdate(const TFontUpdate&) = delete;
    TFontUpdate& operator=(const TFontUpdate&) = delete;

    // Whether leaving the scope notifies, decided by what the change did.
    void SetNotify(bool notify) { FNotify = notify; }

  private:
    TFZXFont& FFont;
    bool FNotify;
    int FExceptions;
};

// Holds a glyph's bracket open; leaving the scope reports the change to the
// font once the outermost bracket closes (not when left by an exception).
class TGlyphUpdate {
  public:
    explicit TGlyphUpdate(TFZXChar& glyph)
        : FGlyph(glyph), FExceptions(std::uncaught_exceptions()) {
        FGlyph.BeginUpdate();
    }
    ~TGlyphUpdate() { FGlyph.EndUpdate(std::uncaught_exceptions() == FExceptions); }
    TGlyphUpdate(const TGlyphUpdate&) = delete;
    TGlyphUpdate& operator=(const TGlyphUpdate&) = delete;

  private:
    TFZXChar& FGlyph;
    int FExceptions;
};
