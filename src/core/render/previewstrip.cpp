#include "render/previewstrip.h"

#include <algorithm>

#include "model/font.h"
#include "render/textlayout.h"

namespace {
bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
} // namespace

std::string ExpandCodeEscapes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '[') {
            // The text up to the first "]" must be one to three digits; a run
            // of digits holds no "]", so it is enough to look at the run.
            std::size_t k = i + 1;
            while (k < text.size() && k - i <= 4 && IsDigit(text[k]))
                ++k;
            const std::size_t digits = k - i - 1;
            if (digits >= 1 && digits <= 3 && k < text.size() && text[k] == ']') {
                const int code = std::stoi(text.substr(i + 1, digits));
                if (code >= 32) {
                    // 256..999 keep their lowest 8 bits, as a byte would.
                    out += static_cast<char>(code & 0xFF);
                    i = k + 1;
                    continue;
                }
            }
        }
        out += text[i];
        ++i;
    }
    return out;
}

int PreviewLineWidth(const TFZXFont& font, const std::string& line, int zoom) {
    int x = 0;
    for (const char ch : ExpandCodeEscapes(line)) {
        const int code = static_cast<unsigned char>(ch);
        if (code < 32 || code - 32 >= font.Count()) break;
        const TFZXChar& g = font.Glyph(code - 32);
        x += (StoredWidth(g) + font.Tracking() - g.Kern()) * zoom;
    }
    return std::max(0, x);
}

void PaintPreviewStrip(TFZXFont& font, TRaster& raster, const TStringList* lines, int zoom,
                       bool endless, TColor background) {
    raster.Fill(background);
    TFZXDrawSettings& s = font.DrawSettings();
    s.SetColors(background, clBlack, background, background, clRed);
    if (font.Count() == 0) return;

    int pz = 1;
    bool loop = false;
    TStringList text;
    if (lines) {
        pz = zoom;
        loop = endless;
        for (const std::string& line : *lines)
            text.push_back(ExpandCodeEscapes(line));
    }
    const bool haveLines = !text.empty();
    const int lineHeight = font.Height() * pz;
    // Length of the code sequence 32..LastChar; see the stall guard below.
    const int cycle = std::max(1, font.LastChar() - 31);
    const std::string none;

    std::size_t k = 0;
    int y = 0;
    int c = 32;
    bool go = true;
    while (go && y < raster.Height()) {
        const std::string& t = k < text.size() ? text[k] : none;
        std::size_t p = 0;
        int x = 0;
        int farthest = 0;
        int stalled = 0;
        while (go && x < raster.Width()) {
            s.SetOrigin(x, y);
            if (haveLines) {
                if (p >= t.size()) break;
                c = static_cast<unsigned char>(t[p++]);
            }
            if (c < 32) {
                go = false; // a control character such as a tab ends the painting
            } else {
                go = c - 32 < font.Count();
                if (go) {
                    // Advances as the text layout does: a glyph 0 wide takes
                    // the width the FZX file gives it.
                    font.DrawChar(c, raster, false, true, false, true, pz);
                    const TFZXChar& g = font.Glyph(c - 32);
                    x += (StoredWidth(g) + font.Tracking() - g.Kern()) * pz;
                }
            }
            if (!haveLines) {
                c = c < font.LastChar() ? c + 1 : 32;
                // Glyphs whose Kern eats their whole advance can keep the pen
                // from ever reaching the right edge. A whole cycle of codes
                // without a new rightmost pen position means it never will:
                // end the row instead of looping for ever.
                if (x > farthest) {
                    farthest = x;
                    stalled = 0;
                } else if (++stalled >= cycle) {
                    break;
                }
            }
        }
        y += lineHeight;
        if (k + 1 < text.size())
            ++k;
        else if (loop)
            k = 0;
        else
            go = false;
        // A body of no height cannot fill the strip: rows of empty lines
        // would repeat at y = 0 for ever.
        if (lineHeight <= 0) go = false;
    }
}
