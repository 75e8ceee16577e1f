#pragma once
// Where the edit canvas puts the zoomed glyph and its marks, in canvas
// pixels. Kept apart from painting so the canvas knows the size it needs as a
// whole while only its visible part is painted.

#include <functional>
#include <string>
#include <vector>

#include "drawing/charranges.h"
#include "model/font.h"
#include "raster/drawsettings.h"

// Left and top margin of the glyph: 16 pixels, or one cell from zoom 16 on.
inline int CanvasMargin(int zoom) {
    return zoom > 16 ? zoom : 16;
}

// The area of a glyph `width` columns wide in a font of the given tracking and
// height: left/top at the margin, right/bottom exclusive.
TRect CanvasGlyphArea(int zoom, int width, int tracking, int height);

// The font pixel under canvas point (x, y), rounding toward negative infinity,
// so points left of or above the area give negative columns and rows. Inside
// means a pixel of the glyph itself (tracking columns and rows below the body
// are outside). A zoom below 1 counts as 1.
struct TCanvasPixel {
    int Column = 0;
    int Row = 0;
    bool Inside = false;
};
TCanvasPixel CanvasPointToPixel(const TRect& area, int zoom, int width, int height, int x, int y);

// A dotted line from (X1, Y1) to (X2, Y2), the end point left out.
struct TCanvasLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool operator==(const TCanvasLine& o) const {
        return X1 == o.X1 && Y1 == o.Y1 && X2 == o.X2 && Y2 == o.Y2;
    }
};

// A text in the font's one-byte character set with its top left corner.
struct TCanvasText {
    int X = 0, Y = 0;
    std::string Text;
};

// What the window's view options tell the canvas: zoom, which marks to draw,
// and whether a stroke is in progress. The window owns it and keeps it in
// line with its controls; the canvas only reads it.
struct TCanvasView {
    int Zoom = 8;                   // ZoomEdit, 1..80
    bool ShowVerticalLimits = true; // showverticallimitsCheckBox
    bool ShowCharLimits = true;     // CheckBox1
    bool ShowGuideLines = false;    // CheckBox2
    Tcharrangearray CharRanges;     // parsed from CharLimitsEdit
    Tintarray GuideRows;            // parsed from GuideLinesEdit
    int StrokeButton = 0;           // 1 left, -1 right, 0 no stroke; hides the limits
};

// The zoom `steps` zoom steps (negative: out) from `zoom`: about a quarter
// more or less per step, at least one, kept within 1..80.
int CanvasZoomStep(int zoom, int steps);

// Where canvas coordinate `point` (on either axis) lies after the zoom went
// from oldZoom to newZoom: the same place of the glyph, margins included, so
// a view can keep what is under the pointer under it.
int CanvasZoomAnchor(int point, int oldZoom, int newZoom);

// The label font as the window measures it: TextHeight is the height of "X",
// TextWidth the advance of a one-byte text.
struct TCanvasTextMetrics {
    int TextHeight = 0;
    std::function<int(const std::string&)> TextWidth;
};

struct TCanvasLayout {
    bool HasGlyph = false;
    TRect GlyphArea;
    // Red, one pixel: the kern mark line, the limit ticks and stems.
    std::vector<TCanvasLine> RedLines;
    // Red: the kern text and the limit labels.
    std::vector<TCanvasText> RedTexts;
    // Blue, two pixels thick.
    std::vector<TCanvasLine> GuideLines;
    // The canvas size the glyph and every mark need (0 x 0 without a glyph).
    int ExtentX = 0;
    int ExtentY = 0;
};

extern const char* const KernMarkText;

// The text under a limit mark: "All" for 32..255, one caption for a single
// code, else the quoted captions joined by "..".
std::string CharRangeLabel(int first, int last);

// The whole canvas for `glyph` (nullptr: no current glyph) of `font`. Marks
// appear only above zoom 4; the kern mark when Kern > 0; char limits, when on
// and the list is not empty, replace the guide lines; a range whose glyphs
// are all empty, or every range during a stroke, leaves no mark and no gap.
TCanvasLayout LayoutEditCanvas(const TFZXFont& font, const TFZXChar* glyph,
                               const TCanvasView& options, const TCanvasTextMetrics& metrics);
