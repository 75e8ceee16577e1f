#include "appicon.h"

#include <QPixmap>

namespace {

// '.' transparent, 'N' frame, 'w' paper, 'k' ink, then the stripes
// 'r' red, 'Y' yellow, 'E' green, 'C' cyan.
// clang-format off
const char* const Master[16] = {
    ".NNNNNNNNNNNNNN.",
    "NwwwwwwwwwwwwwwN",
    "NwwwkkkkkkwwwwwN",
    "NwwkkkkkkkkwwwwN",
    "NwkkwwwwwwkkwwwN",
    "NwkkwwwwwwkkwwwN",
    "NwkkwwwwwwkkwwwN",
    "NwkkwwwwwwkkwwwN",
    "NwkkwwwkkwkkwwwN",
    "NwkkwwwwkkkkwwrN",
    "NwwkkkkkkkkwwrYN",
    "NwwwkkkkkkkwrYEN",
    "NwwwwwwwwwwrYECN",
    "NwwwwwwwwwrYECwN",
    "NwwwwwwwwrYECwwN",
    ".NNNNNNNNNNNNNN.",
};
// clang-format on

QRgb MasterColor(char letter) {
    switch (letter) {
    case 'N':
        return qRgb(30, 50, 120);
    case 'w':
        return qRgb(255, 255, 255);
    case 'k':
        return qRgb(0, 0, 0);
    case 'r':
        return qRgb(220, 40, 40);
    case 'Y':
        return qRgb(250, 210, 0);
    case 'E':
        return qRgb(30, 170, 60);
    case 'C':
        return qRgb(0, 190, 200);
    default:
        return qRgba(0, 0, 0, 0);
    }
}

const QRgb GridColor = qRgb(214, 222, 238);

} // namespace

const QList<int>& AppIconSizes() {
    static const QList<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage PaintAppIcon(int size) {
    if (size < 16) return QImage();
    const bool cells = size % 16 == 0;
    const int cell = cells ? size / 16 : 1;
    const int offset = cells ? 0 : (size - 16) / 2;
    // Grid lines need room: below 4 pixels a cell would be mostly line.
    const bool grid = cell >= 4;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char letter = Master[y][x];
            if (letter == '.') continue;
            for (int dy = 0; dy < cell; ++dy) {
                for (int dx = 0; dx < cell; ++dx) {
                    const bool line = grid && letter == 'w' && (dx == 0 || dy == 0);
                    image.setPixel(offset + x * cell + dx, offset + y * cell + dy,
                                   line ? GridColor : MasterColor(letter));
                }
            }
        }
    }
    return image;
}

QIcon AppIcon() {
    // The resources sit in a static library: make sure they are linked in.
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : AppIconSizes())
        icon.addFile(QStringLiteral(":/icons/app/quorrel-%1.png").arg(size), QSize(size, size));
    return icon;
}
