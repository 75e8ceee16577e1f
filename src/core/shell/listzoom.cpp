#include "shell/listzoom.h"

int CharListZoom(int bodyHeight, int columns, int cellWidth) {
    int zoom = 1;
    if (bodyHeight > 0 && bodyHeight < CharListRowHeight) {
        zoom = CharListRowHeight / bodyHeight;
        while (zoom > 1 && zoom * columns > cellWidth)
            --zoom;
    }
    return zoom;
}
