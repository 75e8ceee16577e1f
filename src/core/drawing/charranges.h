#pragma once
// The character range lists typed in the window's "char limits" field, such
// as "0..9, a..z, A..Z, all", turned into (first code, last code) pairs.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Ranges in the order of the text; repeated and overlapping ones stay apart.
// Every pair holds 32 <= first <= last <= 255.
using Tcharrangearray = std::vector<std::pair<std::int32_t, std::int32_t>>;

// Parses a comma-separated list of items "a" or "a..b[..c]". The text is in
// the font's 8-bit character set, one byte per character. Elements are single
// characters, quoted characters ("\" \"" is the blank), numbers of two or more
// characters (decimal, or hex after $, x or 0x), space/spc, delete/del and
// all; an invalid element is ignored, and an item whose first element is
// invalid is dropped. Never fails, has no side effects.
Tcharrangearray ParseCharRanges(const std::string& text);
