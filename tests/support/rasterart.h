#pragma once
// Pictures as text for exact pixel fixtures: one string per raster row, '#'
// for black, '.' for white and '?' for any other colour.

#include <string>
#include <vector>

#include "raster/raster.h"

namespace testdata {

using TArt = std::vector<std::string>;

inline TArt RasterArt(const TRaster& raster) {
    TArt art;
    for (int y = 0; y < raster.Height(); ++y) {
        std::string row;
        for (int x = 0; x < raster.Width(); ++x) {
            const TColor c = raster.Pixel(x, y);
            row += c == clBlack ? '#' : c == clWhite ? '.' : '?';
        }
        art.push_back(row);
    }
    return art;
}

inline TRaster ArtRaster(const TArt& art) {
    TRaster raster(art.empty() ? 0 : static_cast<int>(art[0].size()), static_cast<int>(art.size()));
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = 0; x < raster.Width(); ++x)
            raster.SetPixel(x, y,
                            art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#'
                                ? clBlack
                                : clWhite);
    return raster;
}

} // namespace testdata
