#pragma once
// Naming for the assembler source export (TFZXFont::SaveASM).

#include <string>

// The label of a character code in the exported source: "space", "digit_0",
// "latin_capital_letter_a", ... for 32 to 127, "character_<code>" otherwise.
// Every code gets a distinct label that is a valid assembler symbol.
std::string CharLabel(int code);
