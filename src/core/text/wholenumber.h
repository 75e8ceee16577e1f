#pragma once
// Whole numbers typed by the user, read the way the platform's standard
// integer conversion reads them: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X";
// nothing may follow the digits.

#include <optional>
#include <string>

// The number, or nothing for any other text and for magnitudes beyond 32 bits.
std::optional<long long> ReadWholeNumber(const std::string& text);
