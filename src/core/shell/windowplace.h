#pragma once
// A window place remembered from an earlier run, used again on the screens
// of this one: they may have changed since (a monitor unplugged, a smaller
// one).

#include <string>
#include <vector>

#include "raster/drawsettings.h"

// "x,y,width,height"; ParseWindowRect gives false for anything else or a
// width or height below 1.
std::string WindowRectText(const TRect& rect);
bool ParseWindowRect(const std::string& text, TRect& rect);

// True when the whole rect lies on one of the screens' available areas
// (right and bottom exclusive); a window that would hang off every screen,
// or be larger than each, is not placed there.
bool WindowRectFits(const TRect& rect, const std::vector<TRect>& screens);

// The rect moved onto the screen it overlaps most (the first where it
// overlaps none), shrunk to that screen where larger; a rect that fits a
// screen already, or a list without screens, gives rect itself.
TRect FitWindowRect(const TRect& rect, const std::vector<TRect>& screens);
