// `spectrum FONT OUT.tap|OUT.z80|OUT.asm|OUT.scr`: the font and a sample
// text with Quorrel's print routine, as a tape, a snapshot or Z80 source, or
// the screen file of what they show.

#include <iostream>
#include <string>

#include "commands.h"
#include "formatoptions.h"
#include "formats/fileio.h"
#include "model/font.h"
#include "render/textcut.h"
#include "render/textlayout.h"
#include "spectrum/spectrumfiles.h"
#include "text/controlescape.h"

namespace {

struct TSpectrumArgs {
    std::string FontPath, OutputPath;
    bool HaveText = false;
    std::string Text;
    TSpectrumOptions Options;
    TFormatOptions Format; // how the font is read
};

std::string ParseArgs(const TArgs& args, TSpectrumArgs& o) {
    TStringList positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        if (TakeFormatOption(args, i, o.Format, error)) {
            if (!error.empty()) return error;
            continue;
        }
        if (arg == "--wrap") {
            if (i + 1 >= args.size() || (args[i + 1] != "words" && args[i + 1] != "characters"))
                return "--wrap must be words or characters";
            o.Options.Wrap = args[++i] == "words" ? TWrapMode::Words : TWrapMode::Characters;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--bright") {
            o.Options.Bright = true;
            continue;
        }
        if (arg != "--text" && arg != "--at" && arg != "--ink" && arg != "--paper" &&
            arg != "--border" && arg != "--routine")
            return "unknown option '" + arg + "'";
        if (i + 1 >= args.size()) return arg + " needs a value";
        const std::string& value = args[++i];
        TSpectrumOptions& s = o.Options;
        if (arg == "--text") {
            o.HaveText = true;
            o.Text = value;
        } else if (arg == "--routine") {
            if (value != "fast" && value != "compact") return "--routine must be fast or compact";
            s.Routine = value == "compact" ? TPrintRoutine::Compact : TPrintRoutine::Fast;
        } else if (arg == "--at") {
            const std::size_t comma = value.find(',');
            if (comma == std::string::npos ||
                !ParseWholeNumber(value.substr(0, comma), 0, 255, s.X) ||
                !ParseWholeNumber(value.substr(comma + 1), 0, 191, s.Y))
                return "--at must be X,Y with X 0..255 and Y 0..191";
        } else {
            int& colour = arg == "--ink" ? s.Ink : arg == "--paper" ? s.Paper : s.Border;
            if (!ParseWholeNumber(value, 0, 7, colour)) return arg + " must be a colour 0..7";
        }
    }
    if (positional.size() != 2)
        return "needs a font file and an output file (.tap, .z80, .asm or .scr)";
    o.FontPath = positional[0];
    o.OutputPath = positional[1];
    return "";
}

} // namespace

int RunSpectrum(const TArgs& args) {
    TSpectrumArgs o;
    const std::string usage = ParseArgs(args, o);
    if (!usage.empty()) return UsageError("spectrum: " + usage);
    TFZXFont font;
    const std::string error = LoadAnyFont(font, o.FontPath, o.Format);
    if (!error.empty()) return Fail(error);
    // Read as render reads it; without --text, every character of the font
    // (an empty one sets nothing).
    const TStringList lines = SampleLinesFromUtf8(o.Text);
    o.Options.Text = o.HaveText ? JoinSampleLines(lines) : SampleCodes(font, lines);
    const std::string written =
        ExportForSpectrum(font, o.Options, o.OutputPath, FileNameOnly(o.FontPath));
    if (!written.empty()) return Fail(o.OutputPath + ": " + written);
    const std::string cut = o.HaveText ? DescribeTextCut(FindTextCut(font, lines)) : "";
    if (!cut.empty()) std::cerr << "quorrel-cli: " << EscapeControls(cut) << '\n';
    for (const std::string& warning : SpectrumWarnings(font, o.Options))
        std::cerr << "quorrel-cli: " << warning << '\n';
    return 0;
}
