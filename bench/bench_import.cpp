// Importing text font formats: a 256-character BDF of 8 x 16 glyphs, as X11
// console-style fonts come (codes below 32 are read and skipped), and the
// same font as yaff. Target: within 5 ms each.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "formats/bdffile.h"
#include "formats/yafffile.h"
#include "model/font.h"

namespace {

std::vector<std::uint8_t> MakeBDF() {
    std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 16 0 -4\nSTARTPROPERTIES 2\n"
                       "FONT_ASCENT 12\nFONT_DESCENT 4\nENDPROPERTIES\nCHARS 256\n";
    char line[64];
    for (int code = 0; code < 256; ++code) {
        std::snprintf(line, sizeof line, "STARTCHAR c%d\nENCODING %d\n", code, code);
        text += line;
        text += "SWIDTH 500 0\nDWIDTH 8 0\nBBX 8 16 0 -4\nBITMAP\n";
        for (int row = 0; row < 16; ++row) {
            std::snprintf(line, sizeof line, "%02X\n", (code * 37 + row * 11) & 0x7E);
            text += line;
        }
        text += "ENDCHAR\n";
    }
    text += "ENDFONT\n";
    return {text.begin(), text.end()};
}

void BM_ImportBDF256(benchmark::State& state) {
    const std::vector<std::uint8_t> bdf = MakeBDF();
    for (auto _ : state) {
        TFZXFont font;
        TImportReport report;
        benchmark::DoNotOptimize(ReadBDF(font, bdf, TImportOptions(), report));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bdf.size()));
}

void BM_ImportYaff256(benchmark::State& state) {
    TFZXFont source;
    TImportReport report;
    ReadBDF(source, MakeBDF(), TImportOptions(), report);
    std::vector<std::uint8_t> yaff;
    WriteYaff(source, TExportOptions(), yaff);
    for (auto _ : state) {
        TFZXFont font;
        TImportReport again;
        benchmark::DoNotOptimize(ReadYaff(font, yaff, TImportOptions(), again));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * yaff.size()));
}

BENCHMARK(BM_ImportBDF256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportYaff256)->Unit(benchmark::kMillisecond);

} // namespace
