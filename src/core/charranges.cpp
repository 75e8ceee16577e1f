#include "charranges.h"

#include <cctype>

#include "textrows.h"

namespace {

// Removes blanks and control characters (codes up to 32) at both ends.
std::string Trim(const std::string& text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The whole-number forms of the element syntax: optional sign, then decimal
// digits or hex digits after "$", "x" or "0x". -1 for anything else,
// including numbers too large to read.
long long ReadNumber(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return -1;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return -1;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return -1;
    }
    return negative ? -value : value;
}

constexpr int AllCodes = -2;

// The code an element denotes, -1 for nothing, AllCodes for "all".
int ElementCode(const std::string& element) {
    if (element.size() == 1) {
        const int code = static_cast<unsigned char>(element[0]);
        return code >= 33 ? code : -1;
    }
    if (element.size() == 3 && element[0] == '"' && element[2] == '"') {
        const int code = static_cast<unsigned char>(element[1]);
        return code >= 32 ? code : -1;
    }
    const std::string word = Lower(element);
    if (word == "space" || word == "spc") return 32;
    if (word == "delete" || word == "del") return 127;
    if (word == "all") return AllCodes;
    const long long number = element.size() >= 2 ? ReadNumber(element) : -1;
    return number >= 32 && number <= 255 ? static_cast<int>(number) : -1;
}

} // namespace

Tcharrangearray ParseCharRanges(const std::string& text) {
    Tcharrangearray result;
    // A quoted comma becomes the number 44 so that it no longer splits items.
    std::string source = text;
    for (std::size_t at; (at = source.find("\",\"")) != std::string::npos;)
        source.replace(at, 3, "44 ");
    TStringList items, elements;
    SplitText(items, source, ',');
    for (const std::string& item : items) {
        SplitTextByString(elements, Trim(item), "..");
        int first = -1, last = -1;
        for (std::size_t n = 0; n < elements.size(); ++n) {
            const int code = ElementCode(Trim(elements[n]));
            if (code == AllCodes) {
                first = 32;
                last = 255;
            } else if (code >= 0 && n == 0) {
                first = last = code;
            } else if (code >= 0 && code > last) {
                last = code;
            }
        }
        if (first >= 0 && last >= first) result.emplace_back(first, last);
    }
    return result;
}
