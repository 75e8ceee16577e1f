#include "spectrum/spectrumprogram.h"

#include "model/font.h"
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
    TSpectrumProgram p;
    p.Options = options;
    const std::string error = font.BuildFZXImage(p.Font);
    if (!error.empty()) return error;
    p.Text.assign(options.Text.begin(), options.Text.end());
    p.Text.push_back(0);
    const std::size_t total = PrintRoutineSize() + p.Font.size() + p.Text.size();
    unsigned org = kPreferredOrg;
    if (org + total > 0x10000) org = static_cast<unsigned>(0x10000 - total);
    if (total > 0x10000 || org < kLowestOrg)
        return "The font and the text take " + std::to_string(total) +
               " bytes, more than a 48K Spectrum has room for.";
    p.Org = static_cast<std::uint16_t>(org);
    p.Routine = PrintRoutineAt(p.Org);
    PutWord(p.Routine, kParamText, p.TextAddress());
    PutWord(p.Routine, kParamFont, p.FontAddress());
    p.Routine[kParamX] = static_cast<std::uint8_t>(options.X & 0xFF);
    p.Routine[kParamY] = static_cast<std::uint8_t>(options.Y & 0xFF);
    p.Routine[kParamAttr] = SpectrumAttribute(options);
    p.Routine[kParamBorder] = static_cast<std::uint8_t>(options.Border & 7);
    program = std::move(p);
    return "";
}
