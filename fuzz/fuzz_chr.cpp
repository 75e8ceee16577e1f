// Feeds arbitrary bytes to the CHR/UDG reader; an accepted file must write
// back to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFZXFont font;
    if (!font.LoadCHRBytes(data, size).empty()) return 0;
    std::vector<std::uint8_t> image;
    if (!font.BuildCHRImage(image).empty()) std::abort();
    if (image.size() != size || std::memcmp(image.data(), data, size) != 0) std::abort();
    return 0;
}
