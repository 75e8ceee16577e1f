#include "drawing/charranges.h"

#include <cctype>

#include "text/textrows.h"
#include "text/wholenumber.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A number element: -1 for anything that is no whole number.
long long ReadNumber(const std::string& text) {
    return ReadWholeNumber(text).value_or(-1);
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
        SplitTextByString(elements, TrimBlanks(item), "..");
        int first = -1, last = -1;
        for (std::size_t n = 0; n < elements.size(); ++n) {
            const int code = ElementCode(TrimBlanks(elements[n]));
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
