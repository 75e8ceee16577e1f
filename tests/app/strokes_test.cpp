// The life of a stroke on the real window's canvas: the rubber, the glyph
// held expanded, paste and copy through the clipboard, releases outside the
// canvas, ignored buttons, keys during a stroke, and the pointer shape and
// position text.

#include "widgets/cursordefs.h"
#include "widgets/editcanvas.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>
#include <vector>

#include "canvasdriver.h"

class StrokesTest : public QObject {
    Q_OBJECT
  private slots:
    void rubberClearsWithEitherButton();
    void rubberSpotIsCentredOnThePointer();
    void strokeHoldsTheGlyphExpandedAndHidesLimits();
    void pasteFollowsThePointerAndClips();
    void pasteTransparentOfWhiteStillRecords();
    void copySelectionFillsTheClipboardOnly();
    void releaseOutsideTheCanvasEndsTheStroke();
    void ignoredPressesAndReleases();
    void keysWaitDuringAStroke();
    void pointerShapeAndPositionText();
};

void StrokesTest::rubberClearsWithEitherButton() {
    TWindowFixture f;
    TCanvasDriver d(f);
    d.Choose("RubberAction");
    TPicture reference;
    for (const bool reset : {false, true})
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            d.Choose(reset ? "ResetPixelsAction" : "SetPixelsAction");
            d.Start(Full8);
            d.Stroke(button, {{3, 3}});
            const TPicture got = Pixels(f.Font());
            // A round spot about the pointer's pixel, nothing far away.
            QCOMPARE(got[3][3], QChar('.'));
            QCOMPARE(got[3][2], QChar('.'));
            QCOMPARE(got[2][3], QChar('.'));
            QCOMPARE(got[7][7], QChar('#'));
            QCOMPARE(got[0][7], QChar('#'));
            if (reference.isEmpty()) reference = got;
            QVERIFY2(got == reference, qPrintable(Show(got)));
            QCOMPARE(d.LastAction(), THistoryKind::RubberTool);
        }
    // A drag clears a band along the track.
    d.Start(Full8);
    d.Stroke(Qt::RightButton, {{0, 3}, {7, 3}});
    for (int c = 0; c < 8; ++c)
        QCOMPARE(Pixels(f.Font())[3][c], QChar('.'));
    QCOMPARE(Pixels(f.Font())[7][0], QChar('#'));
}

void StrokesTest::rubberSpotIsCentredOnThePointer() {
    TWindowFixture f;
    TCanvasDriver d(f);
    d.Choose("RubberAction");
    d.Start(Full8);
    d.Stroke(Qt::LeftButton, {{4, 4}});
    // The cleared spot mirrors onto itself about the pixel clicked.
    const TPicture got = Pixels(f.Font());
    QCOMPARE(got[4][4], QChar('.'));
    for (int r = 1; r < 8; ++r)
        for (int c = 1; c < 8; ++c)
            QVERIFY2(got[r][c] == got[8 - r][8 - c], qPrintable(Show(got)));
}

void StrokesTest::strokeHoldsTheGlyphExpandedAndHidesLimits() {
    TWindowFixture f;
    TCanvasDriver d(f);
    d.Choose("LineAction");
    d.Start({"........", "........", "..##....", "........", "........", "........", "........",
             "........"});
    f.Font().GetCurrent()->Normalize();
    QCOMPARE(f.Font().GetCurrent()->Leading(), 2);

    d.Press(Qt::LeftButton, d.At(0, 7));
    d.Drag(d.At(1, 6));
    // Mid-stroke: every body row is a stored row, and the canvas knows a
    // stroke runs, which hides the limit marks.
    QCOMPARE(f.Font().GetCurrent()->Leading(), 0);
    QCOMPARE(f.Font().GetCurrent()->RowCount(), 8);
    QCOMPARE(f.window->CanvasView().StrokeButton, 1);
    QVERIFY(!f.window->Action("UndoAction")->isEnabled() ||
            d.LastAction() == THistoryKind::PixelsChanged);
    d.Release(Qt::LeftButton, d.At(1, 6));

    QCOMPARE(f.window->CanvasView().StrokeButton, 0);
    QCOMPARE(f.Font().GetCurrent()->Leading(), 2);
    QCOMPARE(Pixels(f.Font())[7], QString("#......."));
}

