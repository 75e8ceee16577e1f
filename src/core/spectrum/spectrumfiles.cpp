#include "spectrum/spectrumfiles.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "formats/fileio.h"
#include "spectrum/basicloader.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumscreen.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

void AddWord(TBytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// One tape block: its length, the flag byte, the data and an XOR checksum.
void AddTapeBlock(TBytes& tape, std::uint8_t flag, const TBytes& data) {
    AddWord(tape, static_cast<unsigned>(data.size() + 2));
    tape.push_back(flag);
    std::uint8_t sum = flag;
    for (const std::uint8_t b : data) {
        tape.push_back(b);
        sum ^= b;
    }
    tape.push_back(sum);
}

// A header block and its data block; type 0 is a program, 3 is code.
void AddTapeFile(TBytes& tape, std::uint8_t type, const std::string& name, const TBytes& data,
                 unsigned param1, unsigned param2) {
    TBytes header{type};
    for (std::size_t i = 0; i < 10; ++i)
        header.push_back(static_cast<std::uint8_t>(i < name.size() ? name[i] : ' '));
    AddWord(header, static_cast<unsigned>(data.size()));
    AddWord(header, param1);
    AddWord(header, param2);
    AddTapeBlock(tape, 0x00, header);
    AddTapeBlock(tape, 0xFF, data);
}

// The source line of a start-up parameter, with its value replaced.
void SetParameter(std::string& source, const std::string& label, const std::string& value) {
    const std::size_t at = source.find("\n" + label + ":");
    if (at == std::string::npos) return;
    const std::size_t end = source.find('\n', at + 1);
    const std::size_t directive = source.find("def", at);
    if (directive == std::string::npos || directive > end) return;
    const std::size_t comment = source.find(';', directive);
    const std::string kind = source.substr(directive, 4);
    std::string line = "\n" + label + ":";
    line.append(label.size() + 1 < 16 ? 16 - label.size() - 1 : 1, ' ');
    line += kind + " " + value;
    if (comment != std::string::npos && comment < end) {
        line.append(line.size() < 33 ? 33 - line.size() : 1, ' ');
        line += source.substr(comment, end - comment);
    }
    source.replace(at, end - at, line);
}

void AddDataLines(std::ostringstream& out, const TBytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 16 == 0 ? "        defb    " : ",");
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", bytes[i]);
        out << hex;
        if (i % 16 == 15 || i + 1 == bytes.size()) out << '\n';
    }
}

} // namespace

std::vector<std::uint8_t> BuildSpectrumTape(const TSpectrumProgram& program) {
    TBytes tape;
    const TBytes loader = BasicLoader(program);
    AddTapeFile(tape, 0, "quorrel", loader, 10, static_cast<unsigned>(loader.size()));
    AddTapeFile(tape, 3, "fzxprint", program.Routine, program.Org, 32768);
    AddTapeFile(tape, 3, "font", program.Font, program.FontAddress(), 32768);
    // The fast routine's program prints the text itself.
    if (program.Options.Routine == TPrintRoutine::Compact)
        AddTapeFile(tape, 3, "text", program.Text, program.TextAddress(), 32768);
    return tape;
}

std::vector<std::uint8_t> BuildSpectrumSnapshot(const TSpectrumProgram& program) {
    const unsigned start = program.Org + kRoutineStart;
    TBytes z80(30, 0);
    z80[6] = static_cast<std::uint8_t>(start & 0xFF); // PC
    z80[7] = static_cast<std::uint8_t>(start >> 8);
    z80[8] = static_cast<std::uint8_t>(program.Org & 0xFF); // SP: the stack lies below the program
    z80[9] = static_cast<std::uint8_t>(program.Org >> 8);
    z80[10] = 0x3F; // I, as the ROM leaves it
    z80[12] = static_cast<std::uint8_t>((program.Options.Border & 7) << 1); // border, uncompressed
    z80[23] = 0x3A; // IY at the system variables, which the ROM's interrupt uses
    z80[24] = 0x5C;
    z80[29] = 1; // interrupt mode 1
    // The 48K of memory from 0x4000 follow the header.
    z80.resize(z80.size() + 0xC000, 0);
    const TBytes image = program.Image();
    std::copy(image.begin(), image.end(), z80.begin() + 30 + (program.Org - 0x4000));
    return z80;
}

