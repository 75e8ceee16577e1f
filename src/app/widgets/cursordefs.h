#pragma once
// The pointer shapes of the drawing tools, drawn as pixel art: a pencil
// whose hot spot is its tip, a cross-hair and an eraser.

#include <QCursor>

#include "drawing/drawtools.h"

// The cursor for a shape; Default gives the arrow.
QCursor PointerCursor(TPointerShape shape);
