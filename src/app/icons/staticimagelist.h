#pragma once
// The toolbar icon set: 53 icons of 16 x 16 pixels, indexed as the actions
// name them, and the looks a toolbar item takes from them: colour when on or
// not checkable, grey when a checkable item is off, embossed when disabled.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QString>

class TStaticImageList {
  public:
    static constexpr const char* DefaultCheckableIcons = "--XX--XXXXX---------------XXX";

    explicit TStaticImageList(const QString& checkableIcons = DefaultCheckableIcons);

    int Count() const;
    const QString& CheckableIcons() const { return FCheckableIcons; }
    // True when CheckableIcons has a character at `index` and it is not '-'.
    bool IsCheckable(int index) const;

    // 16 x 16 ARGB32 pictures; null images for an index outside 0..Count()-1.
    QImage ColorImage(int index) const;
    QImage GrayImage(int index) const;
    // Embossed in the colours of `palette` (by default the application's).
    QImage EmbossedImage(int index, const QPalette& palette) const;
    QImage EmbossedImage(int index) const;

    // Normal and active: On in colour, Off in colour or, when checkable, in
    // grey; disabled: embossed in both states. Pixmaps at 16 x 16 and at twice
    // the size for a device pixel ratio of 2, enlarged without smoothing.
    // A null icon for an index outside 0..Count()-1.
    QIcon Icon(int index) const;

    // Each pixel's grey level is (77 red + 151 green + 28 blue) / 256, the
    // fraction dropped; alpha is kept.
    static QImage Grayed(const QImage& image);
    // Exactly-black opaque pixels form the shape: on an opaque `face`
    // background, the shape is drawn in `highlight` one pixel right and one
    // down, then in `shadow` at its place.
    static QImage Embossed(const QImage& image, QColor face, QColor highlight, QColor shadow);
    // Embossed in Button (face), Light (highlight) and Dark (shadow) of `palette`.
    static QImage Embossed(const QImage& image, const QPalette& palette);

  private:
    QString FCheckableIcons;
};

// The icon set of the toolbars, built on first use.
const TStaticImageList& ToolbarImageList();

// Adds `image` to `icon` at its own size and, enlarged 2 x without smoothing,
// at device pixel ratio 2, so the icon is never blurred at 16 x 16.
void AddCrispPixmaps(QIcon& icon, const QImage& image, QIcon::Mode mode, QIcon::State state);
