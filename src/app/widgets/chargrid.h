#pragma once
// The character list: one row per code 32..255 with a picture of the glyph
// and the character. Whenever a row becomes current (pointer, keyboard,
// typed character, SelectRow, first painting) it reports the row, counted
// from 1, through CellPositionChanged; the window makes that glyph current.

#include <QHash>
#include <QTableView>

#include "model/font.h"

class TCharGridModel;
class TPreviewDelegate;

class TDatabaseGrid : public QTableView {
    Q_OBJECT
  public:
    // The font is read at paint time and must outlive the grid.
    explicit TDatabaseGrid(TFZXFont& font, QWidget* parent = nullptr);

    // Row 1..224 of the current cell, 0 when there is none.
    int CurrentRow() const;
    // Height a row's section needs for a picture of that height: the cell
    // plus its grid line, never below the default row.
    int RowSectionFor(int pictureHeight) const;
    // Wide enough for both columns beside the scroll bar: the list never
    // loses its character column to a crowded window.
    QSize minimumSizeHint() const override;

  public slots:
    // Makes row (1..224) current, scrolls to it and reports it, also when it
    // already was current. Other rows are ignored.
    void SelectRow(int row);
    // Schedules a repaint of every cell, to follow a change of the font.
    void Refresh();
    // Gives the report of the first painting now, if the list has not been
    // painted yet; later paints report nothing.
    void FirstPaintReport();

  signals:
    // A row (1..224) was chosen; code = row + 31, glyph index = row - 1.
    void CellPositionChanged(int row);

  protected:
    // A printable Latin-1 character selects its own row.
    void keyboardSearch(const QString& search) override;
    // A click on the cell that is already current reports it again.
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    void GrowRow(int row, int pictureHeight);
    void GrowGlyphRows();
    void ApplyRowHeights();
    void ReportCurrent();

    TFZXFont& FFont;
    TCharGridModel* FModel;
    TPreviewDelegate* FDelegate;
    // Heights asked for while painting, applied after the paint event so the
    // layout does not change under the painter.
    QHash<int, int> FPendingHeights;
    bool FHeightsQueued = false;
    bool FPaintedOnce = false;
};
