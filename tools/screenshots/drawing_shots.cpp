// Writes PNG pictures of the editor window in the middle of a stroke with
// each drawing tool (after the press and a move, before the release), with a
// real font loaded, for looking at what the canvas shows while drawing:
//   quorrel_drawing_shots FONT.fzx OUTPUT_FOLDER

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "shotwindow.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"

namespace {

struct TSession {
    Tmainform& w;
    QString folder;

    TEditPaintBox* Canvas() const { return w.EditPaintBox(); }
    // The centre of font pixel (c, r) on the canvas.
    QPoint At(int c, int r) const {
        const TRect area = Canvas()->GlyphArea();
        const int z = w.Zoom();
        return {area.Left + c * z + z / 2, area.Top + r * z + z / 2};
    }
    void Save(const char* name) const { SaveShot(&w, folder, name); }
    void Choose(const char* action) const {
        QAction* a = w.Action(QString::fromUtf8(action));
        if (!a->isEnabled()) std::fprintf(stderr, "%s is disabled\n", action);
        if (!a->isChecked()) a->trigger();
    }
    // Presses at the first point, moves through the others, takes the
    // picture, then releases; keep leaves the stroke in the glyph.
    void Shot(const char* name, Qt::MouseButton button, std::initializer_list<QPoint> track,
              bool keep = false) const {
        const QPoint* p = track.begin();
        QTest::mousePress(Canvas(), button, {}, At(p->x(), p->y()));
        for (++p; p != track.end(); ++p)
            QTest::mouseMove(Canvas(), At(p->x(), p->y()));
        Save(name);
        const QPoint last = *(track.end() - 1);
        QTest::mouseRelease(Canvas(), button, {}, At(last.x(), last.y()));
        if (!keep) w.Action("UndoAction")->trigger();
    }
};

} // namespace

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    QString font, folder;
    if (!ShotArguments(argc, argv, font, folder)) return 2;
    TShotWindow shot(font);
    Tmainform& w = shot.window;
    w.findChild<TDatabaseGrid*>("DatabaseGrid1")->SelectRow('g' - 31);
    w.findChild<QSpinBox*>("ZoomEdit")->setValue(16);
    w.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    const TSession s{w, folder};
    s.Save("draw-0-before.png");

    s.Choose("SetPixelsAction");
    s.Choose("FreeHandAction");
    s.Shot("draw-1-freehand.png", Qt::LeftButton, {{0, 0}, {3, 1}, {1, 4}, {6, 2}});
    s.Choose("LineAction");
    s.Shot("draw-2-line.png", Qt::LeftButton, {{0, 0}, {7, 9}, {5, 3}});
    s.Choose("RectangleAction");
    const struct {
        const char* fill;
        const char* file;
        Qt::MouseButton button;
    } fills[] = {
        {"DrawingLinesAction", "draw-3-rect-lines.png", Qt::LeftButton},
        {"DrawingLinesBrushedWhiteAction", "draw-4-rect-white-brush.png", Qt::LeftButton},
        {"DrawingLinesBrushedBlackAction", "draw-5-rect-black-brush.png", Qt::LeftButton},
        {"DrawingLinesBrushedBlackAction", "draw-6-rect-black-brush-right.png", Qt::RightButton},
        {"DrawingBrushWhiteAction", "draw-7-rect-white-only.png", Qt::LeftButton},
    };
    for (const auto& f : fills) {
        s.Choose(f.fill);
        s.Shot(f.file, f.button, {{6, 15}, {1, 10}});
    }
    s.Choose("EllipseAction");
    s.Choose("DrawingLinesAction");
    s.Shot("draw-8-ellipse.png", Qt::RightButton, {{0, 9}, {7, 17}});
    s.Choose("RubberAction");
    s.Shot("draw-9-rubber.png", Qt::LeftButton, {{0, 12}, {6, 16}});
    s.Choose("EditCopyAction");
    s.Shot("draw-10-copy-marquee.png", Qt::LeftButton, {{0, 14}, {5, 19}}, true);
    s.Choose("EditPasteAction");
    s.Choose("TransparentAction");
    s.Shot("draw-11-paste-transparent.png", Qt::LeftButton, {{0, 0}, {3, 9}});
    s.Choose("OverlappingAction");
    s.Shot("draw-12-paste-overlapping.png", Qt::LeftButton, {{0, 0}, {2, 1}});
    s.Save("draw-13-after.png");
    return 0;
}
