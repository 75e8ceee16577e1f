#include "previewdelegate.h"

#include <QPainter>
#include <QTableView>

#include "platform/qtraster.h"
#include "shell/listzoom.h"
#include "widgets/chargridmodel.h"

namespace {

constexpr TColor ListYellow = RGBColor(255, 255, 0);
// The picture sits this far right of the cell's left edge.
constexpr int PictureIndent = 6;

} // namespace

TPreviewDelegate::TPreviewDelegate(TFZXFont& font, QObject* parent)
    : QStyledItemDelegate(parent), FFont(font) {}

void TPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != TCharGridModel::PreviewColumn) return;

    const QRect cell = option.rect;
    const int glyph = index.row();
    // The zoom rule measures the column, not the cell inside its grid lines.
    const auto* view = qobject_cast<const QTableView*>(option.widget);
    const int cellWidth = view ? view->columnWidth(index.column()) : cell.width();

    painter->save();
    painter->setClipRect(cell, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (glyph >= 0 && glyph < FFont.Count()) PaintPicture(painter, cell, cellWidth, glyph);
    if (glyph + TCharGridModel::FirstCode > FFont.LastChar()) {
        // Corner to corner of the cell, right and bottom exclusive; the flat
        // cap leaves each line's end pixel out.
        QPen pen(Qt::red, 1, Qt::SolidLine, Qt::FlatCap);
        pen.setCosmetic(true);
        painter->setPen(pen);
        const int right = cell.left() + cell.width();
        const int bottom = cell.top() + cell.height();
        painter->drawLine(cell.left(), cell.top(), right, bottom);
        painter->drawLine(right, cell.top(), cell.left(), bottom);
    }
    painter->restore();
}

void TPreviewDelegate::PaintPicture(QPainter* painter, const QRect& cell, int cellWidth,
                                    int index) const {
    TFZXDrawSettings& settings = FFont.DrawSettings();
    // The settings are shared with the canvas and the preview strip, so set
    // what this picture relies on every time.
    settings.SetOrigin(0, 0);
    settings.SetColors(ListYellow, clBlack, ListYellow, ListYellow, clRed);

    const int columns = FFont.CellSize(index, 1).first;
    const int zoom = CharListZoom(FFont.Height(), columns, cellWidth);
    FFont.Glyph(index).Draw(FRaster, zoom, false, false, true, false);
    if (OnPictureHeight) OnPictureHeight(index, FRaster.Height());
    if (FRaster.Empty()) return;
    painter->drawImage(QPoint(cell.left() + PictureIndent, cell.top()), RasterImage(FRaster));
}
