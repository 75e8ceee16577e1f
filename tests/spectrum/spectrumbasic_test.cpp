// The print routine from BASIC, run by a real BASIC: the OpenSE BASIC ROM in
// an emulated Z80 runs programs that call the routine's BASIC entry, print
// through its channel with PRINT #, and the tape's own program, LOADed from
// the tape and RUN again; BASIC goes on printing afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>

#include "formats/fileio.h"
#include "model/font.h"
#include "render/textlayout.h"
#include "spectrum/basicloader.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumfiles.h"
#include "spectrum/spectrumprogram.h"
#include "spectrumfonts.h"
#include "z80machine.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

const char* const kRom = "/usr/share/spectrum-roms/opense.rom";

enum : std::uint8_t {
    kAt = 0xAC,
    kChr = 0xC2,
    kUsr = 0xC0,
    kLoad = 0xEF,
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

void AddString(TBytes& line, const std::string& text) {
    line.push_back('"');
    line.insert(line.end(), text.begin(), text.end());
    line.push_back('"');
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

// A 48K Spectrum with the OpenSE BASIC ROM, started up and waiting for a key.
void StartBasic(z80test::TZ80Machine& m) {
    m.Load(0, ReadFileBytes(kRom));
    m.RomLocked = true;
    m.Reset();
    m.RunFrames(150); // the ROM starts up, clears the memory and waits for a key
}

// Puts program where PROG points and the command line (tokens, ending in
// 0x0D) in the edit line, presses ENTER and runs for frames.
void Enter(z80test::TZ80Machine& m, const TBytes& program, const TBytes& command, int frames) {
    const unsigned prog = Peek16(m, 23635);
    m.Load(prog, program);
    const unsigned vars = prog + static_cast<unsigned>(program.size());
    m.Memory[vars] = 0x80;
    const unsigned eline = vars + 1;
    TBytes line = command;
    line.push_back(0x80);
    m.Load(eline, line);
    Poke16(m, 23627, vars);
    Poke16(m, 23641, eline);
    Poke16(m, 23643, eline + static_cast<unsigned>(command.size()) - 1); // K_CUR
    for (const unsigned sysvar : {23649u, 23651u, 23653u})               // WORKSP, STKBOT, STKEND
        Poke16(m, sysvar, eline + static_cast<unsigned>(line.size()));
    m.Keys[6] = 1; // ENTER
    m.RunFrames(5);
    m.Keys[6] = 0;
    m.RunFrames(frames);
}

// Rows [0, rows) of the screen against render's picture of text set from x, y.
int PixelsDifferingFromRender(const z80test::TZ80Machine& m, TFZXFont& font,
                              const std::string& text, int x, int y, int rows,
                              TWrapMode wrap = TWrapMode::Characters) {
    TRaster expected(256, 192, clWhite);
    TTextFrame frame;
    frame.Left = x;
    frame.Top = y;
    frame.Wrap = wrap;
    PaintText(font, expected, LayOutText(font, text, frame), 1);
    const TRaster screen = m.Screen();
    int differ = 0;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 256; ++column)
            differ +=
                (screen.Pixel(column, row) == clBlack) != (expected.Pixel(column, row) != clWhite);
    return differ;
}

// Ink in the first five character cells of text line 21, where BASIC prints.
int InkOnLine21(const z80test::TZ80Machine& m) {
    const TRaster screen = m.Screen();
    int ink = 0;
    for (int y = 168; y < 176; ++y)
        for (int x = 0; x < 40; ++x)
            ink += screen.Pixel(x, y) == clBlack;
    return ink;
}

TBytes PrintAt21(const char* word) {
    TBytes print{kPrint, kAt};
    AddNumber(print, 21);
    print.push_back(',');
    AddNumber(print, 0);
    print.push_back(';');
    AddString(print, word);
    return print;
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
    StartBasic(m);
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
    AddLine(basic, 30, PrintAt21("BASIC"));
    Enter(m, basic, {kRun, 0x0D}, 100);

    // The routine's text as render sets it, above the word BASIC printed.
    EXPECT_EQ(PixelsDifferingFromRender(m, font, o.Text, 13, 21, 168), 0)
        << "pixels of the text differ from render";
    EXPECT_GT(InkOnLine21(m), 20) << "BASIC printed nothing after the routine returned";
}

// The channel as a BASIC programmer uses it, on stream 7 by the POKE:
//   10 POKE the font address: POKE the stream: RANDOMIZE USR install
//   20 PRINT #7;AT 30,12;"Two strings";
//   30 PRINT #7;" in a row"
//   40 PRINT #7;"line";CHR$ 13;"break"
//   50 PRINT #7;-1234
//   60 PRINT AT 21,0;"BASIC"
TEST(SpectrumBasic, PrintToTheChannelSetsTextAsRenderDoes) {
    if (!std::filesystem::exists(kRom)) GTEST_SKIP() << kRom << " missing (opense-basic)";
    TFZXFont font;
    spectrumtest::MakeFont(font, 9, 1, 127, 12, 5);
    TSpectrumOptions o;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
    const unsigned org = program.Org;
    for (int at = kParamText; at <= kParamY; ++at) // as after other uses: no font set
        program.Routine[static_cast<std::size_t>(at)] = 0;

    z80test::TZ80Machine m;
    StartBasic(m);
    m.Load(org, program.Image());
    TBytes basic;
    TBytes install = Pokes({{org + kParamFont, program.FontAddress() & 0xFF},
                            {org + kParamFont + 1, program.FontAddress() >> 8},
                            {org + kParamStream, 7}});
    install.insert(install.end(), {':', kRandomize, kUsr});
    AddNumber(install, org + kRoutineInstall);
    AddLine(basic, 10, install);
    auto print = [](const std::function<void(TBytes&)>& items) {
        TBytes line{kPrint, '#'};
        AddNumber(line, 7);
        line.push_back(';');
        items(line);
        return line;
    };
    AddLine(basic, 20, print([](TBytes& l) {
                l.push_back(kAt);
                AddNumber(l, 30);
                l.push_back(',');
                AddNumber(l, 12);
                l.push_back(';');
                AddString(l, "Two strings");
                l.push_back(';');
            }));
    AddLine(basic, 30, print([](TBytes& l) { AddString(l, " in a row"); }));
    AddLine(basic, 40, print([](TBytes& l) {
                AddString(l, "line");
                l.insert(l.end(), {';', kChr});
                AddNumber(l, 13);
                l.push_back(';');
                AddString(l, "break");
            }));
    AddLine(basic, 50, print([](TBytes& l) {
                l.push_back('-');
                AddNumber(l, 1234);
            }));
    AddLine(basic, 60, PrintAt21("BASIC"));
    Enter(m, basic, {kRun, 0x0D}, 100);

    EXPECT_EQ(
        PixelsDifferingFromRender(m, font, "Two strings in a row\rline\rbreak\r-1234", 12, 30, 168),
        0)
        << "the channel's text differs from render's";
    EXPECT_GT(InkOnLine21(m), 20) << "BASIC printed nothing on its own screen afterwards";
}

// The blocks of a .tap file: flag, data and checksum each.
std::vector<TBytes> TapeBlocks(const TBytes& tap) {
    std::vector<TBytes> blocks;
    for (std::size_t at = 0; at + 2 <= tap.size();) {
        const std::size_t length = tap[at] | (tap[at + 1] << 8);
        blocks.emplace_back(tap.begin() + static_cast<long>(at + 2),
                            tap.begin() + static_cast<long>(at + 2 + length));
        at += 2 + length;
    }
    return blocks;
}

// LOAD "" as a user types it: the program starts itself, loads the routine
// and the font, and shows the text in its colours until a key is pressed;
// then RUN shows it again, the channel installed a second time.
TEST(SpectrumBasic, TheTapesProgramShowsTheTextAndRunsAgain) {
    if (!std::filesystem::exists(kRom)) GTEST_SKIP() << kRom << " missing (opense-basic)";
    TFZXFont font;
    spectrumtest::MakeFont(font, 9, 1, 127, 12, 11);
    for (const TWrapMode wrap : {TWrapMode::Characters, TWrapMode::Words}) {
        SCOPED_TRACE(wrap == TWrapMode::Words ? "words" : "characters");
        TSpectrumOptions o;
        o.Text = "Quorrel says \"hi\" on a Spectrum,\r\rwith kern and tracking and a long line "
                 "that wraps.";
        o.X = 5;
        o.Y = 30;
        o.Ink = 2;
        o.Paper = 6;
        o.Bright = true;
        o.Border = 1;
        o.Wrap = wrap;
        TSpectrumProgram program;
        ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
        const std::vector<TBytes> blocks = TapeBlocks(BuildSpectrumTape(program));
        ASSERT_EQ(blocks.size(), 6u) << "a program, the routine and the font";

        z80test::TZ80Machine m;
        StartBasic(m);
        auto expectText = [&](const char* when) {
            EXPECT_EQ(PixelsDifferingFromRender(m, font, o.Text, o.X, o.Y, 192, wrap), 0)
                << when << ": the screen differs from render";
            int attributes = 0;
            for (unsigned a = 0x5800; a < 0x5B00; ++a)
                attributes += m.Memory[a] == 64 + o.Paper * 8 + o.Ink;
            EXPECT_EQ(attributes, 768) << when << ": colours";
            EXPECT_EQ(m.Ula & 7, o.Border) << when;
        };
        m.Tape = blocks;
        Enter(m, {}, {kLoad, '"', '"', 0x0D}, 150);
        EXPECT_TRUE(m.Tape.empty()) << "not every block was loaded";
        expectText("after LOAD \"\"");

        m.Keys[7] = 1; // SPACE ends the program's PAUSE 0
        m.RunFrames(5);
        m.Keys[7] = 0;
        m.RunFrames(20);
        m.Tape.assign(blocks.begin() + 2, blocks.end());
        Enter(m, BasicLoader(program), {kRun, 0x0D}, 150);
        EXPECT_TRUE(m.Tape.empty()) << "RUN did not load the routine and the font";
        expectText("after RUN");
    }
}

// The channel called as RST 16 calls it, in a machine of its own: its font
// stays its own after fzx_print set up another (the pen carries over), and
// a line that would start below the screen shows nothing until AT.
TEST(SpectrumBasic, TheChannelKeepsItsFontAfterAnotherPrintAndStopsBelowTheScreen) {
    constexpr unsigned kAt = 0x8000, kFontA = 0xA000, kFontB = 0xC000, kSends = 0x6000;
    TFZXFont fontA, fontB;
    spectrumtest::MakeFont(fontA, 9, 1, 127, 12, 5);
    spectrumtest::MakeFont(fontB, 6, 0, 127, 6, 9);
    TBytes imageA, imageB;
    ASSERT_EQ(fontA.BuildFZXImage(imageA), "");
    ASSERT_EQ(fontB.BuildFZXImage(imageB), "");
    z80test::TZ80Machine m;
    m.Load(kAt, PrintRoutineAt(kAt, TPrintRoutine::Fast));
    m.Load(kFontA, imageA);
    m.Load(kFontB, imageB);
    m.Load(kAt + kParamFont, {kFontA & 0xFF, kFontA >> 8});
    m.Load(23631, {0xB6, 0x5C}); // CHANS and PROG of a 48K machine
    m.Load(23635, {0xCB, 0x5C});
    m.Memory[0x1655] = 0xC9; // MAKE-ROOM: the record's room is not needed here
    ASSERT_TRUE(m.Call(kAt + kRoutineInstall, 0, 0, 0));
    const auto word = [&m](unsigned at) { return m.Memory[at] | (m.Memory[at + 1] << 8); };
    const unsigned output = word((0x5CB6 + word(23574 + 2 * 4) - 1) & 0xFFFF);
    const auto send = [&](const std::string& codes) { // LD A,code: CALL output ... RET
        TBytes sends;
        for (const char c : codes)
            sends.insert(sends.end(), {0x3E, static_cast<std::uint8_t>(c), 0xCD,
                                       static_cast<std::uint8_t>(output & 0xFF),
                                       static_cast<std::uint8_t>(output >> 8)});
        sends.push_back(0xC9);
        m.Load(kSends, sends);
        return m.Call(kSends, 0, 0, 0);
    };
    ASSERT_TRUE(send(std::string("\x16\x28\x14", 3) + "Hi"));
    m.Load(0x7000, {0}); // fzx_print of an empty text in font B at x 8, y 102
    ASSERT_TRUE(m.Call(kAt + kRoutinePrint, 0x7000, kFontB, (102 << 8) | 8));
    ASSERT_TRUE(send("there" + std::string(12, '\r') + "lost"));
    ASSERT_TRUE(send(std::string("\x16\x96\x1E", 3) + "again"));

    TRaster expected(256, 192, clWhite);
    for (const auto& [text, x, y] :
         {std::tuple{"Hi", 20, 40}, {"there", 8, 102}, {"again", 30, 150}}) {
        TTextFrame frame;
        frame.Left = x;
        frame.Top = y;
        PaintText(fontA, expected, LayOutText(fontA, text, frame), 1);
    }
    const TRaster screen = m.Screen();
    int differ = 0;
    for (int row = 0; row < 192; ++row)
        for (int column = 0; column < 256; ++column)
            differ +=
                (screen.Pixel(column, row) == clBlack) != (expected.Pixel(column, row) != clWhite);
    EXPECT_EQ(differ, 0) << "the channel's screen differs from render's three texts in its font";
}

} // namespace
