// Feeds arbitrary bytes to the desktop font reader (FreeType) at no size, an
// outline size and a size no font has: it must fail with a message or give a
// font whose characters all fit the editor.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "desktopfont.h"
#include "model/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (const int pixels : {0, 12, kMaxPixelSize}) {
        TImportOptions options;
        if (pixels > 0) options.PixelSize = pixels;
        TFZXFont font;
        TImportReport report;
        if (!ReadDesktopFont(font, bytes, options, report).empty()) continue;
        if (font.LastChar() < 32 || font.LastChar() > 255) std::abort();
        for (int i = 0; i < font.Count(); ++i)
            if (font.Glyph(i).Width() < 1 || font.Glyph(i).Width() > 256) std::abort();
    }
    return 0;
}
