#pragma once
// Small fonts made for the Spectrum tests: every width from 1 to 16, every
// kern, leading that pushes rows past the body, random pixels from a fixed
// seed, so each shift and split of the print routine gets used.

#include <random>
#include <string>

#include "model/font.h"

namespace spectrumtest {

inline void MakeFont(TFZXFont& font, int height, int tracking, int lastChar, int maxWidth,
                     unsigned seed) {
    font.Clear();
    font.SetHeight(height);
    font.SetTracking(tracking);
    font.SetLastChar(lastChar);
    std::mt19937 random(seed);
    for (int i = 0; i < font.Count(); ++i) {
        const int width = 1 + static_cast<int>(random() % static_cast<unsigned>(maxWidth));
        const int kern = static_cast<int>(random() % 4);
        const int leading = static_cast<int>(random() % 5);
        const int rows = 1 + static_cast<int>(random() % static_cast<unsigned>(height + 2));
        std::string text;
        for (int r = 0; r < rows; ++r) {
            if (r > 0) text += '|';
            for (int c = 0; c < width; ++c)
                text += (random() % 3 == 0) ? '1' : '0';
        }
        font.Glyph(i).SetAll(text, leading, width, kern);
    }
}

} // namespace spectrumtest
