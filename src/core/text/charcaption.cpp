#include "text/charcaption.h"

std::string CharCaption(int code, bool quoted) {
    if (code == 32 || code == 46) {
        const std::string ch(1, static_cast<char>(code));
        return quoted ? "\"" + ch + "\"" : ch;
    }
    if (code >= 33 && code <= 126) return std::string(1, static_cast<char>(code));
    if (code == 127) return std::string(1, static_cast<char>(0xA9));
    return std::to_string(code);
}
