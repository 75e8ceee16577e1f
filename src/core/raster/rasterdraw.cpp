// The figure primitives of TRaster that the drawing tools use: lines, boxes,
// ellipses, the round rubber pen and the inverted marquee. Everything is
// integer rasterisation (the ellipse test aside, which is mirrored), so the
// same call always sets the same pixels.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "raster/raster.h"

namespace {

// Calls visit(x, y) for the pixels of the Bresenham line, the end point
// included only when includeEnd is set.
template <typename Visit>
void WalkLine(int x1, int y1, int x2, int y2, bool includeEnd, Visit visit) {
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = -std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        visit(x1, y1);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
    if (includeEnd) visit(x2, y2);
}

struct TBox {
    int Left, Top, Right, Bottom; // all included
    int Width() const { return Right - Left + 1; }
    int Height() const { return Bottom - Top + 1; }
};

TBox MakeBox(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Fills columns left..right (included) of row y; clipped by FillRect.
void Span(TRaster& raster, int y, int left, int right, TColor color) {
    if (left <= right) raster.FillRect(left, y, right + 1, y + 1, color);
}

// The ellipse inside a box, described per row by its inset: how many box
// columns the row leaves out at each side. Every row keeps the middle one or
// two columns and the middle row(s) are full, so the ellipse touches all four
// sides; the inset depends only on the row's distance from the middle, so the
// shape is mirror-symmetric both ways.
class TEllipseRows {
  public:
    explicit TEllipseRows(const TBox& box) : FBox(box) {
        // Radii a little inside the box edges: 3 x 3 is a plus rather than
        // a square, while larger boxes use their rows and columns fully.
        FRx = box.Width() / 2.0 - 0.1;
        FRy = box.Height() / 2.0 - 0.1;
    }

    // Inset of box row j; rows outside the box answer "no pixels" (a huge inset).
    long long Inset(long long j) const {
        const long long w = FBox.Width(), h = FBox.Height();
        if (j < 0 || j >= h) return std::numeric_limits<long long>::max() / 4;
        const long long maxInset = (w - 1) / 2;
        const long long twiceDy = std::llabs(2 * j - (h - 1));
        if (twiceDy <= 1) return 0; // middle row(s)
        const double dy = twiceDy / 2.0 / FRy;
        const double room = 1.0 - dy * dy;
        if (room <= 0) return maxInset;
        // Smallest inset i whose column lies inside: |i - (w-1)/2| <= FRx*sqrt(room).
        const double half = FRx * std::sqrt(room);
        long long lo = 0, hi = maxInset;
        while (lo < hi) {
            const long long mid = lo + (hi - lo) / 2;
            if ((w - 1) / 2.0 - mid <= half)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // Calls visit(y, left, right) for the spans of the rows inside the raster;
    // outlineOnly leaves out the pixels whose four neighbours are all inside.
    template <typename Visit>
    void ForEachSpan(const TRaster& raster, bool outlineOnly, Visit visit) const {
        const int top = std::max(FBox.Top, 0);
        const int bottom = std::min(FBox.Bottom, raster.Height() - 1);
        for (int y = top; y <= bottom; ++y) {
            const long long j = static_cast<long long>(y) - FBox.Top;
            const long long inset = Inset(j);
            const long long left = FBox.Left + inset, right = FBox.Right - inset;
            if (!outlineOnly) {
                visit(y, left, right);
                continue;
            }
            const long long inner = std::max({inset + 1, Inset(j - 1), Inset(j + 1)});
            const long long innerLeft = FBox.Left + inner, innerRight = FBox.Right - inner;
            if (innerLeft > innerRight) {
                visit(y, left, right);
            } else {
                visit(y, left, innerLeft - 1);
                visit(y, innerRight + 1, right);
            }
        }
    }

  private:
    TBox FBox;
    double FRx, FRy;
};

void PaintEllipse(TRaster& raster, int x1, int y1, int x2, int y2, TColor color, bool outline) {
    const TEllipseRows rows(MakeBox(x1, y1, x2, y2));
    rows.ForEachSpan(raster, outline, [&](int y, long long left, long long right) {
        // Clamp before narrowing: the box may reach far beyond the raster.
        const long long lo = std::max(left, -1LL), hi = std::min(right, 1LL << 30);
        if (lo <= hi) Span(raster, y, static_cast<int>(lo), static_cast<int>(hi), color);
    });
}

} // namespace

void TRaster::LineTo(int x1, int y1, int x2, int y2, TColor color) {
    // The end point is left out, as a pen moving to it leaves it.
    WalkLine(x1, y1, x2, y2, false, [&](int x, int y) { SetPixel(x, y, color); });
}

void TRaster::Line(int x1, int y1, int x2, int y2, TColor color) {
    WalkLine(x1, y1, x2, y2, true, [&](int x, int y) { SetPixel(x, y, color); });
}

void TRaster::RectOutline(int x1, int y1, int x2, int y2, TColor color) {
    const TBox b = MakeBox(x1, y1, x2, y2);
    Span(*this, b.Top, b.Left, b.Right, color);
    Span(*this, b.Bottom, b.Left, b.Right, color);
    FillRect(b.Left, b.Top, b.Left + 1, b.Bottom + 1, color);
    FillRect(b.Right, b.Top, b.Right + 1, b.Bottom + 1, color);
}

void TRaster::RectFill(int x1, int y1, int x2, int y2, TColor color) {
    const TBox b = MakeBox(x1, y1, x2, y2);
    FillRect(b.Left, b.Top, b.Right + 1, b.Bottom + 1, color);
}

void TRaster::EllipseOutline(int x1, int y1, int x2, int y2, TColor color) {
    PaintEllipse(*this, x1, y1, x2, y2, color, true);
}

void TRaster::EllipseFill(int x1, int y1, int x2, int y2, TColor color) {
    PaintEllipse(*this, x1, y1, x2, y2, color, false);
}

void TRaster::RoundPenLine(int x1, int y1, int x2, int y2, TColor color) {
    // The pen is the disc of the pixels whose centres lie within two pixels
    // of the pen pixel's centre, so it sits centred under the pointer (a pen
    // an even number of pixels across would lean to one side). It is stamped
    // on every pixel of the line but the end point, as a pen moving there
    // leaves it, so a stroke to the right-hand neighbour leaves one spot.
    auto stamp = [&](int x, int y) {
        FillRect(x - 1, y - 1, x + 2, y + 2, color);
        FillRect(x - 2, y, x + 3, y + 1, color);
        FillRect(x, y - 2, x + 1, y + 3, color);
    };
    if (x1 == x2 && y1 == y2)
        stamp(x1, y1);
    else
        WalkLine(x1, y1, x2, y2, false, stamp);
}

void TRaster::InvertRectOutline(int x1, int y1, int x2, int y2) {
    const TBox b = MakeBox(x1, y1, x2, y2);
    auto invert = [&](int x, int y) {
        if (Contains(x, y)) SetPixel(x, y, Pixel(x, y) ^ 0x00FFFFFFu);
    };
    const int left = std::max(b.Left, -1), right = std::min(b.Right, FWidth);
    const int top = std::max(b.Top, -1), bottom = std::min(b.Bottom, FHeight);
    for (int x = left; x <= right; ++x) {
        invert(x, b.Top);
        if (b.Bottom != b.Top) invert(x, b.Bottom);
    }
    for (int y = std::max(top, b.Top + 1); y <= std::min(bottom, b.Bottom - 1); ++y) {
        invert(b.Left, y);
        if (b.Right != b.Left) invert(b.Right, y);
    }
}
