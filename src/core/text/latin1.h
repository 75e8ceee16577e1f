#pragma once
// Fonts address characters by one byte (codes 32 to 255, Latin-1 where the
// font has such glyphs); text typed in a UTF-8 shell arrives as several bytes.

#include <string>

// Decodes UTF-8 text whose characters all lie in U+0000..U+00FF into one
// byte per character. False (out untouched) for anything else: invalid or
// overlong sequences, or characters beyond U+00FF.
bool Utf8ToLatin1(const std::string& text, std::string& out);

// Decodes UTF-8 text into one byte per character, as the window's text
// fields do: a character beyond U+00FF becomes "?", and so does every byte
// that does not belong to a well-formed sequence (stray continuation bytes,
// cut-off, overlong or surrogate sequences, codes beyond U+10FFFF).
std::string Utf8ToLatin1Lossy(const std::string& text);
