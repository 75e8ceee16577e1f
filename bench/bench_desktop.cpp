// Importing a desktop font through FreeType: DejaVu Sans, an outline face
// holding every Latin-1 character of codes 32 to 255, rendered at 16 pixels
// from its bytes (face opened, character map walked, glyphs rendered and
// placed). Target: within 20 ms. Skipped without fonts-dejavu-core.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desktopfont.h"
#include "formats/fileio.h"
#include "model/font.h"

namespace {

const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

void BM_ImportOutlineFace16(benchmark::State& state) {
    if (!std::filesystem::exists(kDejaVu)) {
        state.SkipWithError("DejaVuSans.ttf not found (package fonts-dejavu-core)");
        return;
    }
    const std::vector<std::uint8_t> bytes = ReadFileBytes(kDejaVu);
    TImportOptions options;
    options.PixelSize = 16;
    for (auto _ : state) {
        TFZXFont font;
        TImportReport report;
        benchmark::DoNotOptimize(ReadDesktopFont(font, bytes, options, report));
    }
}

BENCHMARK(BM_ImportOutlineFace16)->Unit(benchmark::kMillisecond);

} // namespace
