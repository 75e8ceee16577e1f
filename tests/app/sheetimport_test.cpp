// The picture sheet dialog on its own: it starts from the grid found (and
// says when that is unsure), the columns follow the cell size and the
// picture's width unless the user typed them, and Invert swaps ink and paper.

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>
#include <algorithm>
#include <iterator>

#include "dialogs/sheetimportdialog.h"

class SheetImportTest : public QObject {
    Q_OBJECT
  private slots:
    void columnsFollowTheCellSize();
    void invertSwapsInkAndPaper();
    void startsFromGapsAndMarginsFound();
    void saysWhenTheGridIsUnsure();
    void typedColumnsStay();
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

// White on black: 3 rows of 16 cells of 8 x 14, gaps of 2, margins of 10 x 6
// all round; each character a box of 5 x 12 with its code's bits inside.
TRaster GappedSheet() {
    TRaster picture(2 * 10 + 16 * 8 + 15 * 2, 2 * 6 + 3 * 14 + 2 * 2, clBlack);
    for (int cell = 0; cell < 48; ++cell) {
        const int left = 10 + cell % 16 * 10, top = 6 + cell / 16 * 16;
        for (int y = 1; y <= 12; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool edge = x == 0 || x == 4 || y == 1 || y == 12;
                if (edge || ((cell + 1) >> ((x + y) % 6) & 1))
                    picture.SetPixel(left + x, top + y, clWhite);
            }
    }
    return picture;
}

void SheetImportTest::startsFromGapsAndMarginsFound() {
    const TRaster picture = GappedSheet();
    TSheetImportDialog dialog(picture, "gapped.png");
    const int found[] = {dialog.CellWidthEdit->value(), dialog.CellHeightEdit->value(),
                         dialog.GapXEdit->value(),      dialog.GapYEdit->value(),
                         dialog.MarginXEdit->value(),   dialog.MarginYEdit->value(),
                         dialog.ColumnsEdit->value()};
    const int expected[] = {8, 14, 2, 2, 10, 6, 16};
    QVERIFY(std::equal(std::begin(found), std::end(found), std::begin(expected)));
    QVERIFY(!dialog.InvertCheck->isChecked());
    QCOMPARE(dialog.GuessLabel->text(),
             QString("Grid found: 8x14 cells, gap 2, margin 10x6, 16 columns. Light ink on dark "
                     "paper."));
    QCOMPARE(dialog.StatusLabel->text(), QString("48 characters, codes 32 to 79."));
}

void SheetImportTest::saysWhenTheGridIsUnsure() {
    // Two dots: no grid can be told, and the dialog says so.
    TRaster picture(128, 48);
    picture.SetPixel(3, 3, clBlack);
    picture.SetPixel(100, 40, clBlack);
    TSheetImportDialog dialog(picture, "dots.png");
    QVERIFY(dialog.GuessLabel->text().startsWith("Not sure of the grid. "));
    QVERIFY(dialog.GuessLabel->text().endsWith("check it against the picture."));
}

void SheetImportTest::typedColumnsStay() {
    const TRaster picture = GappedSheet();
    TSheetImportDialog dialog(picture, "gapped.png");
    dialog.MarginXEdit->setValue(0);
    dialog.ColumnsEdit->setValue(12);
    // Neither a margin, a gap nor a cell width changes what the user typed.
    dialog.MarginXEdit->setValue(10);
    dialog.GapXEdit->setValue(1);
    dialog.CellWidthEdit->setValue(9);
    QCOMPARE(dialog.ColumnsEdit->value(), 12);
}

QTEST_MAIN(SheetImportTest)
#include "sheetimport_test.moc"