void StrokesTest::pasteFollowsThePointerAndClips() {
    TWindowFixture f;
    TCanvasDriver d(f);
    QGuiApplication::clipboard()->setImage(ClipboardPicture({"#.#", ".#."}));
    d.Choose("EditPasteAction");
    d.Choose("OverlappingAction");
    d.Start(Full8);
    d.Press(Qt::LeftButton, d.At(1, 1));
    QCOMPARE(Pixels(f.Font())[1], QString("##.#####"));
    d.Drag(d.At(6, 5));
    d.Release(Qt::LeftButton, d.At(6, 5));
    // Columns 6 and 7 of rows 5 and 6 take the picture's first two columns;
    // the earlier position leaves no trace.
    const TPicture overlapping = {"########", "########", "########", "########",
                                  "########", "#######.", "######.#", "########"};
    QVERIFY2(Pixels(f.Font()) == overlapping, qPrintable(Show(Pixels(f.Font()))));
    QCOMPARE(d.LastAction(), THistoryKind::PasteTool);

    d.Choose("TransparentAction");
    d.Start(Empty8);
    d.Stroke(Qt::RightButton, {{0, 0}});
    QCOMPARE(Pixels(f.Font())[0], QString("#.#....."));
    QCOMPARE(Pixels(f.Font())[1], QString(".#......"));
}

void StrokesTest::pasteTransparentOfWhiteStillRecords() {
    TWindowFixture f;
    TCanvasDriver d(f);
    QGuiApplication::clipboard()->setImage(ClipboardPicture({"...", "..."}));
    d.Choose("EditPasteAction");
    d.Choose("TransparentAction");
    const TPicture start = {"#.......", "........", "........", "........",
                            "........", "........", "........", "...#...."};
    d.Start(start);
    const int entries = d.Entries();
    d.Stroke(Qt::LeftButton, {{0, 0}});
    QCOMPARE(Pixels(f.Font()), start);
    QCOMPARE(d.Entries(), entries + 1);
    QCOMPARE(d.LastAction(), THistoryKind::PasteTool);
    QVERIFY(f.Font().Modified());
    QCOMPARE(f.Find<QLabel>("ModifiedInfoLabel")->text().isEmpty(), false);
}

void StrokesTest::copySelectionFillsTheClipboardOnly() {
    TWindowFixture f;
    TCanvasDriver d(f);
    const TPicture start = {"........", "........", ".#..#...", "..##....",
                            ".#.##...", "........", "........", "........"};
    d.Start(start);
    const int entries = d.Entries();
    d.Choose("EditCopyAction");
    d.Press(Qt::LeftButton, d.At(4, 4));
    d.Drag(d.At(1, 2));
    // The marquee inverts the box outline while the button is down.
    QCOMPARE(Pixels(f.Font())[2], QString("..##...."));
    d.Release(Qt::LeftButton, d.At(1, 2));

    QCOMPARE(Pixels(f.Font()), start);
    QCOMPARE(d.Entries(), entries);
    QVERIFY(!f.Font().Modified());
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(4, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool set = start[2 + y][1 + x] == '#';
            QCOMPARE(copied.pixel(x, y) & 0xFFFFFFu, set ? 0u : 0xFFFFFFu);
        }
    // The watch sees the new picture, so it can be pasted at once.
    QVERIFY(f.window->Action("EditPasteAction")->isEnabled());
    QCOMPARE(f.window->ClipboardBitmap().Width(), 4);
}

void StrokesTest::releaseOutsideTheCanvasEndsTheStroke() {
    TWindowFixture f;
    TCanvasDriver d(f);
    d.Choose("LineAction");
    d.Start(Empty8);
    const int entries = d.Entries();
    // Through the window, as the platform delivers them: the canvas keeps
    // the pointer while its button is down.
    QWindow* window = f.window->windowHandle();
    QVERIFY(window);
    auto inWindow = [&](QPoint canvasPoint) { return d.box->mapTo(f.window.get(), canvasPoint); };
    const QPoint status = f.window->statusBar()->mapTo(f.window.get(), QPoint(5, 5));
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(d.At(0, 0)));
    QTest::mouseMove(window, inWindow(d.At(3, 0)));
    QTest::mouseMove(window, status);
    QTest::mouseRelease(window, Qt::LeftButton, {}, status);

    QCOMPARE(f.window->CanvasView().StrokeButton, 0);
    QCOMPARE(d.Entries(), entries + 1);
    QCOMPARE(d.LastAction(), THistoryKind::LineTool);
    QCOMPARE(Pixels(f.Font())[0][0], QChar('#'));
    // The next press starts a fresh stroke.
    d.Stroke(Qt::LeftButton, {{7, 7}});
    QCOMPARE(Pixels(f.Font())[7][7], QChar('#'));
    QCOMPARE(d.Entries(), entries + 2);
}

