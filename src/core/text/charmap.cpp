#include "text/charmap.h"

#include "text/utf8.h"

#include <cstdio>

namespace {
// The Spectrum's characters and the codes they take in the ZX mapping.
struct TZXPair {
    int Code;
    char32_t Character;
};
constexpr TZXPair kZXPairs[] = {{94, 0x2191}, {96, 0x00A3}, {127, 0x00A9}};
} // namespace

int CodeFromUnicode(char32_t character, TCharset charset) {
    if (charset == TCharset::ZX) {
        for (const TZXPair& pair : kZXPairs) {
            if (pair.Character == character) return pair.Code;
            // The Latin-1 character whose code the Spectrum took has no code.
            if (static_cast<char32_t>(pair.Code) == character) return -1;
        }
    }
    return character >= 32 && character <= 255 ? static_cast<int>(character) : -1;
}

long UnicodeFromCode(int code, TCharset charset) {
    if (code < 32 || code > 255) return -1;
    if (charset == TCharset::ZX) {
        for (const TZXPair& pair : kZXPairs) {
            if (pair.Code == code) return static_cast<long>(pair.Character);
            // Pound and copyright live at 96 and 127; their Latin-1 codes are free.
            if (static_cast<int>(pair.Character) == code) return -1;
        }
    }
    return code;
}

std::string UnicodeName(char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04lX", static_cast<unsigned long>(character));
    return text;
}

bool DecodeUtf8(const std::string& text, std::vector<char32_t>& out) {
    out.clear();
    for (std::size_t at = 0; at < text.size();) {
        const TUtf8Step step = DecodeUtf8At(text, at);
        if (step.Length == 0) return false;
        out.push_back(step.Code);
        at += step.Length;
    }
    return true;
}

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}
