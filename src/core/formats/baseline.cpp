#include "formats/baseline.h"

#include <algorithm>
#include <map>

#include "model/font.h"

int GuessBaseline(const TFZXFont& font, int glyphs) {
    std::map<int, int> bottoms;
    for (int code = 32; code < 32 + glyphs && code - 32 < font.Count(); ++code) {
        const bool digit = code >= '0' && code <= '9';
        const bool capital = code >= 'A' && code <= 'Z';
        if (!digit && !capital) continue;
        const TFZXChar& g = font.Glyph(code - 32);
        if (g.RowCount() > 0) ++bottoms[g.Leading() + g.RowCount()];
    }
    int best = font.Height(), count = 0;
    // On a tie the line nearer the top wins.
    for (const auto& [bottom, n] : bottoms)
        if (n > count) best = bottom, count = n;
    return std::max(0, std::min(best, font.Height()));
}
