#include "shell/recentfiles.h"

#include <algorithm>
#include <filesystem>

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: bytes of UTF-8 sequences compare exactly.
bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::string MakeAbsolute(const std::string& path, const std::string& currentDir) {
    const std::filesystem::path p(path);
    if (p.is_absolute()) return p.lexically_normal().string();
    return (std::filesystem::path(currentDir) / p).lexically_normal().string();
}

} // namespace

void TRecentFiles::Add(const std::string& path, const std::string& currentDir) {
    if (path.empty()) return;
    const std::string absolute = MakeAbsolute(path, currentDir);
    const auto found = std::find_if(FEntries.begin(), FEntries.end(), [&](const std::string& e) {
        return EqualIgnoringCase(e, absolute);
    });
    if (found == FEntries.end())
        FEntries.insert(FEntries.begin(), absolute);
    else
        std::rotate(FEntries.begin(), found, found + 1);
    FEntries.front() = absolute;
    if (FEntries.size() > MaxCount) FEntries.resize(MaxCount);
}

void TRecentFiles::AppendStored(const std::string& text) {
    if (text.empty()) return;
    FEntries.push_back(text);
    if (FEntries.size() > MaxCount) FEntries.resize(MaxCount);
}
