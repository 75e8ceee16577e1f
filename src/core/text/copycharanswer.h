#pragma once
// The copy-from-character question: what to propose for the current glyph
// and how to read the user's answer back as a character code.

#include <string>

// A printable code 33..126 as its character, any other code in decimal (a
// blank or a code beyond ASCII would be invisible or ambiguous in a field).
std::string ProposedCopyCharText(int code);

// One character 32..126 gives its own code, so "5" means the digit's glyph.
// Anything else is read as a whole number: leading blanks, an optional sign,
// "$", "x" or "0x" for hexadecimal, nothing after the digits. 0 when the
// answer is no such number or does not fit 32 bits.
int ParseCopyCharAnswer(const std::string& answer);

// The glyph index the answer names in a font of glyphCount glyphs, or -1
// when it names no glyph held.
int CopyCharSourceIndex(const std::string& answer, int glyphCount);
