#pragma once
// A small 32-bit raster: the pictures that glyphs are painted into and that
// the drawing tools draw on. Pixels are 0xAARRGGBB with alpha always 0xFF, so
// the window can wrap the memory as a QImage (Format_RGB32) without copying.
// Every operation clips to the raster; nothing draws outside it.

#include <cstdint>
#include <vector>

using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return 0xFF000000u | (static_cast<TColor>(r & 0xFF) << 16) |
           (static_cast<TColor>(g & 0xFF) << 8) | static_cast<TColor>(b & 0xFF);
}

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clGray = RGBColor(128, 128, 128);
// The toolkit's button face; the window may replace it with the palette's.
constexpr TColor clBtnFace = RGBColor(240, 240, 240);

class TRaster {
  public:
    TRaster() = default;
    TRaster(int width, int height, TColor fill = clWhite);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth <= 0 || FHeight <= 0; }

    // A new size (negative counts as 0) gives a raster filled white; the same
    // size keeps the pixels.
    void SetSize(int width, int height);

    // Outside the raster: Pixel answers white, SetPixel does nothing.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

    // Fills left..right-1 x top..bottom-1.
    void FillRect(int left, int top, int right, int bottom, TColor color);
    void Fill(TColor color) { FillRect(0, 0, FWidth, FHeight, color); }

    // One-pixel line from (x1, y1) to (x2, y2); the end point is left out.
    void LineTo(int x1, int y1, int x2, int y2, TColor color);
    // One-pixel line with both end points included.
    void Line(int x1, int y1, int x2, int y2, TColor color);
    // Boxes below take both corners as included pixels, in any order.
    void RectOutline(int x1, int y1, int x2, int y2, TColor color);
    void RectFill(int x1, int y1, int x2, int y2, TColor color);
    // The ellipse inscribed in the box: symmetric, touching all four sides.
    void EllipseOutline(int x1, int y1, int x2, int y2, TColor color);
    void EllipseFill(int x1, int y1, int x2, int y2, TColor color);
    // A round pen about four pixels across (the pixels within two of the
    // pen's centre), centred on each pixel of the line from (x1, y1) to
    // (x2, y2). Like LineTo it leaves the end point out, so a stroke to the
    // right-hand neighbour leaves one round spot centred on (x1, y1).
    void RoundPenLine(int x1, int y1, int x2, int y2, TColor color);
    // Inverts the pixels on the outline of the box (each pixel once).
    void InvertRectOutline(int x1, int y1, int x2, int y2);

    // Copies source with its top left corner at (x, y); with skipWhite, white
    // source pixels leave the destination as it was.
    void Draw(const TRaster& source, int x, int y, bool skipWhite = false);
    // Stretches the whole of source onto the whole of this raster: replicating
    // when enlarging, and when reducing a black pixel wins over white.
    void StretchFrom(const TRaster& source);

    std::uint32_t* Bits() { return FPixels.data(); }
    const std::uint32_t* Bits() const { return FPixels.data(); }
    int BytesPerLine() const { return FWidth * 4; }

    bool operator==(const TRaster& other) const {
        return FWidth == other.FWidth && FHeight == other.FHeight && FPixels == other.FPixels;
    }
    bool operator!=(const TRaster& other) const { return !(*this == other); }

  private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint32_t> FPixels;
};
