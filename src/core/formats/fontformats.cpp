#include "formats/fontformats.h"

#include <cctype>

#include "formats/bdffile.h"
#include "formats/ownformats.h"
#include "formats/psffile.h"
#include "formats/sheet.h"
#include "formats/yafffile.h"

namespace {
// A sheet of 256 x 256 cells of 64 x 64 pixels as a PNG file is far smaller.
constexpr std::size_t kMaxSheetFileSize = 64u * 1024 * 1024;
} // namespace

const std::vector<TFontFormat>& FontFormats() {
    static const std::vector<TFontFormat> formats = {
        // One row a format. A CHR reader gets one byte past the largest CHR
        // file, so that it refuses a longer one by its size with its message.
        // clang-format off
        {"FZX", "FZX font files", {".fzx"}, false, false, kMaxFZXFileSize, ReadFZX, WriteFZX, {}, {}, fgOwn, true},
        {"CHR", "Character files", {".chr"}, false, false, kMaxCHRFileSize + 1, ReadCHR, WriteCHR, {}, {}, fgOwn, true},
        {"UDG", "User-defined graphics", {".udg"}, false, false, kMaxCHRFileSize + 1, ReadCHR, WriteCHR, {}, {}, fgOwn, true},
        {"assembler source", "Z80 assembler source", {".asm"}, false, false, 0, {}, WriteASM, {}, {}, fgSource},
        {"BDF", "BDF fonts", {".bdf"}, false, false, kMaxBDFFileSize, ReadBDF, WriteBDF, {}, {}},
        {"PSF", "PSF console fonts, gzip-compressed", {".psf.gz"}, true, false, kMaxPSFFileSize, ReadPSF, WritePSF, {}, {}},
        {"PSF", "PSF console fonts", {".psf"}, false, false, kMaxPSFFileSize, ReadPSF, WritePSF, {}, {}},
        {"yaff", "yaff fonts", {".yaff"}, false, false, kMaxYaffFileSize, ReadYaff, WriteYaff, {}, {}},
        {"picture sheet", "Picture sheets (PNG)", {".png"}, false, true, kMaxSheetFileSize, {}, {}, ReadSheet, WriteSheet},
        // clang-format on
    };
    return formats;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
    if (tail.size() > text.size()) return false;
    const std::size_t start = text.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[start + i])) !=
            std::tolower(static_cast<unsigned char>(tail[i])))
            return false;
    }
    return true;
}

const TFontFormat* FindFontFormat(const std::string& path) {
    return FindFontFormat(path, fgAll);
}

const TFontFormat* FindFontFormat(const std::string& path, unsigned groups) {
    const TFontFormat* best = nullptr;
    std::size_t bestLength = 0;
    for (const TFontFormat& format : FontFormats()) {
        if (!(format.Group & groups)) continue;
        for (const std::string& ext : format.Extensions) {
            if (ext.size() > bestLength && EndsWithIgnoringCase(path, ext)) {
                best = &format;
                bestLength = ext.size();
            }
        }
    }
    return best;
}
