// One pointer move of a line stroke: restore the glyph, draw the line, read
// the raster back. This runs for every mouse move while the button is held.

#include <benchmark/benchmark.h>

#include "benchfonts.h"
#include "drawing/drawtools.h"

namespace {
void StrokeBench(benchmark::State& state, std::unique_ptr<TFZXFont> font) {
    if (!font) {
        state.SkipWithError("shared fonts not found");
        return;
    }
    TFZXChar& glyph = *font->GetCurrent();
    const int right = glyph.Width() - 1, bottom = font->Height() - 1;
    const TRaster clipboard;
    TToolStroke stroke(*font, clipboard);
    TToolOptions options;
    options.Tool = dtLine;
    stroke.Press(options, TMouseButton::Left, 0, 0);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        stroke.Move(options, flip ? right : right / 2, flip ? bottom : bottom / 3);
    }
    stroke.Release(options);
}

void BM_LineStrokeMove_Largest(benchmark::State& s) {
    StrokeBench(s, MakeLargestFont());
}
void BM_LineStrokeMove_Typical(benchmark::State& s) {
    StrokeBench(s, LoadTypicalFont());
}
BENCHMARK(BM_LineStrokeMove_Largest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineStrokeMove_Typical)->Unit(benchmark::kMicrosecond);
} // namespace
