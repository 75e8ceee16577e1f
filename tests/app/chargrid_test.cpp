// The character list: layout and texts, the preview pictures and crosses as
// they appear on screen, row growth, and every way a row gets chosen.

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "model/font.h"
#include "widgets/chargrid.h"

namespace {

const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

// A font of codes 32..lastChar, every glyph width pixels wide and blank.
void MakeFont(TFZXFont& font, int height, int width, int lastChar) {
    font.Clear();
    font.SetHeight(height);
    font.SetLastChar(lastChar);
    for (int i = 0; i < font.Count(); ++i)
        font.Glyph(i).SetWidth(width);
}

std::string InkRow(int width, std::initializer_list<int> columns) {
    std::string row(static_cast<std::size_t>(width), '0');
    for (int c : columns)
        row[static_cast<std::size_t>(c)] = '1';
    return row;
}

struct Shot {
    QImage image;
    QRect cell;
};

// The viewport as painted, with the rectangle of row's preview cell.
Shot GrabPreview(TDatabaseGrid& grid, int row) {
    const QModelIndex index = grid.model()->index(row - 1, 0);
    grid.scrollTo(index, QAbstractItemView::PositionAtTop);
    grid.viewport()->grab();
    // Rows grow after the paint that measured their pictures.
    QCoreApplication::processEvents();
    return {grid.viewport()->grab().toImage(), grid.visualRect(index)};
}

// Extent of the colour starting at p, going right and going down.
QSize RunFrom(const QImage& image, QPoint p, QRgb colour) {
    int w = 0, h = 0;
    while (p.x() + w < image.width() && image.pixel(p.x() + w, p.y()) == colour)
        ++w;
    while (p.y() + h < image.height() && image.pixel(p.x(), p.y() + h) == colour)
        ++h;
    return {w, h};
}

int CountColour(const QImage& image, const QRect& rect, QRgb colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

class CharGridTest : public QObject {
    Q_OBJECT
    TFZXFont font;

  private slots:
    void init() { MakeFont(font, 8, 8, 255); }

    void layout() {
        TDatabaseGrid grid(font);
        QCOMPARE(grid.objectName(), QStringLiteral("DatabaseGrid1"));
        QCOMPARE(grid.model()->rowCount(), 224);
        QCOMPARE(grid.model()->columnCount(), 2);
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Prevw.:"));
        QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Chr:"));
        QCOMPARE(grid.columnWidth(0), 70);
        QCOMPARE(grid.columnWidth(1), 44);
        QVERIFY(grid.verticalHeader()->isHidden());
        QVERIFY(!grid.horizontalHeader()->isHidden());
        QVERIFY(grid.showGrid());
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(grid.model()->flags(grid.model()->index(33, 1)) & Qt::ItemIsEditable));
        QCOMPARE(grid.font().pixelSize(), 16);
        QCOMPARE(grid.CurrentRow(), 1);
        // A row not yet painted: a 24-pixel cell inside its grid line.
        QCOMPARE(grid.visualRect(grid.model()->index(223, 0)).height(), 24);
    }

    void charTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank") << 32 << QStringLiteral("   ");
        QTest::newRow("A") << 65 << QStringLiteral(" A ");
        QTest::newRow("127 is the copyright sign") << 127 << QStringLiteral(" \u00A9 ");
        QTest::newRow("128 as a number") << 128 << QStringLiteral("128");
        QTest::newRow("255") << 255 << QStringLiteral("255");
    }
    void charTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        TDatabaseGrid grid(font);
        const QModelIndex index = grid.model()->index(code - 32, 1);
        QCOMPARE(index.data().toString(), text);
        QVERIFY(grid.model()->index(code - 32, 0).data().toString().isEmpty());
    }

    // The picture is the glyph's body cell in yellow at (left + 6, top),
    // enlarged for small fonts as far as the cell's width allows.
    void pictures_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("zoom");
        QTest::newRow("8x8 at zoom 3") << 8 << 8 << QSize(24, 24) << 3;
        QTest::newRow("30 wide falls back to zoom 2") << 8 << 30 << QSize(60, 16) << 2;
        QTest::newRow("height 16 at zoom 1") << 16 << 8 << QSize(8, 16) << 1;
        QTest::newRow("height 40 grows the row") << 40 << 8 << QSize(8, 40) << 1;
    }
    void pictures() {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(QSize, picture);
        QFETCH(int, zoom);
        MakeFont(font, height, width, 255);
        // Ink in the first column of the first row, blank everywhere else.
        font.Glyph(0).SetRows(InkRow(width, {0}));
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        const Shot shot = GrabPreview(grid, 1);
        const QPoint origin = shot.cell.topLeft() + QPoint(6, 0);
        QCOMPARE(RunFrom(shot.image, origin, Black), QSize(zoom, zoom));
        // The rest of the body cell: right of the ink and below it.
        const QSize right = RunFrom(shot.image, origin + QPoint(zoom, 0), Yellow);
        const QSize below = RunFrom(shot.image, origin + QPoint(0, zoom), Yellow);
        QCOMPARE(QSize(zoom + right.width(), zoom + below.height()), picture);
        // The cell holds the whole picture; rows never fall below 24.
        QVERIFY(shot.cell.height() >= std::max(24, picture.height()));
        QCOMPARE(grid.rowHeight(0), grid.RowSectionFor(picture.height()));
        // Rows not painted yet keep the default height.
        QCOMPARE(grid.rowHeight(223), grid.RowSectionFor(0));
    }

    void rowsNeverShrink() {
        MakeFont(font, 40, 8, 255);
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        GrabPreview(grid, 1);
        const int tall = grid.rowHeight(0);
        QVERIFY(tall > grid.RowSectionFor(0));
        font.SetHeight(8);
        GrabPreview(grid, 1);
        QCOMPARE(grid.rowHeight(0), tall);
    }

    void overflowInkIsRed() {
        MakeFont(font, 8, 20, 255);
        font.Glyph(0).SetRows(InkRow(20, {15, 16}));
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        const Shot shot = GrabPreview(grid, 1);
        const QPoint origin = shot.cell.topLeft() + QPoint(6, 0);
        QCOMPARE(shot.image.pixel(origin + QPoint(15 * 3 + 1, 1)), Black);
        QCOMPARE(shot.image.pixel(origin + QPoint(16 * 3 + 1, 1)), Red);
    }

    // Codes above LastChar are crossed out, with or without a glyph.
    void crosses() {
        MakeFont(font, 8, 8, 255);
        font.Glyph(200 - 32).SetRows(InkRow(8, {0}));
        font.SetLastChar(127); // keeps the inked glyph of code 200
        QVERIFY(font.Count() > 200 - 32);
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        const struct {
            int code;
            bool crossed;
        } rows[] = {{32, false}, {127, false}, {128, true}, {200, true}, {255, true}};
        for (const auto& r : rows) {
            const Shot shot = GrabPreview(grid, r.code - 31);
            // Both diagonals: the middle of the top and of the bottom edge
            // is far from the picture, so red there is the cross only.
            const QRect cell = shot.cell;
            const int reds = CountColour(shot.image, cell.adjusted(40, 0, 0, 0), Red);
            QVERIFY2((reds > 0) == r.crossed, qPrintable(QString::number(r.code)));
            // Codes the font holds no glyph for have no picture.
            if (r.code - 32 >= font.Count()) QCOMPARE(CountColour(shot.image, cell, Yellow), 0);
            if (r.crossed) {
                QCOMPARE(shot.image.pixel(cell.topLeft()), Red);
                QCOMPARE(shot.image.pixel(cell.topRight()), Red);
            }
        }
        // A picture under the cross: glyph of code 200 still shows its ink.
        const Shot shot = GrabPreview(grid, 200 - 31);
        QCOMPARE(shot.image.pixel(shot.cell.topLeft() + QPoint(7, 1)), Black);

        font.SetLastChar(255);
        for (const auto& r : rows) {
            const Shot again = GrabPreview(grid, r.code - 31);
            QCOMPARE(CountColour(again.image, again.cell, Red), 0);
        }
    }

    void clickingReportsTheRow() {
        TDatabaseGrid grid(font);
        grid.resize(200, 400);
        QSignalSpy spy(&grid, &TDatabaseGrid::CellPositionChanged);
        const QModelIndex a = grid.model()->index(65 - 32, 1);
        grid.scrollTo(a);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(a).center());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.last().at(0).toInt(), 34);
        // The current cell again: reported again, so a glyph gets current
        // even when the list's current cell did not move.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(a).center());
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.last().at(0).toInt(), 34);
        // The other cell of the same row reports the same row.
        const QModelIndex preview = grid.model()->index(65 - 32, 0);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(preview).center());
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.last().at(0).toInt(), 34);
    }

    void keyboardMovesAndTypingSelects() {
        TDatabaseGrid grid(font);
        grid.resize(200, 400);
        grid.SelectRow(34);
        QSignalSpy spy(&grid, &TDatabaseGrid::CellPositionChanged);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(spy.last().at(0).toInt(), 35);
        QTest::keyClick(&grid, Qt::Key_PageDown);
        QVERIFY(spy.last().at(0).toInt() > 35);
        QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(spy.last().at(0).toInt(), 1);

        QTest::keyClicks(&grid, "A");
        QCOMPARE(grid.CurrentRow(), 34);
        QCOMPARE(spy.last().at(0).toInt(), 34);
        const auto type = [&grid](QChar ch) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(&grid, &press);
        };
        type(QChar(0xE9)); // Latin-1 beyond ASCII: code 233
        QCOMPARE(grid.CurrentRow(), 233 - 31);
        QVERIFY(grid.viewport()->rect().intersects(grid.visualRect(grid.currentIndex())));
        type(QChar(' '));
        QCOMPARE(grid.CurrentRow(), 1);
        const int before = spy.size();
        type(QChar(0x20AC)); // no code in the font's character set
        QCOMPARE(grid.CurrentRow(), 1);
        QCOMPARE(spy.size(), before);
    }

    void selectRowScrollsAndReports() {
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy spy(&grid, &TDatabaseGrid::CellPositionChanged);
        grid.SelectRow(200);
        QCOMPARE(grid.CurrentRow(), 200);
        QVERIFY(grid.viewport()->rect().intersects(grid.visualRect(grid.currentIndex())));
        grid.SelectRow(200);
        grid.SelectRow(0);
        grid.SelectRow(225);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 200);
        QCOMPARE(spy.at(1).at(0).toInt(), 200);
        QCOMPARE(grid.CurrentRow(), 200);
    }

    void firstPaintReportsOnce() {
        TDatabaseGrid grid(font);
        grid.resize(200, 300);
        QSignalSpy spy(&grid, &TDatabaseGrid::CellPositionChanged);
        QCoreApplication::processEvents();
        QCOMPARE(spy.size(), 0);
        grid.grab();
        QCoreApplication::processEvents();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.last().at(0).toInt(), 1);
        grid.grab();
        grid.Refresh();
        QCoreApplication::processEvents();
        QCOMPARE(spy.size(), 1);
    }

    // A real font, saved for a look at the whole list.
    void realFont() {
        const std::filesystem::path fzx =
            std::filesystem::path(QUORREL_SHARED_DIR) / "fonts/fzx/ao/Sinclair/Sinclair.fzx";
        if (!std::filesystem::is_regular_file(fzx)) QSKIP("shared font collection not found");
        QCOMPARE(QString::fromStdString(font.LoadFZX(fzx.string())), QString());
        TDatabaseGrid grid(font);
        grid.resize(140, 420);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.SelectRow(34);
        QCoreApplication::processEvents();
        const QImage image = grid.grab().toImage();
        // Set CHARGRID_PNG to a file name to keep the picture.
        if (const QByteArray out = qgetenv("CHARGRID_PNG"); !out.isEmpty())
            image.save(QString::fromLocal8Bit(out));
        const QModelIndex a = grid.model()->index(65 - 32, 0);
        const QRect cell = grid.visualRect(a);
        QVERIFY(CountColour(grid.viewport()->grab().toImage(), cell, Black) > 0);
    }
};

QTEST_MAIN(CharGridTest)
#include "chargrid_test.moc"
