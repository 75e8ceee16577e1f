#pragma once
// The pictures of the history menu entries, one per history action number
// (0 width changed ... 37 scale all chars, 38 paste character ... 40 fit all
// widths). Most share the picture of the
// toolbar command that records them.

constexpr int HistoryIconCount = 41;

// The 16 art rows for history action `action` (see iconart.h); null outside 0..40.
const char* const* HistoryIconArt(int action);
