#pragma once
// The fixed table behind the character list: one row per code 32..255, the
// columns "Preview" (painted by TPreviewDelegate, no text) and "Character"
// (the code's caption). Read only; the texts never change.

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class TCharGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int FirstCode = 32;
    static constexpr int RecordCount = 224;
    enum Column { PreviewColumn = 0, CharacterColumn = 1 };

    explicit TCharGridModel(QObject* parent = nullptr);

    // The caption of code centred in three characters, as the list shows it.
    static QString CharText(int code);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Display text of the "Character" column; the preview cells hold none.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // "Prevw.:" and "Chr:" across the top; no row headers.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Selectable, never editable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    QVector<QString> FTexts;
};
