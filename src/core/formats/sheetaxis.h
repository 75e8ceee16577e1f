#pragma once
// One direction of a picture sheet seen through its ink: the period of its
// cells (cell plus gap) and every layout of margin, cell, gap and count that
// keeps all ink inside whole cells and explains the picture's length. Which
// of them is the sheet's is for the caller to weigh, across both directions.

#include <vector>

// Ink along one direction: Ink[i] inked pixels on line i, Cross[i] strokes of
// ink that run on from line i - 1 into line i.
struct TInkProfile {
    std::vector<long> Ink, Cross;
};

// How a picture can close after its last cell (bits of TAxisLayout::Closings).
enum : unsigned {
    kCloseMargin = 1,    // a margin as wide as the first one
    kCloseGapMargin = 2, // the gap after the last cell, then that margin
    kCloseEdge = 4,      // the picture ends with the last cell
    kCloseGap = 8,       // the gap after the last cell ends it
};

struct TAxisLayout {
    int Margin = 0, Cell = 0, Gap = 0, Count = 0;
    unsigned Closings = 0;
    // Some cell's ink starts on the cell's first line (characters drawn
    // from the left or top of their cells).
    bool InkAtStart = false;
    int BlankBefore = 0; // cells without ink before the first inked one
    int BlankAfter = 0;  // and after the last
};

struct TAxisInk {
    int First = -1, Last = -1; // first and last inked line; -1 without ink
    int Period = 0;            // 0: no period of cells found
    int Start = 0;             // where cells drawn from their first line start, modulo Period
    int InkLength = 0;         // lines of a cell that hold ink somewhere
    std::vector<TAxisLayout> Layouts;
};

// The smallest period whose cells no stroke crosses, and the layouts it
// allows: the first cell holds the first ink or blank cells come before it,
// and the picture closes in one of the ways above (at least as many cells as
// hold ink).
TAxisInk ReadAxis(const TInkProfile& profile);

// The profile of an ink mask of w x h pixels (row by row) along x (columns
// true) or y.
TInkProfile InkProfile(const std::vector<bool>& ink, int w, int h, bool columns);
