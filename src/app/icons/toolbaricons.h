#pragma once
// The pictures of the toolbar icon set, indexed as the actions name them
// (0 open file ... 48 scale all, then 49 copy character ... 52 fit width
// all). Icons 30 and up, the glyph commands, live in
// glyphcommandicons.cpp.

constexpr int ToolbarIconCount = 53;
constexpr int FirstGlyphCommandIcon = 30;

// The 16 art rows of toolbar icon `index` (see iconart.h); null outside 0..52.
const char* const* ToolbarIconArt(int index);

// The art of icons FirstGlyphCommandIcon..52; null for any other index.
const char* const* GlyphCommandIconArt(int index);
