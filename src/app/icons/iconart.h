#pragma once
// Icons are kept in the source as text art: 16 rows of 16 letters, one letter
// per pixel, each letter a colour of the legend below.
//
// Legend: '.' transparent, 'k' black, 'w' white, 'l' light grey, 'd' dark
// grey, 'r' red, 'R' dark red, 'y' yellow, 'o' orange, 'n' brown, 'b' blue,
// 'c' light blue, 'N' navy, 'g' green, 'G' light green, 'p' pink, 's' cream.
// Only 'k' is exactly black, so only 'k' pixels outline what a disabled
// toolbar item shows embossed.

#include <QImage>

constexpr int IconArtSize = 16;

// The colour of a legend letter; false when the letter is not in the legend.
bool ArtColor(char letter, QRgb& color);

// The picture as a 16 x 16 ARGB32 image (transparent where '.'). A null image
// when the art is null, a row is not 16 letters long or a letter is unknown,
// so a typo in the art shows up as a missing icon instead of a wrong one.
QImage ArtImage(const char* const* rows);
