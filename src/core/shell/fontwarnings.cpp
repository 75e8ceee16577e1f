#include "shell/fontwarnings.h"

#include <initializer_list>
#include <utility>

#include "model/font.h"

namespace {
// "<what> is <largest>." for one offender, "<what> is <largest> (<n> chars)." for more.
std::string Excess(const char* what, std::pair<int, int> largestAndCount, const char* tail) {
    const int largest = largestAndCount.first, count = largestAndCount.second;
    if (count <= 0) return std::string();
    std::string text = std::string(what) + " is " + std::to_string(largest);
    if (count > 1) text += " (" + std::to_string(count) + " chars)";
    return text + ". " + tail;
}
} // namespace

TFontWarnings GetFontWarnings(const TFZXFont& font) {
    TFontWarnings warnings;
    if (font.Count() == 0) return warnings;
    const int beyond = font.Count() - (font.LastChar() - 31);
    if (beyond > 0)
        warnings.LastChar = std::to_string(beyond) + " character(s) out of lastchar range!";
    if (font.IsCHRCompatible()) return warnings;
    warnings.Width = Excess("Current width", font.MaxWidth(), "FZX allows max. 16!");
    warnings.Height = Excess("Current height", font.MaxHeight(), "Exceeds body height!");
    return warnings;
}

std::vector<std::string> FontWarningLines(const TFZXFont& font) {
    const TFontWarnings w = GetFontWarnings(font);
    std::vector<std::string> lines;
    for (const std::string* line : {&w.Width, &w.Height, &w.LastChar})
        if (!line->empty()) lines.push_back(*line);
    return lines;
}
