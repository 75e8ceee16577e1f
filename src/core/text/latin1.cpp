#include "text/latin1.h"

#include "text/utf8.h"

bool Utf8ToLatin1(const std::string& text, std::string& out) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const TUtf8Step d = DecodeUtf8At(text, i);
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
        const TUtf8Step d = DecodeUtf8At(text, i);
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
