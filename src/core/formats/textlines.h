#pragma once
// The lines of the plain-text font formats, and the numbers in them.

#include <cstdint>
#include <string>
#include <vector>

// The lines of a text without their endings (LF, CR LF or CR); line n of the
// file is element n - 1. A byte-order mark at the start is dropped.
std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes);

// The blank- or tab-separated words of a line.
std::vector<std::string> SplitWords(const std::string& line);

// The text without blanks and tabs at either end.
std::string TrimLine(const std::string& text);

// A reader's message about line index + 1 ("Line 3: ...").
std::string LineError(std::size_t index, const std::string& what);

// A whole number in decimal with an optional sign, within -limit..limit;
// false for anything else.
bool ParseNumber(const std::string& text, int limit, int& value);
