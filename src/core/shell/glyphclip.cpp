#include "shell/glyphclip.h"

#include <cstdlib>
#include <sstream>

#include "model/glyph.h"
#include "text/textrows.h"

const char* const GlyphClipMimeType = "application/x-quorrel-glyph";

namespace {

constexpr const char* kHeader = "Quorrel glyph 1";
constexpr int kMaxWidth = 256;
constexpr int kMaxRows = 192;

// A whole decimal number in lo..hi, nothing else on the line.
bool ReadNumber(const std::string& text, int lo, int hi, int& value) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const long n = std::strtol(text.c_str(), nullptr, 10);
    if (n < lo || n > hi) return false;
    value = static_cast<int>(n);
    return true;
}

} // namespace

TGlyphClip GlyphClipOf(const TFZXChar& glyph, int bodyHeight) {
    TGlyphClip clip;
    clip.Rows = glyph.Rows();
    clip.Width = glyph.Width();
    clip.Leading = glyph.Leading();
    clip.Kern = glyph.Kern();
    clip.Height = bodyHeight;
    return clip;
}

std::string GlyphClipText(const TGlyphClip& clip) {
    std::ostringstream out;
    out << kHeader << "\nwidth " << clip.Width << "\nleading " << clip.Leading << "\nkern "
        << clip.Kern << "\nheight " << clip.Height << "\nrows " << clip.Rows << "\n";
    return out.str();
}

bool ParseGlyphClip(const std::string& text, TGlyphClip& clip) {
    TStringList lines;
    SplitText(lines, text, '\n');
    if (lines.empty() || TrimBlanks(lines[0]) != kHeader) return false;
    TGlyphClip read;
    bool width = false, leading = false, kern = false, height = false, rows = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t blank = line.find(' ');
        const std::string name = line.substr(0, blank);
        const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (name == "width")
            width = ReadNumber(value, 1, kMaxWidth, read.Width);
        else if (name == "leading")
            leading = ReadNumber(value, 0, kMaxRows - 1, read.Leading);
        else if (name == "kern")
            kern = ReadNumber(value, 0, 3, read.Kern);
        else if (name == "height")
            height = ReadNumber(value, 1, kMaxRows, read.Height);
        else if (name == "rows") {
            read.Rows = value;
            rows = read.Rows.find_first_not_of("01|") == std::string::npos;
        }
    }
    if (!(width && leading && kern && height && rows)) return false;
    TStringList list;
    SplitText(list, read.Rows, '|');
    if (static_cast<int>(list.size()) + read.Leading > kMaxRows) return false;
    for (const std::string& row : list)
        if (static_cast<int>(row.size()) > read.Width) return false;
    clip = read;
    return true;
}

TRaster GlyphClipPicture(const TGlyphClip& clip) {
    TRaster picture(clip.Width, clip.Height, clWhite);
    TStringList list;
    SplitText(list, clip.Rows, '|');
    for (std::size_t r = 0; r < list.size(); ++r) {
        const int y = clip.Leading + static_cast<int>(r);
        for (std::size_t x = 0; x < list[r].size(); ++x)
            if (list[r][x] == '1') picture.SetPixel(static_cast<int>(x), y, clBlack);
    }
    return picture;
}
