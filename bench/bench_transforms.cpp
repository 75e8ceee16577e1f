// All-glyph commands on the largest case and on a typical font. Each
// iteration starts from a fresh font, built outside the timing.

#include <benchmark/benchmark.h>

#include "benchfonts.h"

namespace {
template <typename Make>
void ApplyAllBench(benchmark::State& state, Make make, TCharOperation code, double factor) {
    for (auto _ : state) {
        state.PauseTiming();
        auto font = make();
        if (!font) {
            state.SkipWithError("shared fonts not found");
            return;
        }
        font->OnGetScaleFactors = [factor](double& w, double& h) {
            w = h = factor;
            return true;
        };
        state.ResumeTiming();
        font->ApplyToAll(code);
        benchmark::DoNotOptimize(font->Count());
        state.PauseTiming();
        font.reset();
        state.ResumeTiming();
    }
}

void BM_BoldAll_Largest(benchmark::State& s) {
    ApplyAllBench(s, MakeLargestFont, coBold, 1);
}
void BM_ItalicAll_Largest(benchmark::State& s) {
    ApplyAllBench(s, MakeLargestFont, coItalic, 1);
}
void BM_ScaleAll_Largest(benchmark::State& s) {
    ApplyAllBench(s, MakeLargestFont, coScale, 0.5);
}
void BM_BoldAll_Typical(benchmark::State& s) {
    ApplyAllBench(s, LoadTypicalFont, coBold, 1);
}
void BM_ItalicAll_Typical(benchmark::State& s) {
    ApplyAllBench(s, LoadTypicalFont, coItalic, 1);
}
void BM_ScaleAll_Typical(benchmark::State& s) {
    ApplyAllBench(s, LoadTypicalFont, coScale, 2);
}
BENCHMARK(BM_BoldAll_Largest)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ItalicAll_Largest)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ScaleAll_Largest)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_BoldAll_Typical)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_ItalicAll_Typical)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_ScaleAll_Typical)->Unit(benchmark::kMillisecond)->Iterations(50);
} // namespace
