#include "copycharanswer.h"

#include <cstdint>

std::string ProposedCopyCharText(int code) {
    if (code <= 32 || code > 126) return std::to_string(code);
    return std::string(1, static_cast<char>(code));
}

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

} // namespace

int ParseCopyCharAnswer(const std::string& answer) {
    if (answer.size() == 1) {
        const auto c = static_cast<unsigned char>(answer[0]);
        if (c >= 32 && c <= 126) return c;
    }
    std::size_t i = 0;
    while (i < answer.size() && answer[i] == ' ')
        ++i;
    bool negative = false;
    if (i < answer.size() && (answer[i] == '+' || answer[i] == '-')) {
        negative = answer[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < answer.size() && (answer[i] == '$' || answer[i] == 'x' || answer[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < answer.size() && answer[i] == '0' &&
               (answer[i + 1] == 'x' || answer[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= answer.size()) return 0; // no digits at all
    std::int64_t value = 0;
    for (; i < answer.size(); ++i) {
        const int d = DigitValue(answer[i], base);
        if (d < 0) return 0;
        value = value * base + d;
        if (value > 0x80000000LL) return 0; // beyond 32 bits; stop before overflow
    }
    if (negative) value = -value;
    if (value > 0x7FFFFFFFLL) return 0;
    return static_cast<int>(value);
}

int CopyCharSourceIndex(const std::string& answer, int glyphCount) {
    const int v = ParseCopyCharAnswer(answer);
    if (v < 32 || v - 32 >= glyphCount) return -1;
    return v - 32;
}
