#pragma once
// Colours, origin and outputs shared by every caller of the glyph painter.
// A caller sets the origin and the colours it relies on, paints, and reads
// Advance and PaintedRect right after.

#include "raster/raster.h"

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

class TFZXDrawSettings {
  public:
    TFZXDrawSettings() {
        SetColors(clWhite, clBlack, clBtnFace, clBtnFace, clRed);
        SetGridColors(clBlack, clGray, clGray, clGray);
    }

    void SetColors(TColor paper, TColor ink, TColor blankRow, TColor tracking, TColor overflowInk) {
        PaperColor = paper;
        InkColor = ink;
        BlankRowColor = blankRow;
        TrackingColor = tracking;
        OverflowInkColor = overflowInk;
    }
    void SetGridColors(TColor paperGrid, TColor inkGrid, TColor blankRowGrid, TColor trackingGrid) {
        PaperGridColor = paperGrid;
        InkGridColor = inkGrid;
        BlankRowGridColor = blankRowGrid;
        TrackingGridColor = trackingGrid;
    }
    void SetOrigin(int x, int y) {
        OriginX = x;
        OriginY = y;
    }

    TColor PaperColor{}, InkColor{}, BlankRowColor{}, TrackingColor{}, OverflowInkColor{};
    TColor PaperGridColor{}, InkGridColor{}, BlankRowGridColor{}, TrackingGridColor{};
    int OriginX = 0;
    int OriginY = 0;
    // Outputs of the last Draw.
    int Advance = 0;
    TRect PaintedRect;
    // The colour the painter fills an opaque raster with first.
    TColor BackgroundColor = clBtnFace;
};
