#include "raster/raster.h"

#include <algorithm>

TRaster::TRaster(int width, int height, TColor fill) {
    SetSize(width, height);
    Fill(fill);
}

void TRaster::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FPixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), clWhite);
}

TColor TRaster::Pixel(int x, int y) const {
    if (!Contains(x, y)) return clWhite;
    return FPixels[static_cast<std::size_t>(y) * FWidth + x];
}

void TRaster::SetPixel(int x, int y, TColor color) {
    if (Contains(x, y)) FPixels[static_cast<std::size_t>(y) * FWidth + x] = color;
}

void TRaster::FillRect(int left, int top, int right, int bottom, TColor color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, FWidth);
    bottom = std::min(bottom, FHeight);
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        auto row = FPixels.begin() + static_cast<std::ptrdiff_t>(y) * FWidth;
        std::fill(row + left, row + right, color);
    }
}

void TRaster::Draw(const TRaster& source, int x, int y, bool skipWhite) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(FWidth, x + source.FWidth), y1 = std::min(FHeight, y + source.FHeight);
    for (int dy = y0; dy < y1; ++dy)
        for (int dx = x0; dx < x1; ++dx) {
            const TColor c =
                source.FPixels[static_cast<std::size_t>(dy - y) * source.FWidth + (dx - x)];
            if (skipWhite && c == clWhite) continue;
            FPixels[static_cast<std::size_t>(dy) * FWidth + dx] = c;
        }
}
