#include "latin1.h"

bool Utf8ToLatin1(const std::string& text, std::string& out) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            result += static_cast<char>(lead);
            continue;
        }
        // Only C2 and C3 lead bytes encode U+0080..U+00FF without being overlong.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= text.size()) return false;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80) return false;
        result += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    out = std::move(result);
    return true;
}
