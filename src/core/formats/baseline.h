#pragma once
// FZX has no baseline; formats that need one (BDF, yaff) get a good guess.

class TFZXFont;

// Rows from the top of the line down to the baseline: the most common bottom
// of the digits and capital letters among the first glyphs glyphs, else the
// font's height; never more than the height. Writing it as the ascent and
// height minus it as the descent gives the height back on reading.
int GuessBaseline(const TFZXFont& font, int glyphs);
