// The picture sheet dialog on its own: the columns follow the cell size and
// the picture's width, and Invert swaps ink and paper.

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

#include "dialogs/sheetimportdialog.h"

class SheetImportTest : public QObject {
    Q_OBJECT
  private slots:
    void columnsFollowTheCellSize();
    void invertSwapsInkAndPaper();
};

void SheetImportTest::columnsFollowTheCellSize() {
    // 256 x 24 with one dot in each corner cell of 8 x 8: no grid to see.
    TRaster picture(256, 24);
    picture.SetPixel(1, 1, clBlack);
    picture.SetPixel(249, 17, clBlack);
    TSheetImportDialog dialog(picture, "plain.png");
    struct {
        QSpinBox* Box;
        int Value, Columns;
    } steps[] = {
        {dialog.CellWidthEdit, 8, 32},
        {dialog.GapXEdit, 2, 25},
        {dialog.MarginXEdit, 6, 25},
        {dialog.GapXEdit, 0, 31},
    };
    dialog.CellHeightEdit->setValue(8);
    for (const auto& s : steps) {
        s.Box->setValue(s.Value);
        QCOMPARE(dialog.ColumnsEdit->value(), s.Columns);
    }
    // The user's own column count stays until the cells change again.
    dialog.MarginXEdit->setValue(0);
    dialog.ColumnsEdit->setValue(16);
    dialog.FirstCodeEdit->setValue(40);
    QCOMPARE(dialog.ColumnsEdit->value(), 16);
    dialog.CellWidthEdit->setValue(8);
    dialog.ColumnsEdit->setValue(32);
    dialog.FirstCodeEdit->setValue(32);
    // The dot of the last row's last cell is code 32 + 2 * 32 + 31.
    QCOMPARE(dialog.PreviewFont().LastChar(), 127);
    QCOMPARE(dialog.StatusLabel->text(), QString("96 characters, codes 32 to 127."));
}

void SheetImportTest::invertSwapsInkAndPaper() {
    TRaster picture(16, 8);
    picture.SetPixel(9, 3, clBlack);
    TSheetImportDialog dialog(picture, "dot.png");
    dialog.CellWidthEdit->setValue(8);
    dialog.CellHeightEdit->setValue(8);
    QCOMPARE(dialog.ColumnsEdit->value(), 2);
    QCOMPARE(dialog.PreviewFont().Glyph(1).RowCount(), 1);
    QCOMPARE(dialog.PreviewFont().Glyph(1).Leading(), 3);
    QVERIFY(!dialog.Options().Invert);
    dialog.InvertCheck->setChecked(true);
    QVERIFY(dialog.Options().Invert);
    QCOMPARE(dialog.PreviewFont().Glyph(0).RowCount(), 8);
    QCOMPARE(dialog.PreviewFont().Glyph(1).RowCount(), 8);
}

QTEST_MAIN(SheetImportTest)
#include "sheetimport_test.moc"
