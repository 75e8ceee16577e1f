#include "finder/foundfont.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

std::string FoundKindText(TFoundKind kind) {
    switch (kind) {
    case TFoundKind::Charset:
        return "8x8 set";
    case TFoundKind::Udg:
        return "UDG block";
    case TFoundKind::Fzx:
        return "FZX font";
    }
    return "";
}

std::string PlaceText(const TScanArea& area, std::size_t offset) {
    char number[24];
    if (area.Name.empty()) {
        std::snprintf(number, sizeof number, "0x%04llX",
                      static_cast<unsigned long long>(area.Base + offset));
        return number;
    }
    std::snprintf(number, sizeof number, "+0x%llX", static_cast<unsigned long long>(offset));
    return area.Name + number;
}

namespace {

// A whole number, hexadecimal after 0x, else decimal; nothing else.
bool ParseNumber(const std::string& text, unsigned long long& value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 12) return false;
    for (char c : digits)
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
                  : std::isdigit(static_cast<unsigned char>(c))))
            return false;
    value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    return true;
}

} // namespace

bool FindPlace(const std::vector<TScanArea>& areas, const std::string& place, std::size_t& area,
               std::size_t& offset) {
    const std::size_t plus = place.find('+');
    const std::string name = plus == std::string::npos ? std::string() : place.substr(0, plus);
    unsigned long long number = 0;
    if (!ParseNumber(plus == std::string::npos ? place : place.substr(plus + 1), number))
        return false;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const TScanArea& a = areas[i];
        if (a.Name != name) continue;
        if (name.empty() && number < a.Base) continue;
        const unsigned long long at = name.empty() ? number - a.Base : number;
        if (at >= a.Bytes.size()) continue;
        area = i;
        offset = static_cast<std::size_t>(at);
        return true;
    }
    return false;
}
