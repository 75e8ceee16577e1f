#include "text/latin1.h"

namespace {

// The code point of the well-formed UTF-8 sequence at text[at] and its length
// in bytes; length 0 when the bytes there are no such sequence.
struct TDecoded {
    char32_t Code = 0;
    std::size_t Length = 0;
};

TDecoded DecodeAt(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length;
    char32_t code, lowest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
        return {}; // continuation byte, or a lead byte no valid sequence uses
    }
    if (text.size() - at < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

} // namespace

bool Utf8ToLatin1(const std::string& text, std::string& out) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const TDecoded d = DecodeAt(text, i);
        if (d.Length == 0 || d.Code > 0xFF) return false;
        result += static_cast<char>(d.Code);
        i += d.Length;
    }
    out = std::move(result);
    return true;
}

std::string Utf8ToLatin1Lossy(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const TDecoded d = DecodeAt(text, i);
        if (d.Length == 0) {
            // Skip one byte only, so the next well-formed character survives.
            result += '?';
            ++i;
            continue;
        }
        result += d.Code <= 0xFF ? static_cast<char>(d.Code) : '?';
        i += d.Length;
    }
    return result;
}
