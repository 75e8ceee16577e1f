// `render FONT OUTPUT.png`: sets sample text in the font the way the preview
// strip does (or, with --wrap or --at, the way the Spectrum print routine
// does) and writes the picture, black ink on white paper.

#include <algorithm>
#include <iostream>
#include <string>

#include "commands.h"
#include "formatoptions.h"
#include "model/font.h"
#include "pngcodec.h"
#include "raster/raster.h"
#include "render/previewstrip.h"
#include "render/textcut.h"
#include "render/textlayout.h"
#include "text/controlescape.h"
#include "text/textrows.h"

namespace {

constexpr int kMaxSide = 8192;

// "X,Y" of two whole numbers 0..kMaxSide.
bool ParsePoint(const std::string& text, int& x, int& y) {
    const std::size_t comma = text.find(',');
    return comma != std::string::npos && ParseWholeNumber(text.substr(0, comma), 0, kMaxSide, x) &&
           ParseWholeNumber(text.substr(comma + 1), 0, kMaxSide, y);
}

struct TRenderOptions {
    std::string FontPath;
    std::string OutputPath;
    bool HaveText = false;
    std::string Text;
    int Zoom = 1;
    int Width = 0;  // 0: the widest text line, or 256 (sequence, print routine)
    int Height = 0; // 0: the text's lines, or two (sequence, print routine)
    bool Endless = false;
    bool Wrap = false;
    bool Words = false; // --wrap words
    bool HaveAt = false;
    int AtX = 0, AtY = 0;
    TFormatOptions Format; // how the font is read
};

// "" when the arguments are fine, else what is wrong with them.
std::string ParseArgs(const TArgs& args, TRenderOptions& o) {
    TStringList positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        if (TakeFormatOption(args, i, o.Format, error)) {
            if (!error.empty()) return error;
            continue;
        }
        if (arg == "--endless") {
            o.Endless = true;
            continue;
        }
        if (arg == "--wrap") {
            // An optional value: where lines break (characters by default).
            o.Wrap = true;
            if (i + 1 < args.size() && (args[i + 1] == "words" || args[i + 1] == "characters"))
                o.Words = args[++i] == "words";
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg != "--text" && arg != "--zoom" && arg != "--width" && arg != "--height" &&
            arg != "--at")
            return "unknown option '" + arg + "'";
        if (i + 1 >= args.size()) return arg + " needs a value";
        const std::string& value = args[++i];
        if (arg == "--text") {
            o.HaveText = true;
            o.Text = value;
        } else if (arg == "--at") {
            if (!ParsePoint(value, o.AtX, o.AtY)) return "--at must be X,Y in pixels, e.g. 8,16";
            o.HaveAt = true;
        } else if (arg == "--zoom") {
            if (!ParseWholeNumber(value, 1, 4, o.Zoom)) return "--zoom must be 1, 2, 3 or 4";
        } else if (arg == "--width") {
            if (!ParseWholeNumber(value, 1, kMaxSide, o.Width))
                return "--width must be 1.." + std::to_string(kMaxSide);
        } else if (!ParseWholeNumber(value, 1, kMaxSide, o.Height)) {
            return "--height must be 1.." + std::to_string(kMaxSide);
        }
    }
    if (o.Endless && (o.Wrap || o.HaveAt)) return "--endless cannot go with --wrap or --at";
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
    const std::string error = LoadAnyFont(font, o.FontPath, o.Format);
    if (!error.empty()) return Fail(error);

    // Lines as the dialog would hold them; none means the code sequence.
    TStringList lines;
    if (o.HaveText) {
        // Characters typed in a UTF-8 shell become the font's one-byte codes,
        // as in the window's text fields: "?" for what one byte cannot hold.
        lines = SampleLinesFromUtf8(o.Text);
        if (lines.empty()) lines.push_back(""); // an empty text sets nothing
    }
    // The picture fits the text unless a size is given; the code sequence,
    // and text set as the print routine sets it, go on a strip as wide as
    // the Spectrum's screen and two lines high.
    const bool printRoutine = o.Wrap || o.HaveAt;
    int width = o.Width;
    if (width == 0) {
        width = 256;
        if (!lines.empty() && !printRoutine) {
            width = 1;
            for (const std::string& line : lines)
                width = std::max(width, PreviewLineWidth(font, line, o.Zoom));
            width = std::min(width, kMaxSide);
        }
    }
    int height = o.Height;
    if (height == 0) {
        const int rows = lines.empty() || printRoutine ? 2 : static_cast<int>(lines.size());
        height = font.Count() > 0 ? std::min(rows * font.Height() * o.Zoom, kMaxSide) : 16;
    }
    if (height < 1) height = 1;

    TRaster raster(width, height, clWhite);
    if (printRoutine) {
        // Set as the Spectrum print routine sets it: code 13 between lines.
        TTextFrame frame;
        frame.Left = o.AtX;
        frame.Top = o.AtY;
        frame.Right = width;
        frame.Bottom = height;
        frame.Zoom = o.Zoom;
        frame.Wrap = !o.Wrap ? TWrapMode::None : o.Words ? TWrapMode::Words : TWrapMode::Characters;
        PaintText(font, raster, LayOutText(font, SampleCodes(font, lines), frame), o.Zoom);
    } else {
        PaintPreviewStrip(font, raster, &lines, o.Zoom, o.Endless, clWhite);
    }
    const std::string written = WritePNG(raster, o.OutputPath);
    if (!written.empty()) return Fail(written);
    const std::string cut = DescribeTextCut(FindTextCut(font, lines));
    if (!cut.empty()) std::cerr << "quorrel-cli: " << EscapeControls(cut) << '\n';
    return 0;
}
