#pragma once
// One step of UTF-8 decoding, shared by every reader of UTF-8 text so that
// they all agree on what is well-formed.

#include <cstddef>
#include <string>

// The code point of the well-formed UTF-8 sequence at text[at] and its length
// in bytes; length 0 when the bytes there are no such sequence (a stray
// continuation byte, a cut-off, overlong or surrogate sequence, or a code
// beyond U+10FFFF). at must lie inside text.
struct TUtf8Step {
    char32_t Code = 0;
    std::size_t Length = 0;
};
TUtf8Step DecodeUtf8At(const std::string& text, std::size_t at);
