#include "formats/fontformats.h"

#include <cctype>

#include "formats/bdffile.h"
#include "formats/yafffile.h"

const std::vector<TFontFormat>& FontFormats() {
    static const std::vector<TFontFormat> formats = {
        // One row a format.
        {"BDF", "BDF fonts", {".bdf"}, false, false, kMaxBDFFileSize, ReadBDF, WriteBDF, {}, {}},
        {"yaff", "yaff fonts", {".yaff"}, false, false, kMaxYaffFileSize, ReadYaff, WriteYaff, {}, {}},
    };
    return formats;
}

namespace {
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
} // namespace

const TFontFormat* FindFontFormat(const std::string& path) {
    const TFontFormat* best = nullptr;
    std::size_t bestLength = 0;
    for (const TFontFormat& format : FontFormats()) {
        for (const std::string& ext : format.Extensions) {
            if (ext.size() > bestLength && EndsWithIgnoringCase(path, ext)) {
                best = &format;
                bestLength = ext.size();
            }
        }
    }
    return best;
}
