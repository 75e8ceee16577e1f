// The Spectrum screen picture: every pixel in the ink or paper of its own
// 8 x 8 cell, the bitmap read in the machine's interleaved order, the border
// around it.

#include <gtest/gtest.h>

#include <random>

#include "spectrum/spectrumscreen.h"

namespace {

TEST(SpectrumScreen, PictureShowsEachCellInItsOwnAttribute) {
    // Screen memory of random bytes: every cell its own colours, so a pixel
    // coloured by a neighbour's attribute, or read from the wrong row, shows.
    std::mt19937 random(5);
    std::vector<std::uint8_t> memory(TSpectrumScreen::Size);
    for (std::uint8_t& b : memory)
        b = static_cast<std::uint8_t>(random());
    TSpectrumScreen screen;
    ASSERT_TRUE(screen.SetMemory(memory));
    EXPECT_FALSE(screen.SetMemory(std::vector<std::uint8_t>(6144)));

    for (const int zoom : {1, 3}) {
        TRaster picture;
        PaintSpectrumScreen(screen, 5, zoom, picture);
        ASSERT_EQ(picture.Width(), (256 + 2 * SpectrumBorderWidth) * zoom);
        ASSERT_EQ(picture.Height(), (192 + 2 * SpectrumBorderHeight) * zoom);
        EXPECT_EQ(picture.Pixel(0, 0), SpectrumColour(5));
        EXPECT_EQ(picture.Pixel(picture.Width() - 1, picture.Height() - 1), SpectrumColour(5));
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x) {
                // Thirds of 64 rows, each 2 KB: pixel row in a cell, then cell row.
                const int third = y / 64, cellRow = (y % 64) / 8, pixelRow = y % 8;
                const std::uint8_t byte =
                    memory[third * 2048 + pixelRow * 256 + cellRow * 32 + x / 8];
                const std::uint8_t a = memory[6144 + (y / 8) * 32 + x / 8];
                const int bright = (a & 0x40) ? 8 : 0;
                const int colour = ((byte >> (7 - x % 8)) & 1) ? (a & 7) : ((a >> 3) & 7);
                const int px = (SpectrumBorderWidth + x) * zoom + zoom - 1;
                const int py = (SpectrumBorderHeight + y) * zoom + zoom - 1;
                ASSERT_EQ(picture.Pixel(px, py), SpectrumColour(colour + bright))
                    << x << "," << y << " zoom " << zoom;
            }
    }
}

TEST(SpectrumScreen, Palette) {
    const struct {
        int Index;
        TColor Colour;
    } rows[] = {{0, RGBColor(0, 0, 0)},          {8, RGBColor(0, 0, 0)},
                {1, RGBColor(0, 0, 0xD7)},       {9, RGBColor(0, 0, 0xFF)},
                {2, RGBColor(0xD7, 0, 0)},       {4, RGBColor(0, 0xD7, 0)},
                {6, RGBColor(0xD7, 0xD7, 0)},    {7, RGBColor(0xD7, 0xD7, 0xD7)},
                {15, RGBColor(0xFF, 0xFF, 0xFF)}};
    for (const auto& row : rows)
        EXPECT_EQ(SpectrumColour(row.Index), row.Colour) << row.Index;
}

} // namespace
