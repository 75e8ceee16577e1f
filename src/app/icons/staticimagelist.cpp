#include "staticimagelist.h"

#include <QApplication>
#include <QPixmap>

#include "iconart.h"
#include "toolbaricons.h"

TStaticImageList::TStaticImageList(const QString& checkableIcons)
    : FCheckableIcons(checkableIcons) {}

int TStaticImageList::Count() const {
    return ToolbarIconCount;
}

bool TStaticImageList::IsCheckable(int index) const {
    return index >= 0 && index < FCheckableIcons.size() &&
           FCheckableIcons[index] != QLatin1Char('-');
}

QImage TStaticImageList::ColorImage(int index) const {
    return ArtImage(ToolbarIconArt(index));
}

QImage TStaticImageList::GrayImage(int index) const {
    return Grayed(ColorImage(index));
}

QImage TStaticImageList::EmbossedImage(int index, const QPalette& palette) const {
    return Embossed(ColorImage(index), palette);
}

QImage TStaticImageList::EmbossedImage(int index) const {
    return EmbossedImage(index, QApplication::palette());
}

QIcon TStaticImageList::Icon(int index) const {
    const QImage color = ColorImage(index);
    if (color.isNull()) return QIcon();
    const QImage off = IsCheckable(index) ? Grayed(color) : color;
    const QImage disabled = Embossed(color, QApplication::palette());
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected}) {
        AddCrispPixmaps(icon, color, mode, QIcon::On);
        AddCrispPixmaps(icon, off, mode, QIcon::Off);
    }
    AddCrispPixmaps(icon, disabled, QIcon::Disabled, QIcon::On);
    AddCrispPixmaps(icon, disabled, QIcon::Disabled, QIcon::Off);
    return icon;
}

QImage TStaticImageList::Grayed(const QImage& image) {
    if (image.isNull()) return QImage();
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x];
            const int level = (77 * qRed(p) + 151 * qGreen(p) + 28 * qBlue(p)) / 256;
            line[x] = qRgba(level, level, level, qAlpha(p));
        }
    }
    return grey;
}

QImage TStaticImageList::Embossed(const QImage& image, QColor face, QColor highlight,
                                  QColor shadow) {
    if (image.isNull()) return QImage();
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width(), h = source.height();
    auto isShape = [&](int x, int y) { return source.pixel(x, y) == qRgba(0, 0, 0, 255); };
    QImage result(w, h, QImage::Format_ARGB32);
    result.fill(face.rgb());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isShape(x, y) && x + 1 < w && y + 1 < h)
                result.setPixel(x + 1, y + 1, highlight.rgb());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (isShape(x, y)) result.setPixel(x, y, shadow.rgb());
    return result;
}

QImage TStaticImageList::Embossed(const QImage& image, const QPalette& palette) {
    return Embossed(image, palette.color(QPalette::Button), palette.color(QPalette::Light),
                    palette.color(QPalette::Dark));
}

const TStaticImageList& ToolbarImageList() {
    static const TStaticImageList list;
    return list;
}

void AddCrispPixmaps(QIcon& icon, const QImage& image, QIcon::Mode mode, QIcon::State state) {
    icon.addPixmap(QPixmap::fromImage(image), mode, state);
    QPixmap doubled = QPixmap::fromImage(
        image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    doubled.setDevicePixelRatio(2);
    icon.addPixmap(doubled, mode, state);
}
