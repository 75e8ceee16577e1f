#include "render/textcut.h"

#include <algorithm>

#include "model/font.h"
#include "render/previewstrip.h"

namespace {

bool Holds(const TFZXFont& font, int code) {
    return code >= 32 && code - 32 < font.Count();
}

// "233 (é)": the code, and the character itself where it is a printable
// Latin-1 one; the bytes are UTF-8, as a terminal shows them.
std::string CodeName(int code) {
    std::string name = std::to_string(code);
    if (code == 32) return name + " (space)";
    if ((code > 32 && code < 127) || (code > 160 && code < 256)) {
        std::string ch;
        if (code < 128) {
            ch = static_cast<char>(code);
        } else {
            ch += static_cast<char>(0xC0 | (code >> 6));
            ch += static_cast<char>(0x80 | (code & 0x3F));
        }
        name += " (" + ch + ")";
    }
    return name;
}

} // namespace

TTextCut FindTextCut(const TFZXFont& font, const TStringList& lines) {
    TTextCut cut;
    for (const std::string& line : lines) {
        for (const char ch : ExpandCodeEscapes(line)) {
            const int code = static_cast<unsigned char>(ch);
            const bool held = Holds(font, code);
            if (cut.Code < 0 && !held) {
                cut.Code = code;
                cut.Before = cut.Total;
            }
            if (code >= 32 && !held &&
                std::find(cut.Missing.begin(), cut.Missing.end(), code) == cut.Missing.end())
                cut.Missing.push_back(code);
            ++cut.Total;
        }
    }
    return cut;
}

std::string DescribeTextCut(const TTextCut& cut) {
    if (cut.Code < 0) return "";
    std::string text = cut.Code < 32
                           ? "the text stops at control character " + std::to_string(cut.Code)
                           : "the text stops at character " + CodeName(cut.Code) +
                                 ", which the font does not have";
    text += ": " + std::to_string(cut.Total - cut.Before) + " of its " + std::to_string(cut.Total) +
            " characters are left out";
    std::string others;
    for (const int code : cut.Missing)
        if (code != cut.Code) others += (others.empty() ? "" : ", ") + CodeName(code);
    if (!others.empty()) text += "; the font also lacks " + others;
    return text;
}
