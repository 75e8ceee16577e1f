#include "commandline.h"

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

} // namespace

std::string ReadCommandLineFile(const std::vector<std::string>& args, bool windowsRules) {
    std::string joined;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!windowsRules && !args[i].empty() && args[i][0] == '-') break;
        if (i > 0) joined += ' ';
        joined += args[i];
    }
    if (windowsRules) {
        const std::size_t slash = joined.find('/');
        if (slash != std::string::npos) joined.erase(slash);
    }
    std::string name = Trim(joined);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = Trim(name.substr(1, name.size() - 2));
    return name;
}
