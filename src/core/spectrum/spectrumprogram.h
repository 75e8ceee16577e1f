#pragma once
// What a Spectrum export puts into the machine's memory: Quorrel's print
// routine, the font as its FZX file and a sample text, back to back, with
// the start-up's parameters filled in so that running the routine's start
// shows the text.

#include <cstdint>
#include <string>
#include <vector>

class TFZXFont;

struct TSpectrumOptions {
    std::string Text; // codes; 13 starts a new line, the routine stops at any other below 32
    int X = 0;        // left edge of the text, 0..255
    int Y = 0;        // top of the text, 0..191
    int Ink = 0;      // colours 0..7
    int Paper = 7;
    bool Bright = false; // ink and paper both bright
    int Border = 7;
};

struct TSpectrumProgram {
    std::uint16_t Org = 0;             // address of the routine
    std::vector<std::uint8_t> Routine; // relocated, parameters filled in
    std::vector<std::uint8_t> Font;    // the FZX file
    std::vector<std::uint8_t> Text;    // the codes and a 0 behind them
    TSpectrumOptions Options;

    std::uint16_t FontAddress() const { return static_cast<std::uint16_t>(Org + Routine.size()); }
    std::uint16_t TextAddress() const {
        return static_cast<std::uint16_t>(FontAddress() + Font.size());
    }
    // Routine, font and text as one block starting at Org.
    std::vector<std::uint8_t> Image() const;
};

// Lays the program out at 32768, or lower when it does not fit below 65536
// (never below 24576, above BASIC). "" or the reason it cannot be made: the
// font cannot be written as FZX, or everything is too large for a 48K machine.
std::string BuildSpectrumProgram(const TFZXFont& font, const TSpectrumOptions& options,
                                 TSpectrumProgram& program);
