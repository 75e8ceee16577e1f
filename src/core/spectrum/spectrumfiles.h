#pragma once
// The files a Spectrum export writes: a tape with a BASIC loader, a 48K
// snapshot, or Z80 source, each showing the sample text the moment it runs;
// or the screen file of what they show.

#include <cstdint>
#include <string>
#include <vector>

#include "spectrum/spectrumprogram.h"

class TFZXFont;

// A .tap: a BASIC program that starts on its own (see basicloader.h), then
// the routine and the font as code blocks (and, for the compact routine,
// the text).
std::vector<std::uint8_t> BuildSpectrumTape(const TSpectrumProgram& program);

// A version 1 .z80 snapshot of a 48K machine, memory uncompressed: the
// program loaded, the screen empty, PC at the routine's start-up (which
// clears the screen to the colours, prints and waits with interrupts on).
std::vector<std::uint8_t> BuildSpectrumSnapshot(const TSpectrumProgram& program);

// Z80 source of the routine with the font and the text as data, for pasmo or
// z80asm; assembled, it gives the bytes of program.Image() at program.Org.
std::string BuildSpectrumSource(const TSpectrumProgram& program, const std::string& fontName);

// Writes .tap, .z80, .asm or .scr (the screen the program shows, 6,912
// bytes, see spectrumscreen.h) by path's extension (any letter case); fontName
// goes into the source's comment. "" or the message (also when a tape's
// BASIC program leaves BASIC no room below the routine); a file that cannot be
// created throws TFileError, and an existing file is replaced only once the
// new one is complete.
std::string ExportForSpectrum(const TFZXFont& font, const TSpectrumOptions& options,
                              const std::string& path, const std::string& fontName);