std::string BuildSpectrumSource(const TSpectrumProgram& program, const std::string& fontName) {
    std::string routine = PrintRoutineSource(program.Options.Routine);
    // The note on ORG is for including the routine; this source has its own.
    const std::size_t note = routine.find("\n;\n; Written without ORG");
    const std::size_t end = routine.find("\n\n", note + 1);
    if (note != std::string::npos && end != std::string::npos) routine.erase(note + 1, end - note);
    const TSpectrumOptions& o = program.Options;
    SetParameter(routine, "fz_p_text", "fz_sample");
    SetParameter(routine, "fz_p_font", "fz_font");
    SetParameter(routine, "fz_p_x", std::to_string(o.X & 0xFF));
    SetParameter(routine, "fz_p_y", std::to_string(o.Y & 0xFF));
    SetParameter(routine, "fz_p_attr", std::to_string(SpectrumAttribute(o)));
    SetParameter(routine, "fz_p_border", std::to_string(o.Border & 7));
    SetParameter(routine, "fz_p_wrap", o.Wrap == TWrapMode::Words ? "1" : "0");

    std::string name = fontName;
    for (char& ch : name) // keeps the comment on its line
        if (static_cast<unsigned char>(ch) < 32) ch = '?';
    std::ostringstream out;
    const unsigned org = program.Org;
    out << "; The font " << name << " with Quorrel's FZX print routine.\n"
        << "; Assemble with pasmo or z80asm; fz_start shows fz_sample as the tape does.\n"
        << ";\n"
        << "; call fzx_print: sets a text in an FZX font on the screen.\n"
        << ";   In:  HL = the text: codes 32..255, 13 starts a new line, and 0 (or\n"
        << ";             another code below 32, or one the font lacks) ends it\n"
        << ";        DE = the font: the bytes of an FZX file (fz_font, or any other)\n"
        << ";        B  = top of the first line in pixels, 0..191\n"
        << ";        C  = left edge of every line in pixels, 0..255\n"
        << ";   Out: nothing. AF, BC, DE and HL are changed; IX, IY and the\n"
        << ";        alternate registers are kept. No ROM call. Interrupts stay as\n"
        << ";        they are and SP only ever points into the stack, so the frame\n"
        << ";        interrupt (IM 1 or IM 2) keeps running while it draws.\n"
        << ";   Position: B and C. Font: DE. Colours: ink is ORed into the bitmap\n"
        << ";   and the attributes are left alone, so set ink and paper in the\n"
        << ";   attributes (0x5800..0x5AFF, paper * 8 + ink) or with BASIC's CLS.\n";
    if (o.Routine == TPrintRoutine::Fast)
        out << ";   From BASIC: POKE the text address at " << org + kParamText << " and "
            << org + kParamText + 1 << ",\n"
            << ";   the font address at " << org + kParamFont << " and " << org + kParamFont + 1
            << ", the left edge at " << org + kParamX << ", the top at " << org + kParamY << ",\n"
            << ";   then RANDOMIZE USR " << org + kRoutineBasic << " (fzx_basic).\n"
            << ";   Lines break between characters; between words once the byte\n"
            << ";   fz_p_wrap (at " << org + kParamWrap << ") is 1.\n"
            << ";\n"
            << ";   PRINT #4 from BASIC: RANDOMIZE USR " << org + kRoutineInstall
            << " (fzx_install) attaches the\n"
            << ";   routine to stream 4 with the font whose address is at " << org + kParamFont
            << "\n"
            << ";   and " << org + kParamFont + 1
            << ", fz_font here (another stream, 4 to 15: POKE " << org + kParamStream
            << " first). Then\n"
            << ";     PRINT #4;AT 16,8;\"Hello, \";\n"
            << ";     PRINT #4;\"world!\"'\"Score: \";1234\n"
            << ";   prints in the font: AT takes a pixel line and column, every line\n"
            << ";   starts at that column, and a PRINT goes on where the last ended.\n"
            << ";   The routine takes " << program.Routine.size() << " bytes, " << org << " to "
            << org + program.Routine.size() - 1 << ", its channel included.\n";
    else // the compact routine keeps to the one entry, and its start-up has no block
        out << ";   Lines break between characters. This compact routine has no\n"
            << ";   entry for BASIC and no PRINT #4 channel; the fast one has.\n"
            << ";   The routine takes " << program.Routine.size() << " bytes, " << org << " to "
            << org + program.Routine.size() - 1 << ", its start-up included.\n";
    out << ";\n"
        << "; Example, from a program of your own:\n"
        << ";       ld      hl,0x5800       ; black ink on white paper everywhere\n"
        << ";       ld      de,0x5801\n"
        << ";       ld      bc,767\n"
        << ";       ld      (hl),0x38\n"
        << ";       ldir\n"
        << ";       ld      hl,hello\n"
        << ";       ld      de,fz_font\n"
        << ";       ld      bc,0x1008       ; top 16, left 8\n"
        << ";       call    fzx_print\n"
        << ";       ret\n"
        << "; hello: defb    \"Hello\",13,\"world\",0\n\n"
        << "        org     " << program.Org << "\n\n"
        << routine << "\n; The font: the bytes of its FZX file.\nfz_font:\n";
    AddDataLines(out, program.Font);
    out << "\n; The sample text, ending in 0.\nfz_sample:\n";
    AddDataLines(out, program.Text);
    return out.str();
}

std::string ExportForSpectrum(const TFZXFont& font, const TSpectrumOptions& options,
                              const std::string& path, const std::string& fontName) {
    const std::string ext = UpperExtension(path);
    if (ext != ".TAP" && ext != ".Z80" && ext != ".ASM" && ext != ".SCR")
        return "Illegal file extension! Use .tap, .z80, .asm or .scr.";
    // A screen file only for what the program could show: the same refusals.
    TSpectrumProgram program;
    const std::string error = BuildSpectrumProgram(font, options, program);
    if (!error.empty()) return error;
    TBytes bytes;
    if (ext == ".SCR") {
        TSpectrumScreen screen;
        SetSpectrumText(screen, font, options);
        bytes = screen.Memory();
    } else if (ext == ".TAP") {
        const std::string room = CheckBasicLoaderRoom(program);
        if (!room.empty()) return room;
        bytes = BuildSpectrumTape(program);
    } else if (ext == ".Z80") {
        bytes = BuildSpectrumSnapshot(program);
    } else {
        const std::string text = BuildSpectrumSource(program, fontName);
        bytes.assign(text.begin(), text.end());
    }
    if (!WriteFileReplacing(path, bytes)) return kFileWriteError;
    return "";
}
