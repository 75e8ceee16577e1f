#pragma once
// Changing the current glyph's width by dragging its right edge on the edit
// canvas: the edge's hit zone, the width under the pointer, and the drag
// itself, which shows every width from the glyph as it was at the press (so
// narrowing and widening again loses no pixels) and ends in one history
// entry, "width changed to %s", or none when the width came back.

#include <string>

#include "raster/drawsettings.h"

class TFZXFont;

// True when canvas point (x, y) lies on the glyph's right edge: within a few
// pixels of the line after the last column, between the top and bottom of
// the body. `area` is the canvas glyph area (see CanvasGlyphArea).
bool CanvasOnWidthEdge(const TRect& area, int zoom, int width, int height, int x, int y);
// The width whose right edge lies nearest to canvas x, 1..256.
int CanvasWidthAt(const TRect& area, int zoom, int x);

class TWidthDrag {
  public:
    explicit TWidthDrag(TFZXFont& font) : FFont(font) {}

    bool Active() const { return FActive; }
    // Starts on the current glyph; false without one or while a drag runs.
    bool Begin();
    // Shows the glyph at this width (1..256), cut or filled from its state at
    // the press; recording and notifying nothing.
    void Move(int width);
    // Ends the drag: one history entry and a notification when the width
    // differs from the press, else the glyph as it was.
    void End();
    // Puts the glyph back as it was at the press, with one notification for
    // the views that showed the drag; nothing recorded.
    void Cancel();

  private:
    void Restore();

    TFZXFont& FFont;
    bool FActive = false;
    int FIndex = -1;
    std::string FRows;
    int FWidth = 0, FLeading = 0, FKern = 0;
};
