// Feeds arbitrary bytes, as a tape, a snapshot or a raw file, to the
// container reading and the font finder: nothing may crash, every find must
// lie inside its area, overlap no other, and read as a font.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "finder/fontfinder.h"
#include "model/font.h"
#include "spectrumcontainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks the name libspectrum goes by.
    static const char* const kNames[] = {"f.tap", "f.tzx", "f.z80", "f.sna", "f.szx", "f.bin"};
    const std::string name = kNames[data[0] % 6];
    const std::vector<std::uint8_t> bytes(data + 1, data + size);
    std::vector<TScanArea> areas;
    if (!ReadSpectrumBytes(bytes, name, areas).empty()) return 0;
    const std::vector<TFoundFont> found = FindFonts(areas);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const TFoundFont& f = found[i];
        if (f.Area >= areas.size() || f.Offset + f.Length > areas[f.Area].Bytes.size())
            std::abort();
        if (i > 0 && found[i - 1].Score < f.Score) std::abort();
        for (std::size_t j = 0; j < i; ++j)
            if (found[j].Area == f.Area && found[j].Offset < f.Offset + f.Length &&
                f.Offset < found[j].Offset + found[j].Length)
                std::abort();
        TFZXFont font;
        if (!ReadFoundFont(font, areas, f).empty()) std::abort();
        // The place of a find leads back to it.
        TFZXFont again;
        if (!ReadFontAtPlace(again, areas, PlaceText(areas[f.Area], f.Offset)).empty())
            std::abort();
    }
    // Any place the user may name is read or refused, never crashes.
    if (!areas.empty() && size > 3) {
        TFZXFont font;
        ReadFontAtPlace(
            font, areas,
            PlaceText(areas[0], (data[1] | data[2] << 8) % (areas[0].Bytes.size() + 1)));
    }
    return 0;
}
