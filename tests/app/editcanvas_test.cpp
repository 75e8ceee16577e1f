// The edit canvas: geometry, colours and marks as seen in the painted
// picture, the scrollable size, pointer mapping and the visible-part paint.

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "drawing/canvasgeometry.h"
#include "drawing/charranges.h"
#include "model/font.h"
#include "widgets/editcanvas.h"
#include "widgets/editpanel.h"

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kGreen(0, 128, 0);

// A new font (height 8, one empty glyph 8 wide for code 32, current) in an
// edit panel with the window's start options.
struct Canvas {
    TFZXFont font;
    TCanvasView view;
    TEditPanel panel{font, view};
    TEditPaintBox& box = *panel.PaintBox();

    Canvas() {
        font.SetLastChar(32);
        font.SetCurrent(0);
        view.CharRanges = ParseCharRanges("0..9, a..z, A..Z, all");
        view.GuideRows = font.ParseGuideLines("8, 16, 24");
        panel.resize(400, 300);
    }
    // The whole canvas as painted after the window's refresh.
    QImage Grab() {
        box.Refresh();
        return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QColor Face() const { return box.palette().color(QPalette::Button); }
};

int CountColour(const QImage& image, const QColor& colour, QRect within = QRect()) {
    if (within.isNull()) within = image.rect();
    within &= image.rect();
    int n = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

} // namespace

class EditCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void NewFontAtZoomEightShowsBlankRows_data() {
        QTest::addColumn<bool>("verticalLimits");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("grid");
        QTest::newRow("limits shown") << true << kSilver << kGrey;
        QTest::newRow("limits hidden") << false << QColor(Qt::white) << QColor(Qt::black);
    }
    void NewFontAtZoomEightShowsBlankRows() {
        QFETCH(bool, verticalLimits);
        QFETCH(QColor, fill);
        QFETCH(QColor, grid);
        Canvas c;
        c.view.ShowVerticalLimits = verticalLimits;
        const QImage img = c.Grab();
        QVERIFY(c.box.GlyphArea() == (TRect{16, 16, 80, 80}));
        QCOMPARE(c.box.CanvasExtent(), QSize(80, 80));
        QCOMPARE(c.box.size(), QSize(80, 80));
        for (int cell = 0; cell < 8; ++cell) {
            const int x = 16 + cell * 8;
            QCOMPARE(img.pixelColor(x + 4, 16 + cell * 8 + 4), fill); // inside the cell
            QCOMPARE(img.pixelColor(x, 16 + cell * 8 + 4), grid);     // left edge
            QCOMPARE(img.pixelColor(x + 4, 16 + cell * 8), grid);     // top edge
        }
        QCOMPARE(img.pixelColor(15, 40), c.Face());
        QCOMPARE(img.pixelColor(40, 15), c.Face());
    }

