#include "shell/windowplace.h"

#include <algorithm>
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

TRect FitWindowRect(const TRect& rect, const std::vector<TRect>& screens) {
    if (screens.empty() || WindowRectFits(rect, screens)) return rect;
    const TRect* best = &screens.front();
    long long bestArea = 0;
    for (const TRect& s : screens) {
        const long long w = std::min(rect.Right, s.Right) - std::max(rect.Left, s.Left);
        const long long h = std::min(rect.Bottom, s.Bottom) - std::max(rect.Top, s.Top);
        if (w > 0 && h > 0 && w * h > bestArea) {
            best = &s;
            bestArea = w * h;
        }
    }
    const TRect& s = *best;
    const int width = std::min(rect.Right - rect.Left, s.Right - s.Left);
    const int height = std::min(rect.Bottom - rect.Top, s.Bottom - s.Top);
    const int left = std::clamp(rect.Left, s.Left, s.Right - width);
    const int top = std::clamp(rect.Top, s.Top, s.Bottom - height);
    return {left, top, left + width, top + height};
}
