#pragma once
// What the main window's view options tell the edit canvas: zoom, which
// marks to draw, and whether a stroke is in progress. The window owns it and
// keeps it in line with its controls; the canvas only reads it.

#include "charranges.h"
#include "font.h"

struct TCanvasView {
    int Zoom = 8;                   // ZoomEdit, 1..80
    bool ShowVerticalLimits = true; // showverticallimitsCheckBox
    bool ShowCharLimits = true;     // CheckBox1
    bool ShowGuideLines = false;    // CheckBox2
    Tcharrangearray CharRanges;     // parsed from CharLimitsEdit
    Tintarray GuideRows;            // parsed from GuideLinesEdit
    int StrokeButton = 0;           // 1 left, -1 right, 0 no stroke
};