    void GridAndMarksOnlyAboveZoomFour_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("limits");
        QTest::newRow("4 limits") << 4 << true;
        QTest::newRow("4 guides") << 4 << false;
        QTest::newRow("5 limits") << 5 << true;
        QTest::newRow("5 guides") << 5 << false;
    }
    void GridAndMarksOnlyAboveZoomFour() {
        QFETCH(int, zoom);
        QFETCH(bool, limits);
        Canvas c;
        c.font.SetHeight(16);
        c.font.Glyph(0).SetAll("10|01", 1, 8, 1); // inked, so "All" has limits; kern 1
        c.view.Zoom = zoom;
        c.view.ShowCharLimits = limits;
        c.view.ShowGuideLines = !limits;
        const QImage img = c.Grab();
        const bool marks = zoom > 4;
        // Unset pixel cell at column 1, row 1: its left edge is grid only above 4.
        const QColor edge = img.pixelColor(16 + zoom, 16 + zoom + 2);
        QCOMPARE(edge, marks ? QColor(Qt::black) : QColor(Qt::white));
        QCOMPARE(CountColour(img, Qt::red) > 0, marks); // kern mark (and limits)
        if (!limits) QCOMPARE(CountColour(img, Qt::blue) > 0, marks);
    }

    void OriginIsOneCellFromZoomSixteenOn_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("origin");
        QTest::newRow("1") << 1 << 16;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("20") << 20 << 20;
    }
    void OriginIsOneCellFromZoomSixteenOn() {
        QFETCH(int, zoom);
        QFETCH(int, origin);
        Canvas c;
        c.view.Zoom = zoom;
        const QImage img = c.Grab();
        QCOMPARE(c.box.GlyphArea().Left, origin);
        QCOMPARE(c.box.GlyphArea().Top, origin);
        QCOMPARE(img.pixelColor(origin - 1, origin + 1), c.Face());
        QVERIFY(img.pixelColor(origin, origin + 1) != c.Face());
    }

    void KernMarkBelowTheGlyph_data() {
        QTest::addColumn<int>("kern");
        QTest::newRow("kern 2") << 2;
        QTest::newRow("kern 0") << 0;
    }
    void KernMarkBelowTheGlyph() {
        QFETCH(int, kern);
        Canvas c;
        c.font.Glyph(0).SetKern(kern);
        const QImage img = c.Grab();
        const int th = c.box.TextHeight();
        // Dotted line at x = left + 16 from the bottom of the area for 2 * th.
        const QRect line(32, 80, 1, 2 * th);
        const QRect text(16, 80 + 2 * th, 200, th);
        if (kern > 0) {
            QVERIFY(CountColour(img, Qt::red, line) >= th / 2);
            QCOMPARE(CountColour(img, Qt::red, line.translated(-1, 0)), 0);
            QCOMPARE(CountColour(img, Qt::red, line.translated(1, 0)), 0);
            QVERIFY(CountColour(img, Qt::red, text) > 20);
            QVERIFY(c.box.CanvasExtent().width() > 150); // the text is wider than the glyph
            QCOMPARE(c.box.CanvasExtent().height(), 80 + 3 * th);
        } else {
            QCOMPARE(CountColour(img, Qt::red), 0);
            QCOMPARE(c.box.CanvasExtent(), QSize(80, 80));
        }
    }

    void GuideLinesAtRowBoundaries() {
        Canvas c;
        c.font.SetHeight(16);
        c.view.GuideRows = c.font.ParseGuideLines("8, 16, 24"); // 24 is past the body
        c.view.ShowCharLimits = false;
        c.view.ShowGuideLines = true;
        const QImage img = c.Grab();
        // The lines run from one cell left of the area to two cells right of it.
        QCOMPARE(c.box.CanvasExtent(), QSize(80 + 16, 16 + 16 * 8));
        const auto blueRows = [&](int y) {
            return CountColour(img, Qt::blue, QRect(8, y - 1, 88, 2));
        };
        QVERIFY(blueRows(16 + 8 * 8) > 20);
        QVERIFY(blueRows(16 + 16 * 8) > 10); // the body's bottom edge, half on the canvas
        QCOMPARE(CountColour(img, Qt::blue), blueRows(80) + blueRows(144));
        QCOMPARE(img.pixelColor(8, 80), QColor(Qt::blue)); // starts one cell left
    }

    void LimitMarksHideDuringAStroke() {
        Canvas c;
        for (int code = '0'; code <= '9'; ++code) {
            c.font.SetLastChar(code);
            c.font.Glyph(code - 32).SetAll("1|1|1|1|1|1|1", 1, 8, 0);
        }
        c.view.ShowGuideLines = true; // limits win while they are on
        const QImage shown = c.Grab();
        QVERIFY(CountColour(shown, Qt::red) > 20);
        QCOMPARE(CountColour(shown, Qt::blue), 0);
        c.view.StrokeButton = 1;
        const QImage stroke = c.Grab();
        QCOMPARE(CountColour(stroke, Qt::red), 0);
        QCOMPARE(CountColour(stroke, Qt::blue), 0);
        c.view.StrokeButton = 0;
        QCOMPARE(CountColour(c.Grab(), Qt::red), CountColour(shown, Qt::red));
    }

    void ExtentNeverShrinks() {
        Canvas c;
        c.view.Zoom = 20;
        c.Grab();
        const QSize big = c.box.CanvasExtent();
        QCOMPARE(big, QSize(20 + 160, 20 + 160));
        c.view.Zoom = 8;
        const QImage img = c.Grab();
        QCOMPARE(c.box.CanvasExtent(), big);
        QCOMPARE(c.box.size(), big);
        QVERIFY(c.box.GlyphArea() == (TRect{16, 16, 80, 80}));
        QCOMPARE(img.pixelColor(120, 120), c.Face());
        c.font.Clear(); // no glyph: the canvas keeps its size, all face
        QCOMPARE(CountColour(c.Grab(), c.Face()), big.width() * big.height());
        QCOMPARE(c.box.CanvasExtent(), big);
    }

    void PointToPixelRoundsDown() {
        Canvas c;
        c.font.SetTracking(2);
        c.Grab();
        int column = 0, row = 0;
        bool inside = true;
        QVERIFY(c.box.PointToPixel(13, 20, column, row, inside));
        QCOMPARE(column, -1);
        QCOMPARE(row, 0);
        QVERIFY(!inside);
        QVERIFY(c.box.PointToPixel(16 + 8 * 8 + 3, 79, column, row, inside)); // tracking
        QCOMPARE(column, 8);
        QCOMPARE(row, 7);
        QVERIFY(!inside);
        QVERIFY(c.box.PointToPixel(16, 16, column, row, inside));
        QVERIFY(inside);
        c.font.Clear();
        QVERIFY(!c.box.PointToPixel(20, 20, column, row, inside));
    }

    // A 256 x 192 glyph at zoom 80 makes a canvas of 21840 x 15440
    // pixels; a paint must rasterise only the part the scroll box shows.
    void LargeGlyphPaintsOnlyTheVisiblePart() {
        Canvas c;
        c.font.SetHeight(192);
        c.font.SetTracking(16);
        c.font.Glyph(0).SetWidth(256);
        c.font.Glyph(0).SetRows(std::string(256, '1') + "|" + std::string(256, '0'));
        c.view.Zoom = 80;
        c.view.ShowCharLimits = false;
        c.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.panel));
        c.box.Refresh();
        QCoreApplication::processEvents();
        QCOMPARE(c.box.CanvasExtent(), QSize(80 + 272 * 80, 80 + 192 * 80));
        const QSize visible = c.panel.viewport()->size();
        QVERIFY(c.box.LastPaintedRasterSize().width() > 0);
        QVERIFY(c.box.LastPaintedRasterSize().width() <= visible.width());
        QVERIFY(c.box.LastPaintedRasterSize().height() <= visible.height());

        // Scrolled into the glyph the part shown is its own, painted there.
        c.panel.horizontalScrollBar()->setValue(80 * 100);
        c.panel.verticalScrollBar()->setValue(80);
        QCoreApplication::processEvents();
        const QImage shown = c.panel.viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(40, 40), QColor(Qt::red));    // row 0: set, past column 15
        QCOMPARE(shown.pixelColor(40, 120), QColor(Qt::white)); // row 1: unset
        QVERIFY(c.box.LastPaintedRasterSize().width() <= visible.width());

        // A paint that grows the canvas scrolls back to the top left and
        // resizes the paint box, also on a plain update().
        c.font.Glyph(0).SetKern(255);
        c.box.update();
        QCoreApplication::processEvents();
        QCOMPARE(c.box.CanvasExtent().height(), 80 + 192 * 80 + 3 * c.box.TextHeight());
        QCOMPARE(c.box.size(), c.box.CanvasExtent());
        QCOMPARE(c.panel.horizontalScrollBar()->value(), 0);
        QCOMPARE(c.panel.verticalScrollBar()->value(), 0);
    }

    // On a screen of device pixel ratio 2 every canvas pixel becomes a 2 x 2
    // block of one colour: the picture is scaled without smoothing.
    void ScaledScreenStaysSharp() {
        Canvas c;
        c.font.Glyph(0).SetAll("10101010|01010101", 2, 8, 0);
        c.box.Refresh();
        QImage img(c.box.size() * 2, QImage::Format_RGB32);
        img.setDevicePixelRatio(2);
        c.box.render(&img);
        const QImage plain = c.Grab();
        for (int y = 16; y < 80; ++y)
            for (int x = 16; x < 80; ++x) {
                const QColor p = plain.pixelColor(x, y);
                for (int d = 0; d < 4; ++d)
                    QCOMPARE(img.pixelColor(2 * x + d % 2, 2 * y + d / 2), p);
            }
    }

    void PointerEventsAreForwarded() {
        Canvas c;
        c.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.panel));
        c.box.Refresh();
        QCoreApplication::processEvents();
        QVERIFY(c.box.hasMouseTracking());
        QSignalSpy pressed(&c.box, &TEditPaintBox::MousePressed);
        QSignalSpy moved(&c.box, &TEditPaintBox::MouseMoved);
        QSignalSpy released(&c.box, &TEditPaintBox::MouseReleased);
        QTest::mousePress(&c.box, Qt::RightButton, Qt::NoModifier, QPoint(20, 30));
        QTest::mouseRelease(&c.box, Qt::RightButton, Qt::NoModifier, QPoint(21, 31));
        QMouseEvent move(QEvent::MouseMove, QPointF(40.7, 50.2), QPointF(40.7, 50.2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&c.box, &move);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(pressed[0][1].toPoint(), QPoint(20, 30));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released[0][1].toPoint(), QPoint(21, 31));
        QVERIFY(!moved.isEmpty());
        QCOMPARE(moved.last()[0].toPoint(), QPoint(40, 50)); // rounded down
    }
};

QTEST_MAIN(EditCanvasTest)
#include "editcanvas_test.moc"
