#pragma once
// Between Unicode characters and the editor's one-byte codes 32..255. The
// codes are Latin-1; the Spectrum's own character set differs in three places
// (up arrow at 94, pound at 96, copyright at 127), which the ZX mapping puts
// there instead, leaving "^", "`" and codes 163 and 169 without a partner.

#include <cstdint>
#include <string>
#include <vector>

enum class TCharset { Latin1, ZX };

// The editor code of a Unicode character, or -1 when it has none in 32..255.
int CodeFromUnicode(char32_t character, TCharset charset);
// The Unicode character of an editor code 32..255, or -1 when it has none
// (codes 163 and 169 in the ZX mapping, or any code outside 32..255).
long UnicodeFromCode(int code, TCharset charset);

// "U+2191": the usual way of naming a character in messages and files.
std::string UnicodeName(char32_t character);

// Decodes well-formed UTF-8 into code points; false for anything else
// (invalid, overlong or surrogate sequences, characters beyond U+10FFFF).
bool DecodeUtf8(const std::string& text, std::vector<char32_t>& out);
// The UTF-8 bytes of one character (U+0000..U+10FFFF, surrogates excluded).
std::string EncodeUtf8(char32_t character);
