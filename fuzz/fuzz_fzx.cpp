// Feeds arbitrary bytes to the FZX reader; whatever it accepts must also be
// writable and read back to the same glyphs.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFZXFont font;
    int notifications = 0;
    font.OnChange = [&](TFZXFont&) { ++notifications; };
    if (!font.LoadFZXBytes(data, size).empty()) return 0;

    std::vector<std::uint8_t> image;
    if (!font.BuildFZXImage(image).empty()) return 0;
    if (static_cast<int>(image.size()) != font.FZXFileSize()) std::abort();

    TFZXFont again;
    if (!again.LoadFZXBytes(image.data(), image.size()).empty()) std::abort();
    if (again.Count() != font.Count()) std::abort();
    for (int i = 0; i < font.Count(); ++i) {
        const TFZXChar &a = font.Glyph(i), &b = again.Glyph(i);
        if (a.Rows() != b.Rows() || a.Width() != b.Width() || a.Leading() != b.Leading() ||
            a.Kern() != b.Kern())
            std::abort();
    }
    return 0;
}
