#pragma once
// Text fields hold Unicode; the font addresses characters by one byte. Typed
// text becomes the font's codes as an 8-bit Windows text field would make
// them: Latin-1, each character beyond it a "?".

#include <QString>
#include <string>

inline std::string ToFontText(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        out.push_back(u <= 0xFF ? static_cast<char>(u) : '?');
    }
    return out;
}

inline QString FromFontText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
