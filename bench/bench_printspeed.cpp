// T-states per character of Quorrel's print routines beside the standard
// FZX driver of 2013, in an emulated Z80 (libz80ex), uncontended: the font
// as Quorrel writes it at 0x9000, the routine at 0x8000, the text at 0xC000
// (lines of "The quick brown fox jumps over the lazy dog." joined by code
// 13, ending in 0), per character = (T(text) - T(empty text)) / characters
// of the pangrams (the codes 13 between them are not counted). Counters:
// per_char, reference (the standard driver's figure), ratio = per_char /
// reference (goals: at most 0.85 for the fast routine, 1.1 for the compact
// one) and print_bytes, the routine without its start-up. EdgeCut: the
// T-states of the pangram at x = 250 in Klausjahn, where every line's first
// character is cut by the right edge (goal: the fast routine at most the
// compact one's). Channel/... measures the same text sent through the
// PRINT # channel code by code.

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "formatfiles.h"
#include "model/font.h"
#include "spectrum/printroutine.h"
#include "z80machine.h"

namespace {

constexpr unsigned kRoutineAt = 0x8000;
constexpr unsigned kFontAt = 0x9000;
constexpr unsigned kTextAt = 0xC000;
const std::string kSentence = "The quick brown fox jumps over the lazy dog.";

// The routine's T-states for text, or -1 when it did not return. Words sets
// the fast routine's word wrap.
long long Cost(const std::vector<std::uint8_t>& routine, const std::vector<std::uint8_t>& font,
               const std::string& text, bool words = false, unsigned at = 0) {
    z80test::TZ80Machine machine;
    machine.Load(kRoutineAt, routine);
    if (words) machine.Memory[kRoutineAt + kParamWrap] = 1;
    machine.Load(kFontAt, font);
    std::vector<std::uint8_t> codes(text.begin(), text.end());
    codes.push_back(0);
    machine.Load(kTextAt, codes);
    if (!machine.Call(kRoutineAt + kRoutinePrint, kTextAt, kFontAt, at)) return -1;
    return machine.Tstates;
}

// The FZX image of a collection font; false (the benchmark skipped) without it.
bool LoadImage(benchmark::State& state, const char* font, std::vector<std::uint8_t>& image) {
    TFZXFont f;
    TImportReport report;
    if (!LoadFontFile(f, std::string(QUORREL_SHARED_DIR) + "/fonts/" + font, TImportOptions(),
                      report)
             .empty()) {
        state.SkipWithError("shared font collection not found");
        return false;
    }
    if (!f.BuildFZXImage(image).empty()) {
        state.SkipWithError("the font cannot be written as FZX");
        return false;
    }
    return true;
}

void PerChar(benchmark::State& state, TPrintRoutine kind, const char* font, int lines,
             double reference) {
    std::vector<std::uint8_t> image;
    if (!LoadImage(state, font, image)) return;
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += (i > 0 ? "\r" : "") + kSentence;
    const std::vector<std::uint8_t> routine = PrintRoutineAt(kRoutineAt, kind);
    double perChar = 0;
    for (auto _ : state) {
        const long long full = Cost(routine, image, text);
        const long long empty = Cost(routine, image, "");
        if (full < 0 || empty < 0) {
            state.SkipWithError("the routine did not return");
            return;
        }
        perChar = static_cast<double>(full - empty) / static_cast<double>(kSentence.size() * lines);
    }
    state.counters["per_char"] = perChar;
    state.counters["reference"] = reference;
    state.counters["ratio"] = perChar / reference;
    // The start-up in front is only for tapes and snapshots: the print code
    // starts where the jump at the print entry goes.
    const std::vector<std::uint8_t> at0 = PrintRoutineAt(0, kind);
    const unsigned print = at0[kRoutinePrint + 1] | (at0[kRoutinePrint + 2] << 8);
    state.counters["print_bytes"] = static_cast<double>(at0.size() - print);
}

// The fast routine's PRINT # channel: each code of the same text sent as
// RST 16 sends it (A = the code, a CALL to the channel's output routine, the
// ROM's dispatch to it left out), after fzx_install with MAKE-ROOM stubbed
// by a RET. Counters as PerChar's; channel_extra is per_char minus the fast
// routine's own per_char for the whole text at once.
void ChannelPerChar(benchmark::State& state, const char* font, int lines, double reference) {
    std::vector<std::uint8_t> image;
    if (!LoadImage(state, font, image)) return;
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += (i > 0 ? "\r" : "") + kSentence;
    const std::vector<std::uint8_t> routine = PrintRoutineAt(kRoutineAt, TPrintRoutine::Fast);
    double perChar = 0;
    for (auto _ : state) {
        z80test::TZ80Machine m;
        m.Load(kRoutineAt, routine);
        m.Load(kFontAt, image);
        m.Load(kRoutineAt + kParamFont, {kFontAt & 0xFF, kFontAt >> 8});
        m.Load(23631, {0xB6, 0x5C}); // CHANS and PROG of a 48K machine
        m.Load(23635, {0xCB, 0x5C});
        m.Memory[0x1655] = 0xC9; // MAKE-ROOM
        if (!m.Call(kRoutineAt + kRoutineInstall, 0, 0, 0)) {
            state.SkipWithError("fzx_install did not return");
            return;
        }
        const auto word = [&m](unsigned at) { return m.Memory[at] | (m.Memory[at + 1] << 8); };
        const unsigned record = (0x5CB6 + word(23574 + 2 * 4) - 1) & 0xFFFF;
        const unsigned output = word(record);
        std::vector<std::uint8_t> sends; // LD A,code: CALL output ... RET
        for (const char ch : text)
            sends.insert(sends.end(), {0x3E, static_cast<std::uint8_t>(ch), 0xCD,
                                       static_cast<std::uint8_t>(output & 0xFF),
                                       static_cast<std::uint8_t>(output >> 8)});
        sends.push_back(0xC9);
        m.Load(kTextAt, sends);
        if (!m.Call(kTextAt, 0, 0, 0)) {
            state.SkipWithError("the channel did not return");
            return;
        }
        perChar = static_cast<double>(m.Tstates) / static_cast<double>(kSentence.size() * lines);
    }
    const long long full = Cost(routine, image, text);
    const long long empty = Cost(routine, image, "");
    state.counters["per_char"] = perChar;
    state.counters["reference"] = reference;
    state.counters["ratio"] = perChar / reference;
    state.counters["channel_extra"] =
        perChar - static_cast<double>(full - empty) / static_cast<double>(kSentence.size() * lines);
}

// Word wrap looks ahead at every word: a line of 32 characters of an
// 8-pixel font must still take less than one frame (frames < 1).
void WordWrapLine(benchmark::State& state) {
    std::vector<std::uint8_t> image;
    if (!LoadImage(state, "fzx/ao/Chloe/Chloe.fzx", image)) return;
    const std::vector<std::uint8_t> routine = PrintRoutineAt(kRoutineAt, TPrintRoutine::Fast);
    long long tstates = 0;
    for (auto _ : state)
        tstates = Cost(routine, image, "The quick brown fox jumps over t", true);
    state.counters["per_char"] = static_cast<double>(tstates) / 32;
    state.counters["frames"] = static_cast<double>(tstates) / 69888;
}

// Every line's first character cut by the right edge.
void EdgeCut(benchmark::State& state, TPrintRoutine kind) {
    std::vector<std::uint8_t> image;
    if (!LoadImage(state, "fzx/ao/Klausjahn/Klausjahn.fzx", image)) return;
    const std::vector<std::uint8_t> routine = PrintRoutineAt(kRoutineAt, kind);
    long long tstates = 0;
    for (auto _ : state)
        tstates = Cost(routine, image, kSentence, false, 250);
    state.counters["tstates"] = static_cast<double>(tstates);
}

} // namespace

