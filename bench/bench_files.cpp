// Reading and writing FZX images in memory (the file system is left out).

#include <benchmark/benchmark.h>

#include "benchfonts.h"

namespace {
void LoadBench(benchmark::State& state, std::unique_ptr<TFZXFont> source) {
    if (!source) {
        state.SkipWithError("shared fonts not found");
        return;
    }
    std::vector<std::uint8_t> image;
    source->BuildFZXImage(image);
    TFZXFont font;
    for (auto _ : state)
        benchmark::DoNotOptimize(font.LoadFZXBytes(image.data(), image.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * image.size()));
}

void SaveBench(benchmark::State& state, std::unique_ptr<TFZXFont> font) {
    if (!font) {
        state.SkipWithError("shared fonts not found");
        return;
    }
    std::vector<std::uint8_t> image;
    for (auto _ : state)
        benchmark::DoNotOptimize(font->BuildFZXImage(image));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * image.size()));
}

void BM_LoadFZX_Typical(benchmark::State& s) {
    LoadBench(s, LoadTypicalFont());
}
void BM_LoadFZX_Largest(benchmark::State& s) {
    LoadBench(s, MakeLargestFzxFont());
}
void BM_SaveFZX_Typical(benchmark::State& s) {
    SaveBench(s, LoadTypicalFont());
}
void BM_SaveFZX_Largest(benchmark::State& s) {
    SaveBench(s, MakeLargestFzxFont());
}
BENCHMARK(BM_LoadFZX_Typical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFZX_Largest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFZX_Typical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFZX_Largest)->Unit(benchmark::kMicrosecond);
} // namespace
