// The clipboard watch of the real window: a picture enables the paste tool
// and becomes a black-and-white copy, anything else disables the tool and
// puts the free hand tool in its place.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QtTest>

#include "tools/toolcontroller.h"
#include "windowfixture.h"

namespace {

void SetClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

QImage Picture(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
  private slots:
    void pictureEnablesPasteAndTextDisablesIt();
    void onlyPureWhiteStaysWhite();
    void unreadablePictureCountsAsNone();
    void watchStartsWithTheClipboardsState();
};

void ClipboardTest::pictureEnablesPasteAndTextDisablesIt() {
    TWindowFixture f;
    QAction* paste = f.window->Action("EditPasteAction");
    SetClipboardImage(Picture(3, 2, qRgb(0, 0, 0)));
    QVERIFY(paste->isEnabled());
    paste->trigger();
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtPaste);
    QVERIFY(f.window->Action("OverlappingAction")->isEnabled());

    QGuiApplication::clipboard()->setText("not a picture");
    QVERIFY(!paste->isEnabled());
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtFreeHand);
    QVERIFY(f.window->Action("FreeHandAction")->isChecked());
    // The paste modes follow the tool.
    QVERIFY(!f.window->Action("OverlappingAction")->isEnabled());
    // The last picture stays for when a new one comes.
    QCOMPARE(f.window->ClipboardBitmap().Width(), 3);

    // Another tool stays as it is when the picture goes.
    SetClipboardImage(Picture(1, 1, qRgb(0, 0, 0)));
    f.window->Action("RectangleAction")->trigger();
    QGuiApplication::clipboard()->setText("text again");
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtRectangle);
}

void ClipboardTest::onlyPureWhiteStaysWhite() {
    TWindowFixture f;
    const struct {
        QRgb colour;
        TColor expected;
    } cases[] = {
        {qRgb(255, 255, 255), clWhite},
        {qRgb(254, 255, 255), clBlack},
        {qRgb(192, 192, 192), clBlack},
        {qRgb(128, 128, 128), clBlack},
        {qRgb(255, 0, 0), clBlack},
        {qRgb(0, 0, 0), clBlack},
        // Transparent areas are paper.
        {qRgba(0, 0, 0, 0), clWhite},
    };
    QImage image(int(std::size(cases)), 2, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 0, cases[x].colour);
        image.setPixel(x, 1, qRgb(255, 255, 255));
    }
    SetClipboardImage(image);
    const TRaster& bitmap = f.window->ClipboardBitmap();
    QCOMPARE(bitmap.Width(), image.width());
    QCOMPARE(bitmap.Height(), 2);
    for (int x = 0; x < image.width(); ++x) {
        QVERIFY2(bitmap.Pixel(x, 0) == cases[x].expected, qPrintable(QString::number(x)));
        QCOMPARE(bitmap.Pixel(x, 1), clWhite);
    }
}

void ClipboardTest::unreadablePictureCountsAsNone() {
    TWindowFixture f;
    QAction* paste = f.window->Action("EditPasteAction");
    SetClipboardImage(Picture(2, 2, qRgb(0, 0, 0)));
    paste->trigger();
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtPaste);

    // Claims a picture, but holds bytes no picture can be read from.
    auto* broken = new QMimeData;
    broken->setData("application/x-qt-image", QByteArray("garbage"));
    QVERIFY(broken->hasImage());
    QGuiApplication::clipboard()->setMimeData(broken);
    QVERIFY(!paste->isEnabled());
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtFreeHand);
    QCOMPARE(f.window->ClipboardBitmap().Width(), 2);

    // An empty picture is no picture either.
    SetClipboardImage(Picture(2, 2, qRgb(0, 0, 0)));
    QVERIFY(paste->isEnabled());
    SetClipboardImage(QImage());
    QVERIFY(!paste->isEnabled());
}

void ClipboardTest::watchStartsWithTheClipboardsState() {
    SetClipboardImage(Picture(5, 4, qRgb(10, 10, 10)));
    {
        TWindowFixture f;
        QVERIFY(f.window->Action("EditPasteAction")->isEnabled());
        QCOMPARE(f.window->ClipboardBitmap().Width(), 5);
        QCOMPARE(f.window->ClipboardBitmap().Pixel(4, 3), clBlack);
    }
    QGuiApplication::clipboard()->clear();
    TWindowFixture f;
    QVERIFY(!f.window->Action("EditPasteAction")->isEnabled());
    QVERIFY(f.window->ClipboardBitmap().Empty());
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