BENCHMARK(WordWrapLine);
BENCHMARK_CAPTURE(EdgeCut, Fast, TPrintRoutine::Fast);
BENCHMARK_CAPTURE(EdgeCut, Compact, TPrintRoutine::Compact);

namespace {

// The six measured fonts with the standard driver's T-states per character
// and how many pangram lines each text holds.
struct TMeasuredFont {
    const char* Name;
    const char* Path;
    int Lines;
    double Reference;
};
const TMeasuredFont kFonts[] = {
    {"Chloe", "fzx/ao/Chloe/Chloe.fzx", 4, 2264},
    {"TorpedoChr", "chr/Torpedo.chr", 3, 1827},
    {"Sabon", "fzx/ao/Sabon/Sabon.fzx", 2, 3739},
    {"Klausjahn", "fzx/ao/Klausjahn/Klausjahn.fzx", 2, 3655},
    {"Grotesk", "fzx/ao/Grotesk/Grotesk.fzx", 1, 5301},
    {"SpecDings", "fzx/ao/SpecDings/SpecDings.fzx", 1, 3530},
};

// PerChar/Fast_Chloe ... PerChar/Compact_SpecDings: every routine on every
// font; Channel/Fast_Chloe ...: the fast routine through its channel.
[[maybe_unused]] const bool kPerCharRegistered = [] {
    const std::pair<TPrintRoutine, const char*> routines[] = {{TPrintRoutine::Fast, "Fast"},
                                                              {TPrintRoutine::Compact, "Compact"}};
    for (const auto& [kind, kindName] : routines)
        for (const TMeasuredFont& font : kFonts)
            benchmark::RegisterBenchmark(
                (std::string("PerChar/") + kindName + "_" + font.Name).c_str(), PerChar, kind,
                font.Path, font.Lines, font.Reference)
                ->Iterations(1);
    for (const TMeasuredFont& font : kFonts)
        benchmark::RegisterBenchmark((std::string("Channel/Fast_") + font.Name).c_str(),
                                     ChannelPerChar, font.Path, font.Lines, font.Reference)
            ->Iterations(1);
    return true;
}();

} // namespace
