#include "widgets/foundfontslist.h"

#include <QPixmap>

#include "finder/fontfinder.h"
#include "finder/foundsample.h"
#include "model/font.h"
#include "platform/qtraster.h"

namespace {
constexpr int kZoom = 2;
constexpr int kSampleWidth = 600; // pixels of the picture, zoomed
} // namespace

TFoundFontsList::TFoundFontsList(QWidget* parent) : QListWidget(parent) {
    setObjectName("FoundFontsList");
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One find under the other, its sample line above its place and kind.
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(false);
    setSpacing(4);
}

void TFoundFontsList::Show(const std::vector<TScanArea>& areas,
                           const std::vector<TFoundFont>& found) {
    clear();
    QSize largest(1, 1);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const TFoundFont& f = found[i];
        const QString text = QString::fromStdString(PlaceText(areas[f.Area], f.Offset) + ": " +
                                                    FoundFontText(areas, f));
        auto* item = new QListWidgetItem(text, this);
        item->setData(Qt::UserRole, static_cast<int>(i));
        TFZXFont font;
        if (ReadFoundFont(font, areas, f).empty()) {
            const TRaster sample = FoundFontPicture(font, f, kZoom, kSampleWidth);
            const QPixmap pixmap = QPixmap::fromImage(RasterImage(sample).copy());
            item->setIcon(QIcon(pixmap));
            largest = largest.expandedTo(pixmap.size());
        }
    }
    // Icons at their own size: a sample line must not be squeezed.
    setIconSize(largest);
    if (count() > 0) setCurrentRow(0);
}

int TFoundFontsList::Chosen() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}
