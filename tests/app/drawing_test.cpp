// Drawing on the real window's edit canvas with mouse events: the tools'
// figures in the glyph, one history entry per stroke with undo, the paste
// and copy tools through the clipboard, and the pointer shape and position
// text that follow the pointer.

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
#include "widgets/cursordefs.h"
#include "widgets/editcanvas.h"
#include "windowfixture.h"

class DrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void strokesDrawTheirFigures();
};

void DrawingTest::strokesDrawTheirFigures() {
    TWindowFixture f;
    TCanvasDriver d(f);
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    const TPicture dot23 = {"........", "........", "........", "..#.....",
                            "........", "........", "........", "........"};
    const TPicture hook = {"........", ".####...", "....#...", "....#...",
                           "........", "........", "........", "........"};
    auto inverse = [](TPicture p) {
        for (QString& row : p)
            for (QChar& c : row)
                c = c == '#' ? '.' : '#';
        return p;
    };
    const TPicture box = {"........", "..####..", "..#..#..", "..#..#..",
                          "..#..#..", "..#..#..", "..####..", "........"};
    const TPicture spot = {"........", "........", "........", "...#....",
                           "........", "........", "........", "........"};
    const TPicture spotInBox = {"........", "..####..", "..#..#..", "..##.#..",
                                "..#..#..", "..#..#..", "..####..", "........"};
    const TPicture solidBox = {"........", "..####..", "..####..", "..####..",
                               "..####..", "..####..", "..####..", "........"};
    const TPicture ringCleared = {"########", "##....##", "##.##.##", "##.##.##",
                                  "##.##.##", "##.##.##", "##....##", "########"};
    const TPicture boxCleared = {"########", "##....##", "##....##", "##....##",
                                 "##....##", "##....##", "##....##", "########"};
    const struct {
        const char* name;
        const char* tool;
        const char* fill; // nullptr keeps "Drawing lines only"
        Qt::MouseButton button;
        bool reset; // "Reset pixels" instead of "Set pixels"
        TPicture start;
        std::vector<QPoint> track;
        TPicture expected;
        THistoryKind action;
    } cases[] = {
        {"free hand click, left, set",
         "FreeHandAction",
         nullptr,
         L,
         false,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::PixelsChanged},
        {"free hand click, right, set",
         "FreeHandAction",
         nullptr,
         R,
         false,
         Full8,
         {{2, 3}},
         inverse(dot23),
         THistoryKind::PixelsChanged},
        {"free hand click, left, reset",
         "FreeHandAction",
         nullptr,
         L,
         true,
         Full8,
         {{2, 3}},
         inverse(dot23),
         THistoryKind::PixelsChanged},
        {"free hand click, right, reset",
         "FreeHandAction",
         nullptr,
         R,
         true,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::PixelsChanged},
        {"free hand drag, left, set",
         "FreeHandAction",
         nullptr,
         L,
         false,
         Empty8,
         {{1, 1}, {4, 1}, {4, 3}},
         hook,
         THistoryKind::PixelsChanged},
        {"free hand drag, right, set",
         "FreeHandAction",
         nullptr,
         R,
         false,
         Full8,
         {{1, 1}, {4, 1}, {4, 3}},
         inverse(hook),
         THistoryKind::PixelsChanged},
        {"free hand drag, right, reset",
         "FreeHandAction",
         nullptr,
         R,
         true,
         Empty8,
         {{1, 1}, {4, 1}, {4, 3}},
         hook,
         THistoryKind::PixelsChanged},
        {"free hand fast diagonal",
         "FreeHandAction",
         nullptr,
         L,
         false,
         Empty8,
         {{0, 0}, {7, 7}},
         {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.",
          ".......#"},
         THistoryKind::PixelsChanged},
        {"free hand leaves the glyph and comes back",
         "FreeHandAction",
         nullptr,
         L,
         false,
         Empty8,
         {{2, 2}, {-2, 2}, {2, 6}},
         {"........", "........", "###.....", "........", "#.......", ".#......", "..#.....",
          "........"},
         THistoryKind::PixelsChanged},
        {"line follows the pointer",
         "LineAction",
         nullptr,
         L,
         false,
         Empty8,
         {{1, 1}, {6, 3}, {3, 3}},
         {"........", ".#......", "..#.....", "...#....", "........", "........", "........",
          "........"},
         THistoryKind::LineTool},
        {"line click",
         "LineAction",
         nullptr,
         L,
         false,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::LineTool},
        {"rectangle, lines only",
         "RectangleAction",
         "DrawingLinesAction",
         L,
         false,
         spot,
         {{5, 6}, {2, 1}},
         spotInBox,
         THistoryKind::RectangleTool},
        {"rectangle, lines and white brush",
         "RectangleAction",
         "DrawingLinesBrushedWhiteAction",
         L,
         false,
         spot,
         {{5, 6}, {2, 1}},
         box,
         THistoryKind::RectangleTool},
        {"rectangle, lines and black brush",
         "RectangleAction",
         "DrawingLinesBrushedBlackAction",
         L,
         false,
         Empty8,
         {{5, 6}, {2, 1}},
         solidBox,
         THistoryKind::RectangleTool},
        {"rectangle, right button, black brush",
         "RectangleAction",
         "DrawingLinesBrushedBlackAction",
         R,
         false,
         Full8,
         {{5, 6}, {2, 1}},
         ringCleared,
         THistoryKind::RectangleTool},
        {"rectangle, white brush only",
         "RectangleAction",
         "DrawingBrushWhiteAction",
         L,
         false,
         Full8,
         {{5, 6}, {2, 1}},
         boxCleared,
         THistoryKind::RectangleTool},
        {"rectangle follows the pointer",
         "RectangleAction",
         "DrawingLinesAction",
         L,
         false,
         Empty8,
         {{2, 1}, {7, 7}, {0, 0}, {5, 6}},
         box,
         THistoryKind::RectangleTool},
        {"rectangle click",
         "RectangleAction",
         "DrawingLinesAction",
         L,
         false,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::RectangleTool},
        {"rectangle click, white brush only",
         "RectangleAction",
         "DrawingBrushWhiteAction",
         L,
         false,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::RectangleTool},
        {"ellipse click, white brush only",
         "EllipseAction",
         "DrawingBrushWhiteAction",
         L,
         false,
         Empty8,
         {{2, 3}},
         dot23,
         THistoryKind::EllipseTool},
        {"ellipse click, right button",
         "EllipseAction",
         "DrawingLinesAction",
         R,
         false,
         Full8,
         {{2, 3}},
         inverse(dot23),
         THistoryKind::EllipseTool},
    };
    for (const auto& c : cases) {
        d.Choose(c.tool);
        if (c.fill) d.Choose(c.fill);
        d.Choose(c.reset ? "ResetPixelsAction" : "SetPixelsAction");
        d.Start(c.start);
        const int entries = d.Entries();
        d.Stroke(c.button, c.track);
        QVERIFY2(Pixels(f.Font()) == c.expected,
                 qPrintable(QString(c.name) + ": got" + Show(Pixels(f.Font()))));
        QVERIFY2(d.Entries() == entries + 1, c.name);
        QVERIFY2(d.LastAction() == c.action, c.name);
        QVERIFY2(f.Font().Modified(), c.name);
        QVERIFY2(f.window->CanvasView().StrokeButton == 0, c.name);
        f.window->Action("UndoAction")->trigger();
        QVERIFY2(Pixels(f.Font()) == c.start, c.name);
    }
}

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
