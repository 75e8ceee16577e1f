#include "spectrum/spectrumprogram.h"

#include "model/font.h"
#include "render/textlayout.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumscreen.h"

namespace {
constexpr unsigned kPreferredOrg = 0x8000;
constexpr unsigned kLowestOrg = 0x6000;

void PutWord(std::vector<std::uint8_t>& bytes, int at, unsigned value) {
    bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
} // namespace

std::vector<std::uint8_t> TSpectrumProgram::Image() const {
    std::vector<std::uint8_t> image = Routine;
    image.insert(image.end(), Font.begin(), Font.end());
    image.insert(image.end(), Text.begin(), Text.end());
    return image;
}

std::string BuildSpectrumProgram(const TFZXFont& font, const TSpectrumOptions& options,
                                 TSpectrumProgram& program) {
    // The compact routine has no word look-ahead, and its start-up has no
    // place for the choice: a byte there would land in its code.
    if (options.Routine == TPrintRoutine::Compact && options.Wrap == TWrapMode::Words)
        return "The compact routine breaks lines between characters only; choose the fast "
               "routine to break them between words.";
    TSpectrumProgram p;
    p.Options = options;
    const std::string error = font.BuildFZXImage(p.Font);
    if (!error.empty()) return error;
    p.Text.assign(options.Text.begin(), options.Text.end());
    p.Text.push_back(0);
    const std::size_t total = PrintRoutineSize(options.Routine) + p.Font.size() + p.Text.size();
    unsigned org = kPreferredOrg;
    if (org + total > 0x10000) org = static_cast<unsigned>(0x10000 - total);
    if (total > 0x10000 || org < kLowestOrg)
        return "The font and the text take " + std::to_string(total) +
               " bytes, more than a 48K Spectrum has room for.";
    p.Org = static_cast<std::uint16_t>(org);
    p.Routine = PrintRoutineAt(p.Org, options.Routine);
    PutWord(p.Routine, kParamText, p.TextAddress());
    PutWord(p.Routine, kParamFont, p.FontAddress());
    p.Routine[kParamX] = static_cast<std::uint8_t>(options.X & 0xFF);
    p.Routine[kParamY] = static_cast<std::uint8_t>(options.Y & 0xFF);
    p.Routine[kParamAttr] = SpectrumAttribute(options);
    p.Routine[kParamBorder] = static_cast<std::uint8_t>(options.Border & 7);
    if (options.Routine == TPrintRoutine::Fast)
        p.Routine[kParamWrap] = options.Wrap == TWrapMode::Words ? 1 : 0;
    p.Lines = SpectrumScreenLines(font, options);
    program = std::move(p);
    return "";
}

std::vector<std::string> SpectrumScreenLines(const TFZXFont& font,
                                             const TSpectrumOptions& options) {
    TTextFrame frame;
    frame.Left = options.X;
    frame.Top = options.Y;
    frame.Wrap = options.Wrap;
    std::vector<std::string> lines;
    const int height = font.Height();
    for (const TTextPlacement& p : LayOutText(font, options.Text, frame)) {
        const std::size_t line = static_cast<std::size_t>((p.Y - options.Y) / height);
        if (lines.size() <= line) lines.resize(line + 1);
        lines[line] += static_cast<char>(p.Code);
    }
    return lines;
}

std::vector<std::string> SpectrumWarnings(const TFZXFont& font, const TSpectrumOptions& options) {
    std::vector<std::string> warnings;
    // The characters the routine would set on an endless screen: up to the
    // first code that ends the text.
    std::size_t characters = 0;
    for (const char ch : options.Text) {
        const int code = static_cast<unsigned char>(ch);
        if (code == 13) continue;
        if (code < 32 || code > font.LastChar() || code - 32 >= font.Count()) break;
        ++characters;
    }
    TTextFrame frame;
    frame.Left = options.X;
    frame.Top = options.Y;
    frame.Wrap = options.Wrap;
    std::size_t shown = 0;
    LayOutText(font, options.Text, frame, &shown);
    if (shown < characters)
        warnings.push_back(std::to_string(shown) + " of " + std::to_string(characters) +
                           " characters fit on the screen");
    if ((options.Ink & 7) == (options.Paper & 7))
        warnings.push_back("ink and paper are the same colour: the text will not show");
    return warnings;
}
