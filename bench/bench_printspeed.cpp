// The print routine beside the standard FZX driver of 2013, per character of
// a pangram, in uncontended T-states counted by an emulated Z80 (libz80ex):
// the font as Quorrel writes it at 0x9000, the routine at 0x8000, the text at
// 0xC000 (lines joined by code 13, 0 at the end), and
// per_char = (T(text) - T(empty text)) / characters of the pangrams.
// `reference` is the standard driver on the same text; `ratio` ours to it.

#include <benchmark/benchmark.h>

#include <string>

#include "formatfiles.h"
#include "model/font.h"
#include "spectrum/printroutine.h"
#include "z80machine.h"

namespace {

const char* const kPangram = "The quick brown fox jumps over the lazy dog.";

long long PrintTime(const std::vector<std::uint8_t>& font, const std::string& text,
                    bool words = false) {
    z80test::TZ80Machine machine;
    machine.Load(0x8000, PrintRoutineAt(0x8000));
    machine.Memory[0x8000 + kParamWrap] = words ? 1 : 0;
    machine.Load(0x9000, font);
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    machine.Load(0xC000, bytes);
    machine.Call(0x8000 + kRoutinePrint, 0xC000, 0x9000, 0);
    return machine.Tstates;
}

void PerCharacter(benchmark::State& state, const char* path, int repeats, double reference) {
    TFZXFont font;
    TImportReport report;
    if (!LoadFontFile(font, std::string(QUORREL_SHARED_DIR) + "/fonts/" + path, TImportOptions(),
                      report)
             .empty()) {
        state.SkipWithError("shared font collection not found");
        return;
    }
    std::vector<std::uint8_t> image;
    font.BuildFZXImage(image);
    std::string text;
    for (int i = 0; i < repeats; ++i)
        text += (i > 0 ? "\r" : "") + std::string(kPangram);
    long long tstates = 0;
    for (auto _ : state)
        tstates = PrintTime(image, text) - PrintTime(image, "");
    // Characters of the pangrams; the codes 13 between them are not counted.
    const double characters = static_cast<double>(repeats) * std::string(kPangram).size();
    const double perChar = static_cast<double>(tstates) / characters;
    state.counters["per_char"] = perChar;
    state.counters["reference"] = reference;
    state.counters["ratio"] = perChar / reference;
}

// Word wrap looks ahead at every word: a line of 32 characters of an
// 8-pixel font must still take less than one frame (frames < 1).
void WordWrapLine(benchmark::State& state) {
    TFZXFont font;
    TImportReport report;
    if (!LoadFontFile(font, std::string(QUORREL_SHARED_DIR) + "/fonts/fzx/ao/Chloe/Chloe.fzx",
                      TImportOptions(), report)
             .empty()) {
        state.SkipWithError("shared font collection not found");
        return;
    }
    std::vector<std::uint8_t> image;
    font.BuildFZXImage(image);
    const std::string line = "The quick brown fox jumps over t";
    long long tstates = 0;
    for (auto _ : state)
        tstates = PrintTime(image, line, true);
    state.counters["per_char"] = static_cast<double>(tstates) / 32;
    state.counters["frames"] = static_cast<double>(tstates) / 69888;
}

} // namespace

BENCHMARK(WordWrapLine);

BENCHMARK_CAPTURE(PerCharacter, Chloe, "fzx/ao/Chloe/Chloe.fzx", 4, 2264);
BENCHMARK_CAPTURE(PerCharacter, Torpedo, "chr/Torpedo.chr", 3, 1827);
BENCHMARK_CAPTURE(PerCharacter, Sabon, "fzx/ao/Sabon/Sabon.fzx", 2, 3739);
BENCHMARK_CAPTURE(PerCharacter, Klausjahn, "fzx/ao/Klausjahn/Klausjahn.fzx", 2, 3655);
BENCHMARK_CAPTURE(PerCharacter, Grotesk, "fzx/ao/Grotesk/Grotesk.fzx", 1, 5301);
BENCHMARK_CAPTURE(PerCharacter, SpecDings, "fzx/ao/SpecDings/SpecDings.fzx", 1, 3530);