void StrokesTest::ignoredPressesAndReleases() {
    TWindowFixture f;
    TCanvasDriver d(f);
    d.Start(Empty8);
    const int entries = d.Entries();
    // Neither left nor right: nothing happens.
    d.Press(Qt::MiddleButton, d.At(2, 2));
    d.Drag(d.At(3, 3));
    d.Release(Qt::MiddleButton, d.At(3, 3));
    // A release without a press on the canvas.
    d.Release(Qt::LeftButton, d.At(4, 4));
    QCOMPARE(Pixels(f.Font()), Empty8);
    QCOMPARE(d.Entries(), entries);
    QVERIFY(!f.Font().Modified());

    // Without a current glyph presses draw nothing and moves reset the status.
    f.Font().SetCurrent(-1);
    d.Press(Qt::LeftButton, d.At(1, 1));
    d.Hover(d.At(1, 1));
    d.Release(Qt::LeftButton, d.At(1, 1));
    QCOMPARE(f.window->CanvasView().StrokeButton, 0);
    QCOMPARE(f.Find<QLabel>("XYInfoLabel")->text(), QString("X:-- Y:--"));
    QCOMPARE(d.box->cursor().shape(), Qt::ArrowCursor);
    f.Font().SetCurrent(0);
    QCOMPARE(Pixels(f.Font()), Empty8);
}

void StrokesTest::keysWaitDuringAStroke() {
    TWindowFixture f;
    TCanvasDriver d(f);
    f.Find<QSpinBox>("LastCharEdit")->setValue(40);
    f.Font().Glyph(1).SetRows("1");
    const TPicture first = {"########", "########", "........", "........",
                            "........", "........", "........", "........"};
    d.Choose("LineAction");
    d.Start(first);
    const std::string second = f.Font().Glyph(1).Rows();

    // Keys wait while the button is down: neither a step down in the
    // character list nor the undo shortcut reaches the font mid-stroke.
    d.Press(Qt::LeftButton, d.At(0, 5));
    QWidget* list = f.Find<QWidget>("DatabaseGrid1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.Font().CurrentIndex(), 0);
    const int entries = d.Entries();
    d.Drag(d.At(3, 5));
    d.Release(Qt::LeftButton, d.At(3, 5));
    QCOMPARE(f.Font().Glyph(1).Rows(), second);
    QCOMPARE(Pixels(f.Font())[5], QString("####...."));
    QCOMPARE(d.Entries(), entries + 1);
    QCOMPARE(f.window->CanvasView().StrokeButton, 0);

    // After the release the keyboard works again.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.Font().CurrentIndex(), 1);
}

void StrokesTest::pointerShapeAndPositionText() {
    TWindowFixture f;
    TCanvasDriver d(f);
    QLabel* xy = f.Find<QLabel>("XYInfoLabel");
    auto sameCursor = [](const QCursor& a, const QCursor& b) {
        return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
               a.pixmap().toImage() == b.pixmap().toImage();
    };
    const struct {
        const char* tool;
        TPointerShape shape;
    } tools[] = {{"FreeHandAction", TPointerShape::Pencil},
                 {"LineAction", TPointerShape::Pencil},
                 {"RectangleAction", TPointerShape::CrossHair},
                 {"EllipseAction", TPointerShape::CrossHair},
                 {"RubberAction", TPointerShape::Eraser},
                 {"EditCopyAction", TPointerShape::CrossHair}};
    for (const auto& t : tools) {
        d.Choose(t.tool);
        d.Hover(d.At(3, 5));
        QCOMPARE(xy->text(), QString("X:3 Y:5"));
        QVERIFY2(sameCursor(d.box->cursor(), PointerCursor(t.shape)), t.tool);
        // Left of the glyph, and on the tracking column beyond its width.
        d.Hover(d.At(-1, 2));
        QCOMPARE(xy->text(), QString("X:-- Y:--"));
        QCOMPARE(d.box->cursor().shape(), Qt::ArrowCursor);
    }
    // The pencil's hot spot is its tip, the opaque bottom-left corner.
    const QCursor pencil = PointerCursor(TPointerShape::Pencil);
    const QImage art = pencil.pixmap().toImage();
    const QPoint hot = pencil.hotSpot();
    QCOMPARE(qAlpha(art.pixel(hot)), 255);
    QVERIFY(hot.x() <= 1 && hot.y() >= art.height() - 2);

    f.window->Action("FreeHandAction")->trigger();
    f.Font().SetTracking(2);
    d.Hover(d.At(0, 0));
    d.Hover(d.At(8, 0));
    QCOMPARE(xy->text(), QString("X:-- Y:--"));
    d.Hover(d.At(7, 7));
    QCOMPARE(xy->text(), QString("X:7 Y:7"));
    d.Hover(d.At(7, 8));
    QCOMPARE(xy->text(), QString("X:-- Y:--"));
}

QTEST_MAIN(StrokesTest)
#include "strokes_test.moc"
