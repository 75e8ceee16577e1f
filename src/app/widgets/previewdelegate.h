#pragma once
// Paints the "Preview" cells of the character list: the glyph's body cell as
// a yellow box with its pixels, enlarged for small fonts, and a red cross
// over codes above the font's LastChar. Other cells are painted as usual.

#include <QStyledItemDelegate>
#include <functional>

#include "model/font.h"
#include "raster/raster.h"

class TPreviewDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // The font is read at paint time and must outlive the delegate.
    TPreviewDelegate(TFZXFont& font, QObject* parent = nullptr);

    // Told the picture height of each preview it paints (row counted from 0),
    // so the view can make the row tall enough.
    std::function<void(int row, int pictureHeight)> OnPictureHeight;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    void PaintPicture(QPainter* painter, const QRect& cell, int cellWidth, int index) const;

    TFZXFont& FFont;
    // One raster reused for every cell: it only reallocates when the picture
    // size changes, which is rare since most glyphs of a font share a size.
    mutable TRaster FRaster;
};
