#include "spectrum/basicloader.h"

#include "spectrum/printroutine.h"
#include "spectrum/spectrumprogram.h"
#include "spectrum/spectrumscreen.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

enum : std::uint8_t {
    kTokenAt = 0xAC,
    kTokenCode = 0xAF,
    kTokenUsr = 0xC0,
    kTokenInk = 0xD9,
    kTokenPaper = 0xDA,
    kTokenBright = 0xDC,
    kTokenBorder = 0xE7,
    kTokenLoad = 0xEF,
    kTokenPause = 0xF2,
    kTokenPoke = 0xF4,
    kTokenPrint = 0xF5,
    kTokenRandomize = 0xF9,
    kTokenCls = 0xFB,
    kTokenClear = 0xFD,
};

// PROG on a 48K Spectrum without Interface 1, and what BASIC needs beyond
// the program to run it: variables, the edit line, the calculator's and
// the machine's stacks.
constexpr unsigned kProgramArea = 23755;
constexpr unsigned kRunningRoom = 400;
constexpr unsigned kBordcr = 23624;

// A number in a BASIC line: its digits, then the hidden five-byte form.
void AddNumber(TBytes& line, unsigned value) {
    for (const char ch : std::to_string(value))
        line.push_back(static_cast<std::uint8_t>(ch));
    line.insert(line.end(), {0x0E, 0, 0, static_cast<std::uint8_t>(value & 0xFF),
                             static_cast<std::uint8_t>((value >> 8) & 0xFF), 0});
}

void AddText(TBytes& line, const char* text) {
    for (; *text; ++text)
        line.push_back(static_cast<std::uint8_t>(*text));
}

// A string literal: a quote inside it is written twice.
void AddString(TBytes& line, const std::string& codes) {
    line.push_back('"');
    for (const char ch : codes) {
        line.push_back(static_cast<std::uint8_t>(ch));
        if (ch == '"') line.push_back('"');
    }
    line.push_back('"');
}

// A command keyword followed by a number, e.g. BORDER 1.
void AddCommand(TBytes& line, std::uint8_t token, unsigned value) {
    if (!line.empty()) line.push_back(':');
    line.push_back(token);
    AddNumber(line, value);
}

void AddLine(TBytes& program, unsigned number, const TBytes& body) {
    program.push_back(static_cast<std::uint8_t>(number >> 8)); // high byte first
    program.push_back(static_cast<std::uint8_t>(number & 0xFF));
    const unsigned length = static_cast<unsigned>(body.size() + 1);
    program.push_back(static_cast<std::uint8_t>(length & 0xFF));
    program.push_back(static_cast<std::uint8_t>(length >> 8));
    program.insert(program.end(), body.begin(), body.end());
    program.push_back(0x0D);
}

// 10 CLEAR org-1: LOAD ""CODE (count times)
TBytes ClearAndLoad(unsigned org, int count) {
    TBytes body;
    AddCommand(body, kTokenClear, org - 1);
    for (int i = 0; i < count; ++i)
        body.insert(body.end(), {':', kTokenLoad, '"', '"', kTokenCode});
    return body;
}

} // namespace

std::vector<std::uint8_t> BasicLoader(const TSpectrumProgram& program) {
    const unsigned org = program.Org;
    const TSpectrumOptions& o = program.Options;
    TBytes lines;
    if (o.Routine == TPrintRoutine::Compact) {
        TBytes body = ClearAndLoad(org, 3);
        body.insert(body.end(), {':', kTokenRandomize, kTokenUsr});
        AddNumber(body, org + kRoutineStart);
        AddLine(lines, 10, body);
        return lines;
    }
    AddLine(lines, 10, ClearAndLoad(org, 2));
    TBytes colours;
    AddCommand(colours, kTokenBorder, static_cast<unsigned>(o.Border & 7));
    AddCommand(colours, kTokenPaper, static_cast<unsigned>(o.Paper & 7));
    AddCommand(colours, kTokenInk, static_cast<unsigned>(o.Ink & 7));
    AddCommand(colours, kTokenBright, o.Bright ? 1 : 0);
    // BORDCR: CLS gives the lower screen's two lines its colours, and the
    // text may reach them.
    AddCommand(colours, kTokenPoke, kBordcr);
    colours.push_back(',');
    AddNumber(colours, SpectrumAttribute(o));
    colours.insert(colours.end(), {':', kTokenCls});
    AddLine(lines, 20, colours);
    TBytes install{kTokenRandomize, kTokenUsr};
    AddNumber(install, org + kRoutineInstall);
    AddLine(lines, 30, install);
    unsigned number = 40;
    for (std::size_t i = 0; i == 0 || i < program.Lines.size(); ++i, number += 10) {
        TBytes print{kTokenPrint, '#'};
        AddNumber(print, 4);
        if (i == 0) {
            AddText(print, ";");
            print.push_back(kTokenAt);
            AddNumber(print, static_cast<unsigned>(o.Y & 0xFF));
            print.push_back(',');
            AddNumber(print, static_cast<unsigned>(o.X & 0xFF));
        }
        const std::string line = i < program.Lines.size() ? program.Lines[i] : "";
        if (i == 0 || !line.empty()) {
            print.push_back(';');
            AddString(print, line);
        }
        AddLine(lines, number, print);
    }
    TBytes wait{kTokenPause};
    AddNumber(wait, 0);
    AddLine(lines, number, wait);
    return lines;
}

std::string CheckBasicLoaderRoom(const TSpectrumProgram& program) {
    const std::size_t needed = BasicLoader(program).size() + kRunningRoom;
    const std::size_t room = program.Org > kProgramArea ? program.Org - kProgramArea : 0;
    if (needed <= room) return "";
    return "The tape's BASIC program with the text takes " + std::to_string(needed) +
           " bytes, more than the " + std::to_string(room) + " free below the routine.";
}
