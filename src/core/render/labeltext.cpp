#include "render/labeltext.h"

namespace {

constexpr int kWidth = 3;

// Rows of 3 bits, top row in the highest bits.
unsigned Shape(char c) {
    static const unsigned kDigits[10] = {075557, 026227, 071747, 071717, 055711,
                                         074717, 074757, 071111, 075757, 075717};
    if (c >= '0' && c <= '9') return kDigits[c - '0'];
    switch (c) {
    case 'A':
        return 025755;
    case 'B':
        return 065656;
    case 'C':
        return 034443;
    case 'D':
        return 065556;
    case 'E':
        return 074647;
    case 'F':
        return 074644;
    case 'x':
        return 005250;
    case '+':
        return 002720;
    case '-':
        return 000700;
    case '.':
        return 000002;
    case 'a':
        return 003553;
    case 'b':
        return 044656;
    case 'c':
        return 003443;
    case 'e':
        return 002743;
    case 'g':
        return 035316;
    case 'k':
        return 045655;
    case 'l':
        return 022223;
    case 'o':
        return 002552;
    case 'p':
        return 006564;
    default:
        return 0;
    }
}

} // namespace

int LabelWidth(const std::string& text) {
    return static_cast<int>(text.size()) * (kWidth + 1);
}

void DrawLabel(TRaster& raster, int x, int y, const std::string& text, TColor color) {
    for (const char c : text) {
        const unsigned bits = Shape(c);
        for (int r = 0; r < kLabelHeight; ++r)
            for (int col = 0; col < kWidth; ++col)
                if (bits & (1u << ((kLabelHeight - 1 - r) * kWidth + (kWidth - 1 - col))))
                    raster.SetPixel(x + col, y + r, color);
        x += kWidth + 1;
    }
}
