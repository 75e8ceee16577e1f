// Cost of Quorrel's Z80 print routine in T-states, counted by an emulated
// Z80 (libz80ex): a line of 32 characters of ordinary text, and a full
// screen of it. The host time Google Benchmark reports is the emulator's;
// the counters are the Spectrum's.

#include <benchmark/benchmark.h>

#include <string>

#include "formatfiles.h"
#include "model/font.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumprogram.h"
#include "z80machine.h"

namespace {

constexpr double kFrame = 69888; // T-states of one 48K frame

const char* const kLine = "The quick brown fox jumps over t"; // 32 characters

void PrintCost(benchmark::State& state, const char* font, const std::string& text) {
    TFZXFont f;
    const std::string path = std::string(QUORREL_SHARED_DIR) + "/fonts/fzx/" + font;
    TImportReport report;
    if (!LoadFontFile(f, path, TImportOptions(), report).empty()) {
        state.SkipWithError("shared font collection not found");
        return;
    }
    TSpectrumOptions o;
    o.Text = text;
    TSpectrumProgram program;
    if (!BuildSpectrumProgram(f, o, program).empty()) {
        state.SkipWithError("no program");
        return;
    }
    z80test::TZ80Machine machine;
    machine.Load(program.Org, program.Image());
    long long tstates = 0;
    for (auto _ : state) {
        machine.Call(program.Org + kRoutinePrint, program.TextAddress(), program.FontAddress(), 0);
        tstates = machine.Tstates;
    }
    const double chars = static_cast<double>(text.size());
    state.counters["tstates"] = static_cast<double>(tstates);
    state.counters["per_char"] = static_cast<double>(tstates) / chars;
    state.counters["frames"] = static_cast<double>(tstates) / kFrame;
    state.counters["height"] = f.Height();
}

std::string Screenful() {
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += kLine;
    return text;
}

} // namespace

// 8 pixels high: the target is a line within one frame (frames < 1).
BENCHMARK_CAPTURE(PrintCost, Line_Chloe8, "ao/Chloe/Chloe.fzx", kLine);
BENCHMARK_CAPTURE(PrintCost, Line_Prefect8, "ao/Prefect/Prefect.fzx", kLine);
BENCHMARK_CAPTURE(PrintCost, Line_GenevaMonoRoman8, "ao/GenevaMono/GenevaMonoRoman.fzx", kLine);
BENCHMARK_CAPTURE(PrintCost, Line_Cheveron11, "ao/Cheveron/Cheveron.fzx", kLine);
BENCHMARK_CAPTURE(PrintCost, Screen_Chloe8, "ao/Chloe/Chloe.fzx", Screenful());
