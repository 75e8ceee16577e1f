#pragma once
// The pictures of the history menu entries, one per history action number
// (0 width changed ... 37 scale all chars). Most share the picture of the
// toolbar command that records them.

constexpr int HistoryIconCount = 38;

// The 16 art rows for history action `action` (see iconart.h); null outside 0..37.
const char* const* HistoryIconArt(int action);
