#include "text/copycharanswer.h"

#include "text/wholenumber.h"

std::string ProposedCopyCharText(int code) {
    if (code <= 32 || code > 126) return std::to_string(code);
    return std::string(1, static_cast<char>(code));
}

int ParseCopyCharAnswer(const std::string& answer) {
    if (answer.size() == 1) {
        const auto c = static_cast<unsigned char>(answer[0]);
        if (c >= 32 && c <= 126) return c;
    }
    const std::optional<long long> value = ReadWholeNumber(answer);
    if (!value || *value < -0x7FFFFFFFLL - 1 || *value > 0x7FFFFFFFLL) return 0;
    return static_cast<int>(*value);
}

int CopyCharSourceIndex(const std::string& answer, int glyphCount) {
    const int v = ParseCopyCharAnswer(answer);
    if (v < 32 || v - 32 >= glyphCount) return -1;
    return v - 32;
}
