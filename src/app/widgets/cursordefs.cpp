#include "widgets/cursordefs.h"

#include <QImage>
#include <QPixmap>

#include "icons/iconart.h"

namespace {

// Icon art ('k' black, 'w' white, '.' transparent); hot spots are given apart.
// clang-format off
const char* const PencilArt[] = {
    "...........kkk..",
    "..........kwwwk.",
    ".........kwkwwk.",
    "........kwkwkk..",
    ".......kwkwk.k..",
    "......kwkwk.k...",
    ".....kwkwk.k....",
    "....kwkwk.k.....",
    "...kwkwk.k......",
    "..kwkwk.k.......",
    "..kkwk.k........",
    ".kwwkkk.........",
    ".kwwwk..........",
    "kwwkk...........",
    "kkk.............",
    "k...............",
};
const char* const CrossArt[] = {
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    "................",
    "kkkkkk...kkkkkk.",
    "................",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    ".......k........",
    "................",
};
const char* const EraserArt[] = {
    "................",
    "........kkkkkk..",
    ".......kwwwwwkk.",
    "......kwwwwwkwk.",
    ".....kwwwwwkwwk.",
    "....kwwwwwkwwk..",
    "...kkkkkkkwwk...",
    "..kwkwwwkwwk....",
    ".kwwwkwwwkk.....",
    "kwwwwwkwk.......",
    "kwwwwwwk........",
    ".kwwwwk.........",
    "..kkkk..........",
    "................",
    "................",
    "................",
};
// clang-format on

QCursor ArtCursor(const char* const art[], int hotX, int hotY) {
    const QImage image = ArtImage(art);
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
