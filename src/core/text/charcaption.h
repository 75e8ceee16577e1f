#pragma once
// The text shown for a character code in the character list and in the
// canvas labels, in the font's one-byte character set.

#include <string>

// Codes 33..126 (and with quoted false also 32 and 46) are the character
// itself; quoted puts the blank and the full stop in double quotes; 127 is
// the copyright sign (byte 0xA9); anything else is the code in decimal.
std::string CharCaption(int code, bool quoted);
