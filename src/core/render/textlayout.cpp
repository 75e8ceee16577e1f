#include "render/textlayout.h"

#include <algorithm>

#include "model/font.h"
#include "render/previewstrip.h"
#include "text/latin1.h"

int StoredWidth(const TFZXChar& glyph) {
    return FZXWidthField(glyph.Width()) + 1;
}

std::vector<TTextPlacement> LayOutText(const TFZXFont& font, const std::string& codes,
                                       const TTextFrame& frame) {
    std::vector<TTextPlacement> out;
    const int z = frame.Zoom;
    const int lineHeight = font.Height() * z;
    // The painter draws nothing for a body of no height, and a text driver
    // would set every line over the first.
    if (lineHeight <= 0 || frame.Top >= frame.Bottom) return out;
    int x = frame.Left;
    int y = frame.Top;
    bool any = false; // the line holds a character
    bool skipping = false;
    // False when the next line would start at or below the bottom.
    auto newLine = [&]() {
        y += lineHeight;
        x = frame.Left;
        any = false;
        skipping = false;
        return y < frame.Bottom;
    };
    for (const char ch : codes) {
        const int code = static_cast<unsigned char>(ch);
        if (code == 13) {
            if (!newLine()) break;
            continue;
        }
        // Without wrapping, the rest of a line past the right edge is not read.
        if (skipping || (!frame.Wrap && x >= frame.Right)) {
            skipping = true;
            continue;
        }
        if (code < 32 || code - 32 >= font.Count()) break;
        const TFZXChar& g = font.Glyph(code - 32);
        const int width = StoredWidth(g) * z;
        const int kern = g.Kern() * z;
        // Kern never moves a character left of the line's start: FZX drivers
        // clamp there rather than cut its left columns.
        int left = std::max(x - kern, frame.Left);
        if (frame.Wrap && any && left + width > frame.Right) {
            if (!newLine()) break;
            left = frame.Left;
        }
        out.push_back({code, left + kern, y});
        x = left + width + font.Tracking() * z;
        any = true;
    }
    return out;
}

void PaintText(TFZXFont& font, TRaster& raster, const std::vector<TTextPlacement>& placements,
               int zoom) {
    TFZXDrawSettings& s = font.DrawSettings();
    s.SetColors(clWhite, clBlack, clWhite, clWhite, clRed);
    for (const TTextPlacement& p : placements) {
        s.SetOrigin(p.X, p.Y);
        font.DrawChar(p.Code, raster, false, true, false, true, zoom);
    }
}

std::string JoinSampleLines(const TStringList& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\r';
        for (const char ch : ExpandCodeEscapes(lines[i])) {
            if (static_cast<unsigned char>(ch) < 32) return text;
            text += ch;
        }
    }
    return text;
}

TStringList SampleLinesFromUtf8(const std::string& text) {
    TStringList lines;
    SplitText(lines, Utf8ToLatin1Lossy(text), '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r') line.pop_back();
    return lines;
}

std::string SampleCodes(const TFZXFont& font, const TStringList& lines) {
    if (!lines.empty()) return JoinSampleLines(lines);
    std::string text;
    for (int c = 32; c <= font.LastChar() && c <= 255; ++c)
        text += static_cast<char>(c);
    return text;
}
