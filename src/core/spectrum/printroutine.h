#pragma once
// Quorrel's Z80 print routines for the ZX Spectrum, assembled at build time
// and placed at any address by relocation: the fast one (spectrum/
// fzxprint.asm) and the compact one (spectrum/fzxstartup.asm in front of
// spectrum/fzxcompact.asm). Both set the same screen.

#include <cstdint>
#include <string>
#include <vector>

enum class TPrintRoutine { Fast, Compact };

// Offsets into either routine: the start-up of tapes and snapshots, the print
// entry (HL text, DE font, B top, C left) and the start-up's parameters.
constexpr int kRoutineStart = 0;
constexpr int kRoutinePrint = 3;
constexpr int kParamText = 6;    // word
constexpr int kParamFont = 8;    // word
constexpr int kParamX = 10;      // byte
constexpr int kParamY = 11;      // byte
constexpr int kParamAttr = 12;   // byte: bright * 64 + paper * 8 + ink
constexpr int kParamBorder = 13; // byte
constexpr int kParamWrap = 14;   // byte: 0 breaks lines between characters, 1 between words
// The entry for BASIC's USR: prints from the parameters text, font, X, Y, wrap.
constexpr int kRoutineBasic = 15;
// The fast routine's entry for BASIC's USR that attaches its channel to the
// stream in kParamStream, with the font and the first line's place from the
// parameters font, X and Y; afterwards PRINT #4 prints in the font.
constexpr int kRoutineInstall = 30;
constexpr int kParamStream = 33; // byte: 4 unless POKEd, 4..15

// The routine's bytes for running at org.
std::vector<std::uint8_t> PrintRoutineAt(std::uint16_t org,
                                         TPrintRoutine kind = TPrintRoutine::Fast);
// The number of bytes the routine takes, start-up included.
std::size_t PrintRoutineSize(TPrintRoutine kind = TPrintRoutine::Fast);
// Its assembler source (no ORG), as kept in the project.
std::string PrintRoutineSource(TPrintRoutine kind = TPrintRoutine::Fast);
