#include "widgets/cursordefs.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

namespace {

// 'X' black, '-' white, '.' transparent; the hot spot is given separately.
// clang-format off
const char* const PencilArt[] = {
    "...........XXX..",
    "..........X---X.",
    ".........X-X--X.",
    "........X-X-XX..",
    ".......X-X-X.X..",
    "......X-X-X.X...",
    ".....X-X-X.X....",
    "....X-X-X.X.....",
    "...X-X-X.X......",
    "..X-X-X.X.......",
    "..XX-X.X........",
    ".X--XXX.........",
    ".X---X..........",
    "X--XX...........",
    "XXX.............",
    "X...............",
};
const char* const CrossArt[] = {
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    "................",
    "XXXXXX...XXXXXX.",
    "................",
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    ".......X........",
    "................",
};
const char* const EraserArt[] = {
    "................",
    "........XXXXXX..",
    ".......X-----XX.",
    "......X-----X-X.",
    ".....X-----X--X.",
    "....X-----X--X..",
    "...XXXXXXX--X...",
    "..X-X---X--X....",
    ".X---X---XX.....",
    "X-----X-X.......",
    "X------X........",
    ".X----X.........",
    "..XXXX..........",
    "................",
    "................",
    "................",
};
// clang-format on

QCursor ArtCursor(const char* const art[], int hotX, int hotY) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = art[y][x];
            if (c == 'X') image.setPixel(x, y, qRgb(0, 0, 0));
            if (c == '-') image.setPixel(x, y, qRgb(255, 255, 255));
        }
    // Twice the size reads better on today's screens; still crisp.
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return QCursor(pixmap, hotX * 2, hotY * 2);
}

} // namespace

QCursor PointerCursor(TPointerShape shape) {
    switch (shape) {
    case TPointerShape::Pencil: {
        static const QCursor pencil = ArtCursor(PencilArt, 0, 15);
        return pencil;
    }
    case TPointerShape::CrossHair: {
        static const QCursor cross = ArtCursor(CrossArt, 7, 7);
        return cross;
    }
    case TPointerShape::Eraser: {
        static const QCursor eraser = ArtCursor(EraserArt, 3, 10);
        return eraser;
    }
    case TPointerShape::Default:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}
