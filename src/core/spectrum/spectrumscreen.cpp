#include "spectrum/spectrumscreen.h"

#include <algorithm>

#include "model/font.h"
#include "render/textlayout.h"
#include "spectrum/spectrumprogram.h"

TSpectrumScreen::TSpectrumScreen() : FMemory(Size, 0) {
    Clear(7 * 8);
}

void TSpectrumScreen::Clear(std::uint8_t attribute) {
    std::fill(FMemory.begin(), FMemory.begin() + BitmapSize, 0);
    std::fill(FMemory.begin() + BitmapSize, FMemory.end(), attribute);
}

bool TSpectrumScreen::Ink(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return false;
    return (FMemory[static_cast<std::size_t>(BitmapOffset(x, y))] & (0x80 >> (x & 7))) != 0;
}

void TSpectrumScreen::SetInk(int x, int y) {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return;
    FMemory[static_cast<std::size_t>(BitmapOffset(x, y))] |=
        static_cast<std::uint8_t>(0x80 >> (x & 7));
}

std::uint8_t TSpectrumScreen::Attribute(int column, int row) const {
    if (column < 0 || row < 0 || column >= 32 || row >= 24) return 0;
    return FMemory[static_cast<std::size_t>(BitmapSize + row * 32 + column)];
}

void TSpectrumScreen::SetAttribute(int column, int row, std::uint8_t attribute) {
    if (column < 0 || row < 0 || column >= 32 || row >= 24) return;
    FMemory[static_cast<std::size_t>(BitmapSize + row * 32 + column)] = attribute;
}

bool TSpectrumScreen::SetMemory(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != static_cast<std::size_t>(Size)) return false;
    FMemory = bytes;
    return true;
}

std::uint8_t SpectrumAttribute(const TSpectrumOptions& options) {
    return static_cast<std::uint8_t>((options.Bright ? 64 : 0) + (options.Paper & 7) * 8 +
                                     (options.Ink & 7));
}

void SetSpectrumText(TSpectrumScreen& screen, const TFZXFont& font,
                     const TSpectrumOptions& options) {
    screen.Clear(SpectrumAttribute(options));
    TTextFrame frame;
    frame.Left = options.X;
    frame.Top = options.Y;
    frame.Right = TSpectrumScreen::Width;
    frame.Bottom = TSpectrumScreen::Height;
    // Each placed glyph's stored rows, cut at the body's bottom as the
    // painter and the routine cut them; ink ORed in, the edges clip.
    for (const TTextPlacement& p : LayOutText(font, options.Text, frame)) {
        const TFZXChar& g = font.Glyph(p.Code - 32);
        const int rows = std::min(g.RowCount(), font.Height() - g.Leading());
        int x = p.X - g.Kern();
        int y = p.Y + g.Leading();
        int row = 0;
        for (const char ch : g.Rows()) {
            if (ch == '|') {
                if (++row >= rows) break;
                x = p.X - g.Kern();
                ++y;
                continue;
            }
            if (row < rows && ch == '1') screen.SetInk(x, y);
            ++x;
        }
    }
}

TColor SpectrumColour(int index) {
    const int level = (index & 8) ? 0xFF : 0xD7;
    return RGBColor((index & 2) ? level : 0, (index & 4) ? level : 0, (index & 1) ? level : 0);
}

void PaintSpectrumScreen(const TSpectrumScreen& screen, int border, int zoom, TRaster& raster) {
    zoom = std::max(1, zoom);
    const int left = SpectrumBorderWidth * zoom;
    const int top = SpectrumBorderHeight * zoom;
    raster.SetSize((TSpectrumScreen::Width + 2 * SpectrumBorderWidth) * zoom,
                   (TSpectrumScreen::Height + 2 * SpectrumBorderHeight) * zoom);
    raster.Fill(SpectrumColour(border & 7));
    const std::vector<std::uint8_t>& memory = screen.Memory();
    const int stride = raster.Width();
    for (int y = 0; y < TSpectrumScreen::Height; ++y) {
        std::uint32_t* line = raster.Bits() + static_cast<std::size_t>((top + y * zoom) * stride);
        const std::uint8_t* bits = memory.data() + TSpectrumScreen::BitmapOffset(0, y);
        for (int column = 0; column < 32; ++column) {
            const std::uint8_t a = screen.Attribute(column, y / 8);
            const int bright = (a & 64) ? 8 : 0;
            const TColor ink = SpectrumColour((a & 7) + bright);
            const TColor paper = SpectrumColour(((a >> 3) & 7) + bright);
            const std::uint8_t byte = bits[column];
            std::uint32_t* out = line + left + column * 8 * zoom;
            for (int bit = 0; bit < 8; ++bit) {
                const TColor c = (byte & (0x80 >> bit)) ? ink : paper;
                for (int z = 0; z < zoom; ++z)
                    *out++ = c;
            }
        }
        // The other rows of a zoomed pixel copy the first.
        for (int z = 1; z < zoom; ++z)
            std::copy(line + left, line + left + TSpectrumScreen::Width * zoom,
                      line + static_cast<std::size_t>(z * stride) + left);
    }
}
