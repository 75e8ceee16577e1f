#include "shell/windowplace.h"

#include <cstdio>

std::string WindowRectText(const TRect& rect) {
    return std::to_string(rect.Left) + "," + std::to_string(rect.Top) + "," +
           std::to_string(rect.Right - rect.Left) + "," + std::to_string(rect.Bottom - rect.Top);
}

bool ParseWindowRect(const std::string& text, TRect& rect) {
    int x = 0, y = 0, w = 0, h = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d%n", &x, &y, &w, &h, &used) != 4) return false;
    if (static_cast<std::size_t>(used) != text.size() || w < 1 || h < 1) return false;
    if (w > 100000 || h > 100000 || x < -100000 || x > 100000 || y < -100000 || y > 100000)
        return false;
    rect = {x, y, x + w, y + h};
    return true;
}

bool WindowRectFits(const TRect& rect, const std::vector<TRect>& screens) {
    for (const TRect& s : screens)
        if (rect.Left >= s.Left && rect.Top >= s.Top && rect.Right <= s.Right &&
            rect.Bottom <= s.Bottom)
            return true;
    return false;
}
