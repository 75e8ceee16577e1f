#pragma once
// Drawing on the real window's canvas from tests: pictures of a glyph as
// text, and a driver that presses, moves and releases at font pixels.
#include "widgets/cursordefs.h"
#include "widgets/editcanvas.h"
#include "windowfixture.h"
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

using TPicture = QStringList; // one string per body row, '#' set, '.' unset

inline const TPicture Empty8 = {"........", "........", "........", "........",
                                "........", "........", "........", "........"};
inline const TPicture Full8 = {"########", "########", "########", "########",
                               "########", "########", "########", "########"};

// The current glyph over the whole body, whatever its leading and rows.
inline TPicture Pixels(TFZXFont& font) {
    const TFZXChar* glyph = font.GetCurrent();
    const QStringList rows = QString::fromStdString(glyph->Rows()).split('|');
    TPicture picture;
    for (int r = 0; r < font.Height(); ++r) {
        const int stored = r - glyph->Leading();
        QString row = stored >= 0 && stored < rows.size() && !glyph->Rows().empty() ? rows[stored]
                                                                                    : QString();
        row = row.leftJustified(glyph->Width(), '0', true);
        picture << row.replace('1', '#').replace('0', '.');
    }
    return picture;
}

inline void SetPixels(TFZXFont& font, const TPicture& picture) {
    QStringList rows = picture;
    for (QString& row : rows)
        row.replace('#', '1').replace('.', '0');
    TFZXChar* glyph = font.GetCurrent();
    glyph->SetLeading(0);
    glyph->SetRows(rows.join('|').toStdString());
}

inline QString Show(const TPicture& picture) {
    return "\n" + picture.join('\n');
}

// The window's canvas driven like a user would: pixel positions become the
// centre of their cell on the paint box.
struct TCanvasDriver {
    TWindowFixture& f;
    TEditPaintBox* box;

    explicit TCanvasDriver(TWindowFixture& fixture)
        : f(fixture), box(fixture.Find<TEditPaintBox>("EditPaintBox")) {}

    QPoint At(int c, int r) const {
        const TRect area = box->GlyphArea();
        const int z = f.window->Zoom();
        return {area.Left + c * z + z / 2, area.Top + r * z + z / 2};
    }
    void Press(Qt::MouseButton button, QPoint p) { QTest::mousePress(box, button, {}, p); }
    // QTest only sends a move while it holds a button down.
    void Drag(QPoint p) { QTest::mouseMove(box, p); }
    void Release(Qt::MouseButton button, QPoint p) { QTest::mouseRelease(box, button, {}, p); }
    // A move without buttons, as the pointer passes over the canvas.
    void Hover(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, box->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(box, &move);
    }
    // Press at the first point, move through the rest, release at the last.
    void Stroke(Qt::MouseButton button, const std::vector<QPoint>& track) {
        Press(button, At(track.front().x(), track.front().y()));
        for (std::size_t i = 1; i < track.size(); ++i)
            Drag(At(track[i].x(), track[i].y()));
        Release(button, At(track.back().x(), track.back().y()));
    }
    void Choose(const char* action) {
        QAction* a = f.window->Action(action);
        QVERIFY2(a->isEnabled(), action);
        if (!a->isChecked()) a->trigger();
        QVERIFY2(a->isChecked(), action);
    }
    // Gives the glyph a picture as a recorded state, so undo returns to it.
    void Start(const TPicture& picture) {
        SetPixels(f.Font(), picture);
        f.Font().GlyphChanged(THistoryKind::PixelsChanged);
        f.Font().SetModified(false);
    }
    int Entries() const { return f.Font().UndoList().Count(); }
    THistoryKind LastAction() const {
        const Tundolist& h = f.Font().UndoList();
        return h.Entry(h.Position()).Action;
    }
};

QImage ClipboardPicture(const TPicture& picture) {
    QImage image(picture[0].size(), picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, picture[y][x] == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}
