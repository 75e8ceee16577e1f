#include "pngwriter.h"

#include <QImage>
#include <QString>

#include "raster.h"

std::string WritePNG(const TRaster& raster, const std::string& fileName) {
    if (raster.Empty()) return "cannot write an empty picture";
    // The raster's 0xFFRRGGBB words are exactly QImage's RGB32 layout.
    const QImage image(reinterpret_cast<const uchar*>(raster.Bits()), raster.Width(),
                       raster.Height(), raster.BytesPerLine(), QImage::Format_RGB32);
    if (!image.save(QString::fromStdString(fileName), "PNG"))
        return "cannot write '" + fileName + "'";
    return "";
}
