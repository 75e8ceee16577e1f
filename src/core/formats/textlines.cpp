#include "formats/textlines.h"

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) at = 3;
    std::string line;
    while (at < bytes.size()) {
        const char c = static_cast<char>(bytes[at++]);
        if (c == '\n' || c == '\r') {
            if (c == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t')
            ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

std::string TrimLine(const std::string& text) {
    std::size_t start = 0, end = text.size();
    while (start < end && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(start, end - start);
}

std::string LineError(std::size_t index, const std::string& what) {
    return "Line " + std::to_string(index + 1) + ": " + what;
}

bool ParseNumber(const std::string& text, int limit, int& value) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return false;
    long long n = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        n = n * 10 + (text[at] - '0');
        if (n > limit) return false;
    }
    value = static_cast<int>(negative ? -n : n);
    return true;
}
