#include "text/charmap.h"

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
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
        const unsigned char lead = byte(0);
        std::size_t length;
        char32_t code, lowest;
        if (lead < 0x80) {
            length = 1, code = lead, lowest = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (text.size() - at < length) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((byte(i) & 0xC0) != 0x80) return false;
            code = (code << 6) | (byte(i) & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        out.push_back(code);
        at += length;
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
