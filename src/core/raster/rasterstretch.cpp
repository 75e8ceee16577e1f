// The stretching copy of a raster: nearest-neighbour per axis. Enlarging
// repeats source pixels; reducing merges runs of source pixels by a bitwise
// AND of their colours, so black wins over white and no ink is lost.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/raster.h"

namespace {

struct TSpan {
    int First; // first source pixel of a destination pixel
    int Last;  // one past its last
};

// For each destination pixel on one axis, the source pixels it shows:
// enlarging, destination j shows source floor(j * old / new); reducing,
// source i falls on destination floor(i * new / old).
std::vector<TSpan> AxisSpans(int oldSize, int newSize) {
    std::vector<TSpan> spans(static_cast<std::size_t>(newSize));
    const std::int64_t o = oldSize, n = newSize;
    for (std::int64_t j = 0; j < n; ++j) {
        TSpan& span = spans[static_cast<std::size_t>(j)];
        if (n >= o) {
            span.First = static_cast<int>(j * o / n);
            span.Last = span.First + 1;
        } else { // the i with j <= i * n / o < j + 1
            span.First = static_cast<int>((j * o + n - 1) / n);
            span.Last = static_cast<int>(((j + 1) * o + n - 1) / n);
        }
    }
    return spans;
}

} // namespace

void TRaster::StretchFrom(const TRaster& source) {
    if (Empty()) return;
    if (source.Empty()) {
        Fill(clWhite);
        return;
    }
    const std::vector<TSpan> xs = AxisSpans(source.FWidth, FWidth);
    const std::vector<TSpan> ys = AxisSpans(source.FHeight, FHeight);
    const bool enlargingX = FWidth >= source.FWidth;
    std::vector<std::uint32_t> merged;
    for (int y = 0; y < FHeight; ++y) {
        // The source rows of this line merged into one, then each run of it.
        const TSpan& rows = ys[static_cast<std::size_t>(y)];
        const std::uint32_t* line =
            &source.FPixels[static_cast<std::size_t>(rows.First) * source.FWidth];
        if (rows.Last - rows.First > 1) {
            merged.assign(line, line + source.FWidth);
            for (int sy = rows.First + 1; sy < rows.Last; ++sy) {
                const std::uint32_t* next =
                    &source.FPixels[static_cast<std::size_t>(sy) * source.FWidth];
                for (int x = 0; x < source.FWidth; ++x)
                    merged[static_cast<std::size_t>(x)] &= next[x];
            }
            line = merged.data();
        }
        std::uint32_t* out = &FPixels[static_cast<std::size_t>(y) * FWidth];
        if (enlargingX) {
            for (int x = 0; x < FWidth; ++x)
                out[x] = line[xs[static_cast<std::size_t>(x)].First];
            continue;
        }
        for (int x = 0; x < FWidth; ++x) {
            const TSpan& run = xs[static_cast<std::size_t>(x)];
            std::uint32_t c = line[run.First];
            for (int sx = run.First + 1; sx < run.Last; ++sx)
                c &= line[sx];
            out[x] = c;
        }
    }
}
