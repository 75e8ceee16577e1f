#pragma once
// Fonts the benchmarks work on: the largest case the editor allows and a
// typical real font from the community collection.

#include <memory>
#include <string>

#include "model/font.h"

// 224 glyphs of 256 x 192 pixels in a body 192 high, about a third inked.
std::unique_ptr<TFZXFont> MakeLargestFont();
// The largest font the FZX format can still store: 224 glyphs, 16 pixels
// wide, as tall as the 16 KB offset limit allows.
std::unique_ptr<TFZXFont> MakeLargestFzxFont();
// A typical real font, or nullptr when the collection is absent.
std::unique_ptr<TFZXFont> LoadTypicalFont();
extern const char* const kTypicalFontName;
