#include "chargridmodel.h"

#include "platform/fonttext.h"
#include "text/charcaption.h"
#include "text/textrows.h"

TCharGridModel::TCharGridModel(QObject* parent) : QAbstractTableModel(parent) {
    FTexts.reserve(RecordCount);
    for (int row = 0; row < RecordCount; ++row)
        FTexts.push_back(CharText(row + FirstCode));
}

QString TCharGridModel::CharText(int code) {
    return FromFontText(PadText(CharCaption(code, false), 3, ' ', 2));
}

int TCharGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RecordCount;
}

int TCharGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TCharGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= RecordCount) return {};
    if (role == Qt::DisplayRole && index.column() == CharacterColumn) return FTexts[index.row()];
    return {};
}

QVariant TCharGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role != Qt::DisplayRole) return {};
    return section == PreviewColumn     ? QStringLiteral("Prevw.:")
           : section == CharacterColumn ? QStringLiteral("Chr:")
                                        : QVariant();
}

Qt::ItemFlags TCharGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
