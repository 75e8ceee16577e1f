// The print routine's BASIC entry, run by a real BASIC: the OpenSE BASIC ROM
// in an emulated Z80 runs a program that POKEs the parameters, calls the
// routine with RANDOMIZE USR and prints a word of its own after the return.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "formats/fileio.h"
#include "model/font.h"
#include "render/textlayout.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumprogram.h"
#include "spectrumfonts.h"
#include "z80machine.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

const char* const kRom = "/usr/share/spectrum-roms/opense.rom";

enum : std::uint8_t {
    kAt = 0xAC,
    kUsr = 0xC0,
    kPoke = 0xF4,
    kPrint = 0xF5,
    kRun = 0xF7,
    kRandomize = 0xF9
};

// A number as BASIC stores it in a line: its digits, then the hidden form.
void AddNumber(TBytes& line, unsigned value) {
    for (const char ch : std::to_string(value))
        line.push_back(static_cast<std::uint8_t>(ch));
    line.insert(line.end(), {0x0E, 0, 0, static_cast<std::uint8_t>(value & 0xFF),
                             static_cast<std::uint8_t>(value >> 8), 0});
}

void AddLine(TBytes& program, unsigned number, const TBytes& body) {
    program.push_back(static_cast<std::uint8_t>(number >> 8));
    program.push_back(static_cast<std::uint8_t>(number & 0xFF));
    program.push_back(static_cast<std::uint8_t>((body.size() + 1) & 0xFF));
    program.push_back(static_cast<std::uint8_t>((body.size() + 1) >> 8));
    program.insert(program.end(), body.begin(), body.end());
    program.push_back(0x0D);
}

// POKE address,value: POKE ... for each byte.
TBytes Pokes(const std::vector<std::pair<unsigned, unsigned>>& pokes) {
    TBytes body;
    for (const auto& [address, value] : pokes) {
        if (!body.empty()) body.push_back(':');
        body.push_back(kPoke);
        AddNumber(body, address);
        body.push_back(',');
        AddNumber(body, value);
    }
    return body;
}

unsigned Peek16(const z80test::TZ80Machine& m, unsigned at) {
    return m.Memory[at] | (m.Memory[at + 1] << 8);
}
void Poke16(z80test::TZ80Machine& m, unsigned at, unsigned value) {
    m.Memory[at] = static_cast<std::uint8_t>(value & 0xFF);
    m.Memory[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

TEST(SpectrumBasic, AProgramPokesCallsAndGoesOnAfterTheReturn) {
    if (!std::filesystem::exists(kRom)) GTEST_SKIP() << kRom << " missing (opense-basic)";
    TFZXFont font;
    spectrumtest::MakeFont(font, 8, 1, 127, 8, 12);
    TSpectrumOptions o;
    o.Text = "Called from BASIC";
    o.X = 13;
    o.Y = 21;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
    // The parameters as BASIC leaves them after the start-up was used: zero.
    const unsigned org = program.Org;
    for (int at = kParamText; at <= kParamY; ++at)
        program.Routine[static_cast<std::size_t>(at)] = 0;

    z80test::TZ80Machine m;
    m.Load(0, ReadFileBytes(kRom));
    m.RomLocked = true;
    m.Reset();
    m.RunFrames(150); // the ROM starts up, clears the memory and waits for a key
    m.Load(org, program.Image());

    // 10 POKE the text and font addresses, left edge and top
    // 20 RANDOMIZE USR the BASIC entry
    // 30 PRINT AT 21,0;"BASIC"
    TBytes basic;
    AddLine(basic, 10,
            Pokes({{org + kParamText, program.TextAddress() & 0xFF},
                   {org + kParamText + 1, program.TextAddress() >> 8},
                   {org + kParamFont, program.FontAddress() & 0xFF},
                   {org + kParamFont + 1, program.FontAddress() >> 8},
                   {org + kParamX, 13},
                   {org + kParamY, 21}}));
    TBytes call{kRandomize, kUsr};
    AddNumber(call, org + kRoutineBasic);
    AddLine(basic, 20, call);
    TBytes print{kPrint, kAt};
    AddNumber(print, 21);
    print.push_back(',');
    AddNumber(print, 0);
    for (const char ch : std::string(";\"BASIC\""))
        print.push_back(static_cast<std::uint8_t>(ch));
    AddLine(basic, 30, print);

    // The program goes where PROG points, the edit line holds RUN.
    const unsigned prog = Peek16(m, 23635);
    m.Load(prog, basic);
    const unsigned vars = prog + static_cast<unsigned>(basic.size());
    m.Memory[vars] = 0x80;
    const unsigned eline = vars + 1;
    m.Load(eline, {kRun, 0x0D, 0x80});
    Poke16(m, 23627, vars);
    Poke16(m, 23641, eline);
    Poke16(m, 23643, eline + 1);                           // K_CUR
    for (const unsigned sysvar : {23649u, 23651u, 23653u}) // WORKSP, STKBOT, STKEND
        Poke16(m, sysvar, eline + 3);
    m.Keys[6] = 1; // ENTER
    m.RunFrames(5);
    m.Keys[6] = 0;
    m.RunFrames(100);

    // The routine's text as render sets it, above the word BASIC printed.
    TRaster expected(256, 192, clWhite);
    TTextFrame frame;
    frame.Left = 13;
    frame.Top = 21;
    PaintText(font, expected, LayOutText(font, o.Text, frame), 1);
    const TRaster screen = m.Screen();
    int differ = 0;
    for (int y = 0; y < 168; ++y)
        for (int x = 0; x < 256; ++x)
            differ += (screen.Pixel(x, y) == clBlack) != (expected.Pixel(x, y) != clWhite);
    EXPECT_EQ(differ, 0) << "pixels of the text differ from render";
    int ink = 0;
    for (int y = 168; y < 176; ++y)
        for (int x = 0; x < 40; ++x)
            ink += screen.Pixel(x, y) == clBlack;
    EXPECT_GT(ink, 20) << "BASIC printed nothing after the routine returned";
}

} // namespace
