#pragma once
// The program's own icon: a pixel letter Q on an editing grid with the four
// Spectrum stripes. Shipped as PNG files in the icon theme sizes, embedded as
// resources ":/icons/app/quorrel-<size>.png".

#include <QIcon>
#include <QImage>
#include <QList>

// 16, 22, 24, 32, 48, 64, 128, 256.
const QList<int>& AppIconSizes();

// The picture at `size` pixels, drawn from the 16 x 16 master without
// smoothing: sizes that are multiples of 16 enlarge each master pixel to a
// square cell (with grid lines from 64 on), the others centre the master.
// The shipped PNG files are these pictures.
QImage PaintAppIcon(int size);

// The icon built from the embedded PNG files, one pixmap per size.
QIcon AppIcon();
