// `render FONT OUTPUT.png`: sets sample text in the font the way the preview
// strip does and writes the picture, black ink on white paper.

#include <algorithm>
#include <string>

#include "commands.h"
#include "model/font.h"
#include "formats/fontfiles.h"
#include "text/latin1.h"
#include "pngwriter.h"
#include "shell/previewstrip.h"
#include "raster/raster.h"
#include "text/textrows.h"

namespace {

constexpr int kMaxSide = 8192;

// A whole decimal number from low to high; false for anything else.
bool ParseBounded(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6) return false;
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

struct TRenderOptions {
    std::string FontPath;
    std::string OutputPath;
    bool HaveText = false;
    std::string Text;
    int Zoom = 1;
    int Width = 0;  // 0: the widest text line, or 256 for the code sequence
    int Height = 0; // 0: the text's lines, or two for the code sequence
    bool Endless = false;
};

// "" when the arguments are fine, else what is wrong with them.
std::string ParseArgs(const TArgs& args, TRenderOptions& o) {
    TStringList positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--endless") {
            o.Endless = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg != "--text" && arg != "--zoom" && arg != "--width" && arg != "--height")
            return "unknown option '" + arg + "'";
        if (i + 1 >= args.size()) return arg + " needs a value";
        const std::string& value = args[++i];
        if (arg == "--text") {
            o.HaveText = true;
            o.Text = value;
        } else if (arg == "--zoom") {
            if (!ParseBounded(value, 1, 4, o.Zoom)) return "--zoom must be 1, 2, 3 or 4";
        } else if (arg == "--width") {
            if (!ParseBounded(value, 1, kMaxSide, o.Width))
                return "--width must be 1.." + std::to_string(kMaxSide);
        } else if (!ParseBounded(value, 1, kMaxSide, o.Height)) {
            return "--height must be 1.." + std::to_string(kMaxSide);
        }
    }
    if (positional.size() != 2) return "needs a font file and an output picture";
    o.FontPath = positional[0];
    o.OutputPath = positional[1];
    return "";
}

} // namespace

int RunRender(const TArgs& args) {
    TRenderOptions o;
    const std::string usage = ParseArgs(args, o);
    if (!usage.empty()) return UsageError("render: " + usage);
    TFZXFont font;
    const std::string error = LoadFontFile(font, o.FontPath);
    if (!error.empty()) return Fail(o.FontPath + ": " + error);

    // Lines as the dialog would hold them; none means the code sequence.
    TStringList lines;
    if (o.HaveText) {
        // Characters typed in a UTF-8 shell become the font's one-byte codes,
        // as in the window's text fields: "?" for what one byte cannot hold.
        SplitText(lines, Utf8ToLatin1Lossy(o.Text), '\n');
        for (std::string& line : lines)
            if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    // The picture fits the text unless a size is given; the code sequence
    // wraps in a strip as wide as the window's.
    int width = o.Width;
    if (width == 0) {
        width = 256;
        if (!lines.empty()) {
            width = 1;
            for (const std::string& line : lines)
                width = std::max(width, PreviewLineWidth(font, line, o.Zoom));
            width = std::min(width, kMaxSide);
        }
    }
    int height = o.Height;
    if (height == 0) {
        const int rows = lines.empty() ? 2 : static_cast<int>(lines.size());
        height = font.Count() > 0 ? std::min(rows * font.Height() * o.Zoom, kMaxSide) : 16;
    }
    if (height < 1) height = 1;

    TRaster raster(width, height, clWhite);
    PaintPreviewStrip(font, raster, &lines, o.Zoom, o.Endless, clWhite);
    const std::string written = WritePNG(raster, o.OutputPath);
    return written.empty() ? 0 : Fail(written);
}
