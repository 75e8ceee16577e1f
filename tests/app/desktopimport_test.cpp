// Desktop fonts through the real window: a dropped outline face opens the
// dialog, whose preview follows the pixel size and whose font is the one the
// import gives; a font of several strikes offers them; a damaged file or a
// cancelled dialog leaves the window's font as it was. Skips without the
// fonts of fonts-dejavu-core and fonts-terminus-otb.

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QtTest>

#include "desktopfont.h"
#include "dialogs/desktopimportdialog.h"
#include "fontfilefixture.h"
#include "formatfiles.h"
#include "windowfixture.h"

namespace {

const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
const QString kTerminus = QStringLiteral("/usr/share/fonts/opentype/terminus/terminus-normal.otb");

void Drop(Tmainform& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at(100, 100);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

// The FZX image of a font, for comparing whole fonts.
std::vector<std::uint8_t> Image(const TFZXFont& font) {
    std::vector<std::uint8_t> image;
    font.BuildFZXImage(image);
    return image;
}

} // namespace

class DesktopImportTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        if (!QFile::exists(kDejaVu) || !QFile::exists(kTerminus))
            QSKIP("DejaVuSans.ttf or terminus-normal.otb not installed (packages "
                  "fonts-dejavu-core, fonts-terminus-otb)");
    }
    void droppedOutlineFaceAsksForTheSize();
    void strikesAreOffered();
    void failedOrCancelledImportKeepsTheFont();
    void characterPreviewShowsTheWholeRange();
};

void DesktopImportTest::droppedOutlineFaceAsksForTheSize() {
    TWindowFixture f;
    QStringList seen;
    TModalScript script(
        {[&](QWidget* w) {
             auto* d = qobject_cast<TDesktopImportDialog*>(w);
             if (!d) return;
             seen << QString::number(d->SizeEdit->value()) << d->StatusLabel->text();
             const qint64 large = d->CharactersLabel->pixmap().height();
             d->SizeEdit->setValue(8);
             seen << QString::number(d->PreviewFont().Height()) << d->StatusLabel->text();
             // A smaller size is zoomed, never smaller than a line of the strip.
             QVERIFY(!d->SampleLabel->pixmap().isNull());
             QVERIFY(d->CharactersLabel->pixmap().height() >= d->PreviewFont().Height());
             QVERIFY(large > 0);
             d->OKButton->click();
         },
         Click(QMessageBox::Ok)});
    Drop(*f.window, kDejaVu);
    // The report names the characters beyond Latin-1 that were left out.
    QTRY_COMPARE(script.Seen().size(), 2);
    QCOMPARE(script.Seen().first(), QString("DesktopImportDialog"));
    QVERIFY(script.Seen().last().startsWith("Imported from " + kDejaVu + ":"));
    QVERIFY(script.Seen().last().contains("characters outside codes 32 to 255 left out"));
    QCOMPARE(seen.value(0), QString("16"));
    QVERIFY(seen.value(1).startsWith("Height 19, codes 32 to 255."));
    QCOMPARE(seen.value(2), QString("10"));
    TFZXFont expected;
    TImportReport report;
    TImportOptions options;
    options.PixelSize = 8;
    QCOMPARE(LoadFontFile(expected, kDejaVu.toStdString(), options, report), std::string());
    QCOMPARE(Image(f.Font()), Image(expected));
    QVERIFY(f.window->Document().FileName().isEmpty());
    QVERIFY(f.Font().Modified());
}

void DesktopImportTest::strikesAreOffered() {
    TWindowFixture f;
    QStringList strikes;
    TModalScript script({[&](QWidget* w) {
                             auto* d = qobject_cast<TDesktopImportDialog*>(w);
                             if (!d) return;
                             QVERIFY(!d->SizeEdit);
                             for (int i = 0; i < d->StrikeBox->count(); ++i)
                                 strikes << d->StrikeBox->itemText(i);
                             d->StrikeBox->setCurrentIndex(d->StrikeBox->findData(16));
                             d->OKButton->click();
                         },
                         Click(QMessageBox::Ok)});
    f.window->ImportFont(kTerminus);
    QCOMPARE(script.Seen().first(), QString("DesktopImportDialog"));
    QCOMPARE(strikes.size(), 9);
    QCOMPARE(strikes.first(), QString("12 pixels"));
    QCOMPARE(f.Font().Height(), 16);
}

void DesktopImportTest::failedOrCancelledImportKeepsTheFont() {
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 40);
    f.window->OpenFont(current);
    const std::vector<std::uint8_t> before = Image(f.Font());
    const QString damaged = f.dir.filePath("damaged.ttf");
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\0\1\0\0\0\x0c", 6);
    file.close();
    struct {
        QString path;
        TModalScript::TAnswer answer;
        QString seen;
    } cases[] = {
        {kDejaVu, Dismiss(), "DesktopImportDialog"},
        {damaged, Click(QMessageBox::Ok),
         "\"" + damaged +
             "\": not a font that can be read (TrueType, OpenType, WOFF or PCF), or damaged"},
    };
    for (auto& c : cases) {
        TModalScript script({c.answer});
        f.window->ImportFont(c.path);
        QCOMPARE(script.Seen(), QStringList{c.seen});
        QCOMPARE(Image(f.Font()), before);
        QCOMPARE(f.window->Document().FileName(), current);
    }
}

// Small sizes are zoomed 2x to 4x; every character of the range must still
// show, lower case and Latin-1 included, not just the first row's worth.
void DesktopImportTest::characterPreviewShowsTheWholeRange() {
    std::vector<std::uint8_t> bytes;
    QCOMPARE(ReadDesktopFontFile(kDejaVu.toStdString(), bytes), std::string());
    TDesktopFace face;
    QCOMPARE(DescribeDesktopFont(bytes, 0, face), std::string());
    for (const int size : {6, 8, 9, 12}) {
        TDesktopImportDialog dialog(bytes, face, TImportOptions(), TStringList(), kDejaVu);
        dialog.SizeEdit->setValue(size);
        const TFZXFont& font = dialog.PreviewFont();
        const QImage shown = dialog.CharactersLabel->pixmap().toImage();
        // Ink the font's glyphs hold, against ink the picture shows; the
        // zoom is the ratio, whatever it is.
        long long held = 0;
        for (int i = 0; i <= font.LastChar() - 32; ++i)
            held += QString::fromStdString(font.Glyph(i).Rows()).count('1');
        long long painted = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                painted += shown.pixel(x, y) != qRgb(255, 255, 255);
        const int zoom = std::clamp(24 / font.Height(), 1, 4);
        QVERIFY2(
            painted >= held * zoom * zoom * 9 / 10,
            qPrintable(QString("%1 px: %2 of %3").arg(size).arg(painted).arg(held * zoom * zoom)));
    }
}

QTEST_MAIN(DesktopImportTest)
#include "desktopimport_test.moc"
