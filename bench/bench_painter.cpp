// The edit canvas's paint: the largest glyph at zoom 80 into a 1920 x 1080
// raster that shows only part of it, with grid lines.

#include <benchmark/benchmark.h>

#include "benchfonts.h"

namespace {
void PaintBench(benchmark::State& state, std::unique_ptr<TFZXFont> font, int zoom) {
    if (!font) {
        state.SkipWithError("shared fonts not found");
        return;
    }
    TRaster raster(1920, 1080);
    font->DrawSettings().SetOrigin(-40 * zoom, -20 * zoom);
    TFZXChar& glyph = *font->GetCurrent();
    for (auto _ : state)
        benchmark::DoNotOptimize(glyph.Draw(raster, zoom, zoom > 4, false, false, false));
}

void BM_DrawZoom80_Largest(benchmark::State& s) {
    PaintBench(s, MakeLargestFont(), 80);
}
void BM_DrawZoom80_Typical(benchmark::State& s) {
    PaintBench(s, LoadTypicalFont(), 80);
}
BENCHMARK(BM_DrawZoom80_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawZoom80_Typical)->Unit(benchmark::kMillisecond);
} // namespace
