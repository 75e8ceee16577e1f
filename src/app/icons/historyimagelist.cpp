#include "historyimagelist.h"

#include <QApplication>

#include "historyicons.h"
#include "iconart.h"
#include "staticimagelist.h"

int THistoryImageList::Count() const {
    return HistoryIconCount;
}

QImage THistoryImageList::Image(int action) const {
    return ArtImage(HistoryIconArt(action));
}

QIcon THistoryImageList::Icon(int action) const {
    if (action < 0 || action >= Count()) return QIcon();
    if (FIcons.empty()) FIcons.resize(static_cast<std::size_t>(Count()));
    QIcon& icon = FIcons[static_cast<std::size_t>(action)];
    if (icon.isNull()) icon = MakeIcon(action);
    return icon;
}

QIcon THistoryImageList::MakeIcon(int action) const {
    const QImage color = Image(action);
    if (color.isNull()) return QIcon();
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
        AddCrispPixmaps(icon, color, mode, QIcon::Off);
    AddCrispPixmaps(icon, TStaticImageList::Embossed(color, QApplication::palette()),
                    QIcon::Disabled, QIcon::Off);
    return icon;
}

const THistoryImageList& HistoryImageList() {
    static const THistoryImageList list;
    return list;
}
