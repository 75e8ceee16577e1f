#include "render/textlayout.h"

#include <algorithm>

#include "model/font.h"
#include "render/previewstrip.h"
#include "text/latin1.h"

int StoredWidth(const TFZXChar& glyph) {
    return FZXWidthField(glyph.Width()) + 1;
}

namespace {

// Where the pen puts a character's left column: kern never moves it left of
// the line's start, as FZX drivers clamp there rather than cut it.
int LeftColumn(const TFZXChar& g, int x, const TTextFrame& frame) {
    return std::max(x - g.Kern() * frame.Zoom, frame.Left);
}

bool Holds(const TFZXFont& font, int code) {
    return code >= 32 && code - 32 < font.Count();
}

// True when the word starting at codes[i] fits on the line from pen x.
bool WordFits(const TFZXFont& font, const std::string& codes, std::size_t i, int x,
              const TTextFrame& frame) {
    for (; i < codes.size(); ++i) {
        const int code = static_cast<unsigned char>(codes[i]);
        if (code == 32 || !Holds(font, code)) return true;
        const TFZXChar& g = font.Glyph(code - 32);
        const int left = LeftColumn(g, x, frame);
        if (left + StoredWidth(g) * frame.Zoom > frame.Right) return false;
        x = left + (StoredWidth(g) + font.Tracking()) * frame.Zoom;
    }
    return true;
}

} // namespace

std::vector<TTextPlacement> LayOutText(const TFZXFont& font, const std::string& codes,
                                       const TTextFrame& frame, std::size_t* read) {
    std::vector<TTextPlacement> out;
    std::size_t count = 0;
    if (read) *read = 0;
    const int z = frame.Zoom;
    const int lineHeight = font.Height() * z;
    // The painter draws nothing for a body of no height, and a text driver
    // would set every line over the first.
    if (lineHeight <= 0 || frame.Top >= frame.Bottom) return out;
    const bool wrap = frame.Wrap != TWrapMode::None;
    const bool words = frame.Wrap == TWrapMode::Words;
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
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int code = static_cast<unsigned char>(codes[i]);
        if (code == 13) {
            if (!newLine()) break;
            continue;
        }
        // Without wrapping, the rest of a line past the right edge is not read.
        if (skipping || (!wrap && x >= frame.Right)) {
            skipping = true;
            continue;
        }
        if (!Holds(font, code)) break;
        const TFZXChar& g = font.Glyph(code - 32);
        const int width = StoredWidth(g) * z;
        // A word longer than a whole line stays where it starts and breaks
        // at characters, so the line before it is not left empty.
        if (words && any && code != 32 && codes[i - 1] == ' ' &&
            !WordFits(font, codes, i, x, frame) && WordFits(font, codes, i, frame.Left, frame)) {
            if (!newLine()) break;
        }
        int left = LeftColumn(g, x, frame);
        if (wrap && any && left + width > frame.Right) {
            if (!newLine()) break;
            if (words && code == 32) {
                while (i + 1 < codes.size() && codes[i + 1] == ' ') {
                    ++i;
                    ++count;
                }
                ++count;
                continue;
            }
            left = frame.Left;
        }
        out.push_back({code, left + g.Kern() * z, y});
        x = left + width + font.Tracking() * z;
        any = true;
        ++count;
    }
    if (read) *read = count;
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
