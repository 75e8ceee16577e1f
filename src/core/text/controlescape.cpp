#include "text/controlescape.h"

#include "text/utf8.h"

namespace {
void AppendHex(std::string& out, unsigned char byte) {
    static const char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 15];
}
} // namespace

std::string EscapeControls(const std::string& text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const TUtf8Step step = DecodeUtf8At(text, at);
        const char32_t c = step.Code;
        const bool control = step.Length == 0 || c < 0x20 || (c >= 0x7F && c <= 0x9F);
        const std::size_t length = step.Length == 0 ? 1 : step.Length;
        if (control && !(keepLineBreaks && c == '\n' && step.Length == 1)) {
            for (std::size_t i = 0; i < length; ++i)
                AppendHex(out, static_cast<unsigned char>(text[at + i]));
        } else {
            out.append(text, at, length);
        }
        at += length;
    }
    return out;
}
