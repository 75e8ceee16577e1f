// Toolbar, history and program icons: the checkable rule, the grey and
// embossed looks, crisp pixmaps and complete picture sets.

#include <QApplication>
#include <QtTest>

#include "icons/appicon.h"
#include "icons/historyimagelist.h"
#include "icons/staticimagelist.h"

namespace {

bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT

  private slots:
    void checkableIconsAreExactlyPenModesToolsAndPaste() {
        const TStaticImageList& list = ToolbarImageList();
        QCOMPARE(list.CheckableIcons(), QStringLiteral("--XX--XXXXX---------------XXX"));
        QList<int> checkable;
        for (int i = -1; i <= list.Count(); ++i)
            if (list.IsCheckable(i)) checkable << i;
        QCOMPARE(checkable, (QList<int>{2, 3, 6, 7, 8, 9, 10, 26, 27, 28}));
        // Any character but '-' marks an icon checkable.
        QVERIFY(TStaticImageList("-a").IsCheckable(1));
        QVERIFY(!TStaticImageList("-a").IsCheckable(0));
    }

    void grayKeepsAlphaAndDropsTheFraction() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(200, 100, 50, 128));
        image.setPixel(1, 0, qRgba(255, 255, 255, 255));
        const QImage grey = TStaticImageList::Grayed(image);
        // (77*200 + 151*100 + 28*50) / 256 = 31900 / 256 = 124.6 -> 124
        QCOMPARE(grey.pixel(0, 0), qRgba(124, 124, 124, 128));
        // 256*255 / 256 = 255: the weights add up to 256, white stays white
        QCOMPARE(grey.pixel(1, 0), qRgba(255, 255, 255, 255));
    }

    void embossDrawsBlackPixelsAsShadowWithHighlightBelowRight() {
        QImage image(3, 3, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.setPixel(0, 0, qRgb(0, 0, 0));       // shape
        image.setPixel(1, 1, qRgb(0, 0, 0));       // shape, also under the first one's highlight
        image.setPixel(2, 0, qRgb(1, 0, 0));       // nearly black: not shape
        image.setPixel(0, 2, qRgba(0, 0, 0, 128)); // translucent black: not shape
        const QColor face(10, 20, 30), light(200, 210, 220), dark(60, 70, 80);
        const QImage result = TStaticImageList::Embossed(image, face, light, dark);
        const QRgb F = face.rgb(), L = light.rgb(), D = dark.rgb();
        const QRgb expected[3][3] = {{D, F, F}, {F, D, F}, {F, F, L}};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                QVERIFY2(result.pixel(x, y) == expected[y][x],
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    }

    void toolbarIconStatesFollowCheckability() {
        const TStaticImageList& list = ToolbarImageList();
        const QPalette palette = QApplication::palette();
        struct Case {
            int index;
            bool greyWhenOff;
        } cases[] = {{26, true}, {6, true}, {12, false}, {29, false}};
        for (const Case& c : cases) {
            const QIcon icon = list.Icon(c.index);
            const QImage color = list.ColorImage(c.index);
            auto shown = [&](QIcon::Mode mode, QIcon::State state) {
                return icon.pixmap(QSize(16, 16), 1.0, mode, state)
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32);
            };
            QCOMPARE(shown(QIcon::Normal, QIcon::On), color);
            QCOMPARE(shown(QIcon::Normal, QIcon::Off),
                     c.greyWhenOff ? TStaticImageList::Grayed(color) : color);
            QCOMPARE(shown(QIcon::Disabled, QIcon::Off),
                     TStaticImageList::Embossed(color, palette));
            // At device pixel ratio 2 each icon pixel becomes a sharp 2 x 2 block.
            QImage doubled = icon.pixmap(QSize(16, 16), 2.0, QIcon::Normal, QIcon::On)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
            doubled.setDevicePixelRatio(1);
            QCOMPARE(doubled.size(), QSize(32, 32));
            QCOMPARE(doubled.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation), color);
        }
        QVERIFY(list.Icon(-1).isNull());
        QVERIFY(list.Icon(list.Count()).isNull());
    }

    void everyIconIsA16By16PictureWithAShape() {
        const TStaticImageList& toolbar = ToolbarImageList();
        QCOMPARE(toolbar.Count(), 53);
        for (int i = 0; i < toolbar.Count(); ++i) {
            const QImage image = toolbar.ColorImage(i);
            QVERIFY2(image.size() == QSize(16, 16), qPrintable(QString("toolbar %1").arg(i)));
            QVERIFY2(HasVisiblePixel(image), qPrintable(QString("toolbar %1").arg(i)));
            // A disabled item must still show its shape.
            const QImage embossed = toolbar.EmbossedImage(i);
            QImage plain(16, 16, QImage::Format_ARGB32);
            plain.fill(QApplication::palette().color(QPalette::Button).rgb());
            QVERIFY2(embossed != plain, qPrintable(QString("toolbar %1 embossed").arg(i)));
        }
        const THistoryImageList& history = HistoryImageList();
        QCOMPARE(history.Count(), 41);
        for (int a = 0; a < history.Count(); ++a) {
            const QImage image = history.Image(a);
            QVERIFY2(image.size() == QSize(16, 16), qPrintable(QString("history %1").arg(a)));
            QVERIFY2(HasVisiblePixel(image), qPrintable(QString("history %1").arg(a)));
            QVERIFY(!history.Icon(a).isNull());
        }
        QVERIFY(history.Icon(-1).isNull());
        QVERIFY(history.Icon(41).isNull());
        // History entries of the glyph commands share the toolbar pictures.
        QCOMPARE(history.Image(14), toolbar.ColorImage(30)); // bold mode / Bold
        QCOMPARE(history.Image(29), toolbar.ColorImage(39)); // bold all / Bold all
        QCOMPARE(history.Image(37), toolbar.ColorImage(48)); // Scale all chars / Scale all
        // The white brush shows its area by a dark edge on a light toolbar,
        // and by the embossed edge when disabled.
        const QImage brush = toolbar.ColorImage(14);
        const QImage off = toolbar.EmbossedImage(14);
        for (int x = 0; x <= 12; ++x) {
            QVERIFY2(qGray(brush.pixel(x, 2)) <= 128, qPrintable(QString::number(x)));
            if (x % 2 == 0) QVERIFY(off.pixel(x, 2) != off.pixel(6, 6)); // edge, not face
        }
    }

    void appIconShipsEverySizeAsDrawn() {
        const QIcon icon = AppIcon();
        QVERIFY(!icon.isNull());
        for (int size : AppIconSizes()) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                     qPrintable(QString::number(size)));
            const QImage shipped = QImage(QStringLiteral(":/icons/app/quorrel-%1.png").arg(size))
                                       .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shipped == PaintAppIcon(size),
                     qPrintable(QStringLiteral("quorrel-%1.png differs from PaintAppIcon(%1): "
                                               "save the new drawing over it")
                                    .arg(size)));
        }
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
