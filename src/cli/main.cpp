// quorrel-cli: look into fonts of every format read and convert them from the shell.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <vector>

#include "commands.h"
#include "formats/fontformats.h"
#include "model/font.h"
#include "spectrum/printroutine.h"
#include "text/controlescape.h"

#ifndef QUORREL_VERSION
#define QUORREL_VERSION "0.9.0"
#endif

namespace {
const char* const kUsage =
    "Usage: quorrel-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FONT [--json] [FORMAT OPTIONS]\n"
    "                              describe a font of any format read\n"
    "  convert INPUT OUTPUT [FORMAT OPTIONS]\n"
    "                              write INPUT in the format OUTPUT's extension\n"
    "                              names\n"
    "  convert INPUT... --out-dir DIR --to FORMAT [FORMAT OPTIONS]\n"
    "                              write each INPUT into DIR under its own name\n"
    "                              in FORMAT (an extension written: fzx, bdf, ...);\n"
    "                              a failed one is reported, the rest converted\n"
    "  render FONT OUTPUT.png [--text TEXT] [--zoom 1..4] [--width PX]\n"
    "         [--height PX] [--endless | [--wrap [words|characters]] [--at X,Y]]\n"
    "         [FORMAT OPTIONS]\n"
    "                              set text in the font as a picture, by default\n"
    "                              just large enough for the text\n"
    "  apply FONT OUTPUT --op OP [--op OP ...] [FORMAT OPTIONS]\n"
    "                              reshape every character and save; OP is one of\n"
    "                              italic, bold, adjust-top, adjust-bottom,\n"
    "                              adjust-left, adjust-right, adjust-hcenter,\n"
    "                              adjust-vcenter, clear, fit-width, scale=WFxHF,\n"
    "                              height=N (the body height, 1 to 192)\n"
    "  spectrum FONT OUT.tap|OUT.z80|OUT.asm|OUT.scr [--text TEXT] [--at X,Y]\n"
    "         [--ink N] [--paper N] [--bright] [--border N]\n"
    "         [--wrap words|characters] [--routine fast|compact] [FORMAT OPTIONS]\n"
    "                              the font and a text with a Z80 print routine\n"
    "                              (fast: {fast-size} bytes with its PRINT #4 channel;\n"
    "                              compact: a sixth of that), as a tape,\n"
    "                              a snapshot or assembler source, or the screen\n"
    "                              file of what they show\n"
    "  find FILE... [--extract DIR] [--sheet PNG]\n"
    "                              list the fonts inside Spectrum tapes,\n"
    "                              snapshots, ROM images or any file, best\n"
    "                              first; write them out, or draw them all on\n"
    "                              one picture. Any FONT may be FILE@PLACE as\n"
    "                              listed, e.g. game.tzx@block3+0x1A0\n"
    "\n"
    "Format options:\n"
    "  --cell WxH                  sheet cell size (default: the grid found in\n"
    "                              the sheet, with its gaps, margins, columns)\n"
    "  --first-code N              code of a sheet's first cell (default 32)\n"
    "  --last-code N               code of a sheet's last character (default:\n"
    "                              the last inked cell's)\n"
    "  --columns N                 cells per sheet row (default: as many as fit\n"
    "                              when reading, 16 when writing)\n"
    "  --gap N|XxY, --margin N|XxY space between cells, before the first cell\n"
    "  --invert                    a sheet's ink is its paper's colour and back\n"
    "  --fit-width [SPACING]       widths fitted to the ink plus SPACING (1)\n"
    "  --grid, --captions          draw a grid and codes into a written sheet\n"
    "  --charset zx|latin1         map the Spectrum's up arrow, pound and\n"
    "                              copyright to codes 94, 96, 127\n"
    "  --size PX                   pixels per em of a TrueType, OpenType or PCF\n"
    "                              font: its strike of that size, else its\n"
    "                              outlines rendered (needed for outlines and\n"
    "                              for fonts of several strikes)\n"
    "  --face N                    face N of a font collection (default 0)\n"
    "  --hinting                   hint outlines (ordinary faces at small sizes)\n"
    "\n"
    "Options:\n"
    "  -h, --help                  show this help\n"
    "  -V, --version               show the version\n"
    "\n"
    "Formats (by extension, any letter case):\n";

// The usage with the fast routine's size as built, and the formats table.
std::string Usage();

// The rows of the formats table, in the layout of the lines above.
std::string FormatLines() {
    std::string text;
    for (const TFontFormat& format : FontFormats()) {
        std::string names;
        for (const std::string& ext : format.Extensions)
            names += (names.empty() ? "" : ", ") + ext;
        const bool reads = format.CanRead(), writes = format.CanWrite();
        std::string line = "  " + names;
        line.resize(std::max<std::size_t>(line.size() + 1, 30), ' ');
        text += line + format.Description + " (" +
                (reads && writes ? "read, write"
                 : reads         ? "read"
                                 : "write") +
                ")\n";
    }
    return text;
}

std::string Usage() {
    std::string text = kUsage;
    const std::string mark = "{fast-size}";
    text.replace(text.find(mark), mark.size(),
                 std::to_string(PrintRoutineSize(TPrintRoutine::Fast)));
    return text + FormatLines();
}

struct TCommand {
    const char* Name;
    int (*Run)(const TArgs&);
};
const TCommand kCommands[] = {{"info", RunInfo},   {"convert", RunConvert},   {"render", RunRender},
                              {"apply", RunApply}, {"spectrum", RunSpectrum}, {"find", RunFind}};

bool IsHelp(const std::string& arg) {
    return arg == "-h" || arg == "--help";
}

// `quorrel-cli COMMAND ... --help` asks for the usage too, unless the word is
// the value of an option (`render --text --help` sets that text).
bool AsksForHelp(const TArgs& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsHelp(arg)) return true;
        if (arg == "--text" || arg == "--zoom" || arg == "--width" || arg == "--height" ||
            arg == "--op" || arg == "--at" || arg == "--ink" || arg == "--paper" ||
            arg == "--border" || arg == "--cell" || arg == "--first-code" || arg == "--columns" ||
            arg == "--gap" || arg == "--margin" || arg == "--charset" || arg == "--size" ||
            arg == "--face" || arg == "--last-code" || arg == "--routine" || arg == "--out-dir" ||
            arg == "--to" || arg == "--extract" || arg == "--sheet")
            ++i;
    }
    return false;
}
} // namespace

bool ParseWholeNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty()) return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9') return false;
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
    if (text.size() - first > 9) return false; // beyond any bound, and beyond int
    value = first == text.size() ? 0 : std::stoi(text.substr(first));
    return value >= low && value <= high;
}

// Messages quote file names and text from files: no control character
// reaches the terminal.
int Fail(const std::string& text) {
    std::cerr << "quorrel-cli: " << EscapeControls(text) << '\n';
    return 1;
}

int UsageError(const std::string& text) {
    std::cerr << "quorrel-cli: " << EscapeControls(text) << "\nTry 'quorrel-cli --help'.\n";
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    const std::string first = argv[1];
    if (IsHelp(first) || first == "help") {
        std::cout << Usage();
        return 0;
    }
    if (first == "-V" || first == "--version") {
        std::cout << "quorrel-cli " QUORREL_VERSION "\n";
        return 0;
    }
    TArgs args(argv + 2, argv + argc);
    for (const auto& command : kCommands) {
        if (first != command.Name) continue;
        if (AsksForHelp(args)) {
            std::cout << Usage();
            return 0;
        }
        try {
            return command.Run(args);
        } catch (const std::exception& e) {
            return Fail(e.what());
        }
    }
    return UsageError("unknown command '" + first + "'");
}
