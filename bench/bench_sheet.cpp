// Importing a picture sheet of 16 x 16 cells of 8 x 8 pixels (codes 32 to
// 255 and 32 cells beyond), from the decoded picture and from the PNG file's
// bytes. Target: within 5 ms.

#include <benchmark/benchmark.h>

#include <vector>

#include "formats/sheet.h"
#include "model/font.h"
#include "pngcodec.h"

namespace {

TRaster MakeSheet() {
    TRaster picture(128, 128, clWhite);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if ((x * 7 + y * 13 + x * y) % 5 == 0) picture.SetPixel(x, y, clBlack);
    return picture;
}

void BM_ImportSheet16x16(benchmark::State& state) {
    const TRaster picture = MakeSheet();
    TImportOptions options;
    options.FitWidth = state.range(0) != 0;
    for (auto _ : state) {
        TFZXFont font;
        TImportReport report;
        benchmark::DoNotOptimize(ReadSheet(font, picture, options, report));
    }
}

void BM_ImportSheetPNG16x16(benchmark::State& state) {
    std::vector<std::uint8_t> png;
    EncodePNG(MakeSheet(), png);
    for (auto _ : state) {
        TRaster picture;
        DecodePNG(png, picture);
        TFZXFont font;
        TImportReport report;
        benchmark::DoNotOptimize(ReadSheet(font, picture, TImportOptions(), report));
    }
}

BENCHMARK(BM_ImportSheet16x16)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportSheetPNG16x16)->Unit(benchmark::kMillisecond);

} // namespace
