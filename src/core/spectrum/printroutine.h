#pragma once
// Quorrel's Z80 print routine for the ZX Spectrum (spectrum/fzxprint.asm),
// assembled at build time and placed at any address by relocation.

#include <cstdint>
#include <string>
#include <vector>

// Offsets into the routine: the start-up of tapes and snapshots, the print
// entry (HL text, DE font, B top, C left) and the start-up's parameters.
constexpr int kRoutineStart = 0;
constexpr int kRoutinePrint = 3;
constexpr int kParamText = 6;    // word
constexpr int kParamFont = 8;    // word
constexpr int kParamX = 10;      // byte
constexpr int kParamY = 11;      // byte
constexpr int kParamAttr = 12;   // byte: bright * 64 + paper * 8 + ink
constexpr int kParamBorder = 13; // byte

// The routine's bytes for running at org.
std::vector<std::uint8_t> PrintRoutineAt(std::uint16_t org);
// The number of bytes the routine takes.
std::size_t PrintRoutineSize();
// Its assembler source (no ORG), as kept in the project.
std::string PrintRoutineSource();
