#pragma once
// What a Spectrum export puts into the machine's memory: Quorrel's print
// routine, the font as its FZX file and a sample text, back to back, with
// the start-up's parameters filled in so that running the routine's start
// shows the text.

#include <cstdint>
#include <string>
#include <vector>

#include "render/textlayout.h"
#include "spectrum/printroutine.h"

class TFZXFont;

struct TSpectrumOptions {
    std::string Text; // codes; 13 starts a new line, the routine stops at any other below 32
    int X = 0;        // left edge of the text, 0..255
    int Y = 0;        // top of the text, 0..191
    int Ink = 0;      // colours 0..7
    int Paper = 7;
    bool Bright = false; // ink and paper both bright
    int Border = 7;
    TPrintRoutine Routine = TPrintRoutine::Fast; // the compact one saves memory
    TWrapMode Wrap = TWrapMode::Characters;      // Characters or Words
};

struct TSpectrumProgram {
    std::uint16_t Org = 0;             // address of the routine
    std::vector<std::uint8_t> Routine; // relocated, parameters filled in
    std::vector<std::uint8_t> Font;    // the FZX file
    std::vector<std::uint8_t> Text;    // the codes and a 0 behind them
    // The text as the screen shows it, line by line from the first (see
    // SpectrumScreenLines): what a tape's BASIC program prints.
    std::vector<std::string> Lines;
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

// The codes the layout sets on each screen line, from the first line to the
// last that holds a character ("" for a line between them that holds none;
// spaces dropped at a word break are left out). Printed one line after the
// other from X, Y, breaking lines between characters only, they set the
// same screen as the whole text with options.Wrap.
std::vector<std::string> SpectrumScreenLines(const TFZXFont& font, const TSpectrumOptions& options);

// What the user should hear about an export that still goes ahead: how much
// of the text fits on the screen ("161 of 506 characters fit on the
// screen") when not all of it does, and ink the same colour as paper. Empty
// when there is nothing to say.
std::vector<std::string> SpectrumWarnings(const TFZXFont& font, const TSpectrumOptions& options);
