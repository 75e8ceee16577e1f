#pragma once
// Core rasters shown by Qt: the pixels are 0xFFRRGGBB, the layout of
// QImage::Format_RGB32, so a raster is wrapped without copying.

#include <QColor>
#include <QImage>

#include "raster/raster.h"

// A QImage over the raster's memory; valid while the raster is alive and
// keeps its size. An empty raster gives a null image.
inline QImage RasterImage(const TRaster& raster) {
    if (raster.Empty()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(raster.Bits()), raster.Width(), raster.Height(),
                  raster.BytesPerLine(), QImage::Format_RGB32);
}

inline TColor ToTColor(const QColor& c) {
    return RGBColor(c.red(), c.green(), c.blue());
}
