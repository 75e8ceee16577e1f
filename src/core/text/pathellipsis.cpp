#include "text/pathellipsis.h"

#include <vector>

const char* const PathEllipsis = "\xE2\x80\xA6";

namespace {

bool IsSeparator(char c, bool windowsPaths) {
    return c == '/' || (windowsPaths && c == '\\');
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Length of the part that always stays: "/", "C:\", "C:" or "\\server\share\".
std::size_t RootLength(const std::string& path, bool windowsPaths) {
    const auto sep = [&](std::size_t i) {
        return i < path.size() && IsSeparator(path[i], windowsPaths);
    };
    if (windowsPaths) {
        if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') return sep(2) ? 3 : 2;
        if (sep(0) && sep(1)) {
            // Server and share names, each up to its separator.
            std::size_t i = 2;
            for (int part = 0; part < 2 && i < path.size(); ++part) {
                while (i < path.size() && !sep(i))
                    ++i;
                if (i < path.size()) ++i;
            }
            return i;
        }
    }
    std::size_t i = 0;
    while (sep(i))
        ++i;
    return i;
}

} // namespace

std::string ShortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& textWidth,
                        bool windowsPaths) {
    if (textWidth(path) <= maxWidth) return path;
    const std::size_t root = RootLength(path, windowsPaths);
    // Each run of separators after the root starts a shorter tail, unless it
    // ends the path (a folder's trailing separator).
    std::vector<std::size_t> tails;
    for (std::size_t i = root; i < path.size(); ++i) {
        if (!IsSeparator(path[i], windowsPaths) || IsSeparator(path[i - 1], windowsPaths)) continue;
        std::size_t end = i;
        while (end < path.size() && IsSeparator(path[end], windowsPaths))
            ++end;
        if (end < path.size()) tails.push_back(i);
    }
    if (tails.empty()) return path;
    const std::string head = path.substr(0, root) + PathEllipsis;
    for (const std::size_t tail : tails) {
        const std::string candidate = head + path.substr(tail);
        if (textWidth(candidate) <= maxWidth) return candidate;
    }
    return PathEllipsis + path.substr(tails.back());
}

std::string ShortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& textWidth) {
#ifdef _WIN32
    return ShortenPath(path, maxWidth, textWidth, true);
#else
    return ShortenPath(path, maxWidth, textWidth, false);
#endif
}
