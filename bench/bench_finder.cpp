// Looking into Spectrum snapshots for fonts: reading the file through
// libspectrum and scanning every byte, for a 48K and a 128K snapshot of
// made-up code with a set and an FZX font among it. Aim: 50 ms and 150 ms.

#include <benchmark/benchmark.h>

#include "finder/fontfinder.h"
#include "madeupspectrum.h"
#include "model/font.h"
#include "spectrumcontainer.h"

namespace {

using testdata::TBytes;

TBytes WithFonts(TBytes memory) {
    const TBytes set = testdata::MadeUpSet();
    std::copy(set.begin(), set.end(), memory.begin() + 0x3001);
    TFZXFont font;
    font.LoadCHRBytes(set.data(), set.size());
    TBytes fzx;
    font.BuildFZXImage(fzx);
    std::copy(fzx.begin(), fzx.end(), memory.begin() + 0x7777);
    return memory;
}

void Scan(benchmark::State& state, const TBytes& file, const char* name) {
    std::size_t finds = 0, bytes = 0;
    for (auto _ : state) {
        std::vector<TScanArea> areas;
        if (!ReadSpectrumBytes(file, name, areas).empty()) {
            state.SkipWithError("snapshot not read");
            return;
        }
        finds = FindFonts(areas).size();
        bytes = 0;
        for (const TScanArea& area : areas)
            bytes += area.Bytes.size();
        benchmark::DoNotOptimize(finds);
    }
    state.counters["finds"] = static_cast<double>(finds);
    state.counters["scanned"] = static_cast<double>(bytes);
}

void BM_FindFonts_48K(benchmark::State& state) {
    static const TBytes z80 = testdata::Snapshot48(WithFonts(testdata::MadeUpCode(0xC000, 1)));
    Scan(state, z80, "bench.z80");
}

void BM_FindFonts_128K(benchmark::State& state) {
    std::vector<TBytes> pages;
    for (unsigned page = 0; page < 8; ++page)
        pages.push_back(testdata::MadeUpCode(0x4000, page + 1));
    pages[3] = WithFonts(testdata::MadeUpCode(0xC000, 9));
    pages[3].resize(0x4000);
    static const TBytes sna = testdata::Snapshot128(pages);
    Scan(state, sna, "bench.sna");
}

BENCHMARK(BM_FindFonts_48K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFonts_128K)->Unit(benchmark::kMillisecond);

} // namespace
