#pragma once
// The BASIC program at the front of a Spectrum tape. For the fast routine it
// is a program to LIST, edit and RUN again: CLEAR, LOAD the routine and the
// font, set the colours (the lower screen's too), attach the routine's
// channel to stream 4 and PRINT #4 the text at its place, a screen line to
// a program line, then wait for a key. The compact routine has no channel:
// one line loads routine, font and text and runs the routine's start-up.

#include <cstdint>
#include <string>
#include <vector>

struct TSpectrumProgram;

// The program's lines as the tape holds them (tokens, numbers with their
// hidden form), starting at line 10.
std::vector<std::uint8_t> BasicLoader(const TSpectrumProgram& program);

// "" when the loader, with room for BASIC to run it, fits between the start
// of a 48K Spectrum's program area and the routine; else the message.
std::string CheckBasicLoaderRoom(const TSpectrumProgram& program);
