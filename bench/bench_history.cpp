// The history at its limit: recording one more entry and rebuilding a menu.

#include <benchmark/benchmark.h>

#include <string>

#include "model/undolist.h"

namespace {
constexpr int kLimit = 5000;

void FillHistory(Tundolist& list, int groups) {
    const std::string rows(256, '1');
    for (int i = 0; i < kLimit; ++i)
        list.AddEntry(i % 2 ? THistoryKind::Italic : THistoryKind::SelectChar, i % 224,
                      groups ? 1 + i / (kLimit / groups) : 0, rows, 256, 0, 0);
}

void BM_AddEntryAtFullHistory(benchmark::State& state) {
    Tundolist list(kLimit);
    FillHistory(list, 0);
    const std::string rows(256 * 193, '1');
    for (auto _ : state) {
        list.AddEntry(THistoryKind::PixelsChanged, 5, 0, rows, 256, 0, 0);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_AddEntryAtFullHistory);

void BM_FillUndoMenu5000(benchmark::State& state) {
    Tundolist list(kLimit);
    FillHistory(list, static_cast<int>(state.range(0)));
    THistoryMenu menu;
    for (auto _ : state) {
        list.FillUndoMenu(50, menu);
        benchmark::DoNotOptimize(menu.data());
    }
}
BENCHMARK(BM_FillUndoMenu5000)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);
} // namespace
