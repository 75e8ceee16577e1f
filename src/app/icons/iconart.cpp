#include "iconart.h"

#include <cstring>

bool ArtColor(char letter, QRgb& color) {
    switch (letter) {
    case '.':
        color = qRgba(0, 0, 0, 0);
        return true;
    case 'k':
        color = qRgb(0, 0, 0);
        return true;
    case 'w':
        color = qRgb(255, 255, 255);
        return true;
    case 'l':
        color = qRgb(200, 200, 200);
        return true;
    case 'd':
        color = qRgb(128, 128, 128);
        return true;
    case 'r':
        color = qRgb(224, 32, 32);
        return true;
    case 'R':
        color = qRgb(144, 0, 0);
        return true;
    case 'y':
        color = qRgb(255, 216, 0);
        return true;
    case 'o':
        color = qRgb(232, 136, 0);
        return true;
    case 'n':
        color = qRgb(152, 88, 32);
        return true;
    case 'b':
        color = qRgb(40, 100, 220);
        return true;
    case 'c':
        color = qRgb(150, 196, 255);
        return true;
    case 'N':
        color = qRgb(24, 40, 120);
        return true;
    case 'g':
        color = qRgb(32, 160, 48);
        return true;
    case 'G':
        color = qRgb(150, 225, 150);
        return true;
    case 'p':
        color = qRgb(240, 150, 170);
        return true;
    case 's':
        color = qRgb(255, 244, 200);
        return true;
    default:
        return false;
    }
}

QImage ArtImage(const char* const* rows) {
    if (!rows) return QImage();
    QImage image(IconArtSize, IconArtSize, QImage::Format_ARGB32);
    for (int y = 0; y < IconArtSize; ++y) {
        const char* row = rows[y];
        if (!row || std::strlen(row) != IconArtSize) return QImage();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < IconArtSize; ++x)
            if (!ArtColor(row[x], line[x])) return QImage();
    }
    return image;
}
