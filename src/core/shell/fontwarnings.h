#pragma once
// The warning lines the window shows below the font values and quorrel-cli
// prints with `info`: glyphs too wide for FZX, glyphs higher than the body,
// glyphs held beyond the last character.

#include <string>
#include <vector>

class TFZXFont;

struct TFontWarnings {
    std::string Width;    // "" or "Current width is ... FZX allows max. 16!"
    std::string Height;   // "" or "Current height is ... Exceeds body height!"
    std::string LastChar; // "" or "%d character(s) out of lastchar range!"
};

// All three empty for a font without glyphs; width and height are also empty
// for a CHR-compatible font.
TFontWarnings GetFontWarnings(const TFZXFont& font);

// The non-empty warnings in the order width, height, last character.
std::vector<std::string> FontWarningLines(const TFZXFont& font);
