#pragma once
// The Spectrum's screen memory as the machine holds it from 0x4000: 6,144
// bitmap bytes in its interleaved row order, then 768 attribute bytes, one
// per 8 x 8 cell (flash * 128 + bright * 64 + paper * 8 + ink). The same
// 6,912 bytes make a .scr file.

#include <cstdint>
#include <vector>

#include "raster/raster.h"

class TFZXFont;
struct TSpectrumOptions;

class TSpectrumScreen {
  public:
    static constexpr int Width = 256;
    static constexpr int Height = 192;
    static constexpr int BitmapSize = 6144;
    static constexpr int AttributeSize = 768;
    static constexpr int Size = BitmapSize + AttributeSize;

    // An empty bitmap, every cell white paper with black ink.
    TSpectrumScreen();

    // The byte of the bitmap that holds pixel (x, y), bit 7 the leftmost:
    // the thirds of the screen, then the pixel row within a cell row, then
    // the cell row within its third.
    static int BitmapOffset(int x, int y) {
        return ((y & 0xC0) << 5) | ((y & 7) << 8) | ((y & 0x38) << 2) | (x >> 3);
    }

    // Empties the bitmap and gives every cell the attribute.
    void Clear(std::uint8_t attribute);
    // Outside the screen: Ink answers false, SetInk does nothing.
    bool Ink(int x, int y) const;
    void SetInk(int x, int y);
    // The cell column 0..31 and row 0..23; outside, 0 and nothing.
    std::uint8_t Attribute(int column, int row) const;
    void SetAttribute(int column, int row, std::uint8_t attribute);

    const std::vector<std::uint8_t>& Memory() const { return FMemory; }
    // 6,912 bytes as a .scr holds them; false (screen kept) for another size.
    bool SetMemory(const std::vector<std::uint8_t>& bytes);

  private:
    std::vector<std::uint8_t> FMemory;
};

// The attribute byte of the options' ink, paper and bright.
std::uint8_t SpectrumAttribute(const TSpectrumOptions& options);

// The screen as Quorrel's print routine leaves it after its start-up: every
// cell in the options' colours, the options' text set at their position
// through the one text layout (wrapping at the right edge), ink ORed into
// the bitmap.
void SetSpectrumText(TSpectrumScreen& screen, const TFZXFont& font,
                     const TSpectrumOptions& options);

// The colours the Spectrum shows: 0..7 at normal brightness, 8..15 bright.
TColor SpectrumColour(int index);

// The border around the screen in Spectrum pixels, as Fuse shows it.
constexpr int SpectrumBorderWidth = 32;
constexpr int SpectrumBorderHeight = 24;

// The picture the machine shows at zoom (1..): the border in its colour
// around the screen, each pixel in the ink or paper of its 8 x 8 cell's
// attribute (so two colours meeting in one cell clash as on the machine;
// flash shows unflashed). The raster is resized to fit.
void PaintSpectrumScreen(const TSpectrumScreen& screen, int border, int zoom, TRaster& raster);
