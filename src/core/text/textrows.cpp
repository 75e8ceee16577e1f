#include "text/textrows.h"

void SplitText(TStringList& list, const std::string& text, char separator) {
    list.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(separator, pos);
        if (end == std::string::npos) end = text.size();
        list.emplace_back(text, pos, end - pos);
        pos = end + 1;
    }
}

void SplitTextByString(TStringList& list, const std::string& text, const std::string& separator) {
    list.clear();
    if (separator.empty()) return;
    std::size_t pos = 0;
    for (;;) {
        std::size_t found = text.find(separator, pos);
        if (found == std::string::npos) found = text.size();
        list.emplace_back(text, pos, found - pos);
        if (found >= text.size()) break;
        pos = found + separator.size();
    }
}

std::string JoinText(const TStringList& list, char separator) {
    std::string result;
    std::size_t total = list.empty() ? 0 : list.size() - 1;
    for (const auto& item : list)
        total += item.size();
    result.reserve(total);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) result += separator;
        result += list[i];
    }
    return result;
}

std::string PadText(const std::string& text, int length, char fill, int mode) {
    if (length <= 0) return std::string();
    std::string result = text.substr(0, static_cast<std::size_t>(length));
    const std::size_t missing = static_cast<std::size_t>(length) - result.size();
    if (missing == 0) return result;
    switch (mode) {
    case 1:
        return std::string(missing, fill) + result;
    case 2:
        return std::string(missing / 2, fill) + result + std::string(missing - missing / 2, fill);
    default:
        return result + std::string(missing, fill);
    }
}

int CountParts(const std::string& text, char separator) {
    if (text.empty()) return 0;
    int count = 1;
    for (char c : text)
        if (c == separator) ++count;
    return count;
}

std::string NthPart(const std::string& text, int n, char separator) {
    if (n < 1 || text.empty()) return std::string();
    std::size_t pos = 0;
    for (int i = 1; i < n; ++i) {
        pos = text.find(separator, pos);
        if (pos == std::string::npos) return std::string();
        ++pos;
    }
    std::size_t end = text.find(separator, pos);
    if (end == std::string::npos) end = text.size();
    return text.substr(pos, end - pos);
}

std::string TrimBlanks(const std::string& text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}
