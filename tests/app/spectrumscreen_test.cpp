// The Spectrum screen dock: off at first start and remembered; its picture is
// `render --wrap` of the preview text in the Spectrum's colours, pixel for
// pixel, and follows edits; a click moves the text; the export and the
// emulator take its colours and position, and a second run replaces Fuse.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "dialogs/previewdialog.h"
#include "formats/fileio.h"
#include "render/textlayout.h"
#include "spectrum/spectrumfiles.h"
#include "spectrum/spectrumscreendock.h"
#include "spectrum/spectrumscreenview.h"
#include "windowfixture.h"

class SpectrumScreenTest : public QObject {
    Q_OBJECT

  private:
    // render --wrap --at of the same text (black ink on white), each pixel
    // turned into the options' ink or paper, inside the border.
    static QImage Expected(TFZXFont& font, const std::string& text, const TSpectrumOptions& o,
                           int zoom) {
        TRaster ink(256, 192, clWhite);
        TTextFrame frame;
        frame.Left = o.X;
        frame.Top = o.Y;
        PaintText(font, ink, LayOutText(font, text, frame), 1);
        const int bright = o.Bright ? 8 : 0;
        const int bx = SpectrumBorderWidth, by = SpectrumBorderHeight;
        QImage image((256 + 2 * bx) * zoom, (192 + 2 * by) * zoom, QImage::Format_RGB32);
        image.fill(QColor::fromRgb(SpectrumColour(o.Border)));
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x) {
                const TColor c =
                    SpectrumColour((ink.Pixel(x, y) != clWhite ? o.Ink : o.Paper) + bright);
                for (int dy = 0; dy < zoom; ++dy)
                    for (int dx = 0; dx < zoom; ++dx)
                        image.setPixel((bx + x) * zoom + dx, (by + y) * zoom + dy, c);
            }
        return image;
    }
    // "" when the view, as grabbed, shows exactly the expected picture.
    static QString Difference(QWidget* view, const QImage& expected) {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != expected.size())
            return QStringLiteral("size %1x%2").arg(shown.width()).arg(shown.height());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != expected.pixel(x, y))
                    return QStringLiteral("first difference at %1,%2").arg(x).arg(y);
        return QString();
    }
    static TSpectrumOptions Colours() {
        TSpectrumOptions o;
        o.X = 13;
        o.Y = 21;
        o.Ink = 1;
        o.Paper = 6;
        o.Bright = true;
        o.Border = 2;
        return o;
    }
    static void MakeFont(TFZXFont& font) {
        font.SetLastChar(126);
        for (int i = 0; i < font.Count(); ++i)
            font.Glyph(i).SetAll("110|011|101", 2, 3 + i % 4, i % 2);
    }

  private slots:
    void OffAtFirstStartAndRemembered() {
        TWindowFixture f;
        QAction* show = f.window->Action("ShowSpectrumScreenAction");
        auto* view = qobject_cast<QMenu*>(f.Find<QMenu>("ViewMenu"));
        QVERIFY(view->actions().contains(show));
        auto* dock = f.Find<TSpectrumScreenDock>("SpectrumScreenDock");
        QVERIFY(dock && !dock->isVisible() && !show->isChecked());
        show->setChecked(true);
        QVERIFY(dock->isVisible());
        dock->SetOptions(Colours());
        f.Find<QComboBox>("SpectrumZoomBox")->setCurrentIndex(2);
        f.Find<QCheckBox>("SpectrumGridBox")->setChecked(true);
        f.window->StoreSettings();

        auto again = std::make_unique<Tmainform>();
        again->SetSettingsFile(f.dir.filePath("settings.ini"));
        again->show();
        QTest::qWait(20);
        QTRY_VERIFY(again->Action("ShowSpectrumScreenAction")->isChecked());
        TSpectrumScreenDock* restored = again->SpectrumScreenDock();
        QVERIFY(restored->isVisible());
        const TSpectrumOptions o = restored->Options(), want = Colours();
        QCOMPARE(
            std::vector<int>({o.X, o.Y, o.Ink, o.Paper, o.Bright, o.Border}),
            std::vector<int>({want.X, want.Y, want.Ink, want.Paper, want.Bright, want.Border}));
        QCOMPARE(restored->View()->Zoom(), 3);
        QVERIFY(restored->View()->Grid());
        // Closing the dock by its own button unticks the command.
        restored->close();
        QVERIFY(!again->Action("ShowSpectrumScreenAction")->isChecked());
    }

    void PictureIsRenderInSpectrumColoursAndFollowsEdits() {
        if (!QFile::exists(QUORREL_SHARED_DIR "/fonts/fzx/ao/Chloe/Chloe.fzx"))
            QSKIP("shared font collection not found");
        TWindowFixture f;
        f.window->Action("ShowSpectrumScreenAction")->setChecked(true);
        TSpectrumScreenDock* dock = f.window->SpectrumScreenDock();
        TSpectrumScreenView* view = dock->View();
        const std::string text = "The quick brown fox jumps over the lazy dog.\rAnd again";
        f.window->PreviewForm()->SetPreviewText(text);
        const struct {
            const char* Font;
            int Zoom;
        } rows[] = {
            {"ao/Chloe/Chloe.fzx", 1}, {"ao/Cheveron/Cheveron.fzx", 2}, {"kk/FairfaxI.fzx", 1}};
        for (const auto& row : rows) {
            f.window->OpenFont(QStringLiteral(QUORREL_SHARED_DIR "/fonts/fzx/") +
                               QString::fromLatin1(row.Font));
            QVERIFY2(f.Font().Count() > 0, row.Font);
            TSpectrumOptions o = Colours();
            dock->SetOptions(o);
            f.Find<QComboBox>("SpectrumZoomBox")->setCurrentIndex(row.Zoom - 1);
            QCOMPARE(Difference(view, Expected(f.Font(), text, o, row.Zoom)), QString());

            // An edit through the font's notification reaches the screen.
            f.Font().SetCurrent('T' - 32);
            f.Font().GetCurrent()->SetRows("11111111|10000001|11111111");
            QCOMPARE(Difference(view, Expected(f.Font(), text, o, row.Zoom)), QString());

            // A click on the screen moves the text there.
            const QPoint at((SpectrumBorderWidth + 100) * row.Zoom + row.Zoom - 1,
                            (SpectrumBorderHeight + 50) * row.Zoom);
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
            o.X = 100;
            o.Y = 50;
            QCOMPARE(Difference(view, Expected(f.Font(), text, o, row.Zoom)), QString());
        }
    }

    void ExportTakesTheViewsColoursAndPosition() {
        TWindowFixture f;
        MakeFont(f.Font());
        f.window->PreviewForm()->SetPreviewText("Hi[33]\rthere");
        f.window->SpectrumScreenDock()->SetOptions(Colours());
        TSpectrumOptions o = Colours();
        o.Text = "Hi!\rthere";
        TSpectrumProgram program;
        QCOMPARE(BuildSpectrumProgram(f.Font(), o, program), std::string());
        TSpectrumScreen screen;
        SetSpectrumText(screen, f.Font(), o);
        const struct {
            const char* Name;
            std::vector<std::uint8_t> Bytes;
        } rows[] = {{"demo.z80", BuildSpectrumSnapshot(program)}, {"demo.scr", screen.Memory()}};
        for (const auto& row : rows) {
            const QString path = f.dir.filePath(row.Name);
            TModalScript script({ChooseFile(path)});
            f.window->Action("SpectrumExportAction")->trigger();
            QCOMPARE(script.Seen(), QStringList{"SpectrumExportDialog"});
            QVERIFY2(ReadFileBytes(QFile::encodeName(path).toStdString()) == row.Bytes, row.Name);
        }
    }

    void RunInEmulatorReplacesTheRunningFuseAndKeepsItQuiet() {
        QTemporaryDir bin;
        // A Fuse that stays up, noting its process, its snapshot and where
        // its output goes.
        const QString record = bin.filePath("runs.txt");
        QFile fuse(bin.filePath("fuse"));
        QVERIFY(fuse.open(QIODevice::WriteOnly));
        fuse.write(("#!/bin/sh\nfor a; do last=$a; done\necho \"$$ $last $(readlink /proc/$$/fd/1) "
                    "$(readlink /proc/$$/fd/2)\" >> '" +
                    record + "'\necho noise; echo noise >&2\nexec sleep 60\n")
                       .toUtf8());
        fuse.close();
        fuse.setPermissions(fuse.permissions() | QFile::ExeOwner);
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
        auto runs = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly)
                       ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                       : QStringList();
        };
        {
            TWindowFixture f;
            MakeFont(f.Font());
            QAction* run = f.window->Action("RunInEmulatorAction");
            run->trigger();
            QTRY_COMPARE(runs().size(), 1);
            run->trigger();
            QTRY_COMPARE(runs().size(), 2);
            const QStringList first = runs()[0].split(' '), second = runs()[1].split(' ');
            QCOMPARE(first.size(), 4);
            QCOMPARE(first[2], QStringLiteral("/dev/null"));
            QCOMPARE(first[3], QStringLiteral("/dev/null"));
            QVERIFY(first[1] != second[1]);
            QVERIFY(QFile::exists(second[1]));
            // The first Fuse is gone, the second still runs.
            QVERIFY(!QFile::exists(QStringLiteral("/proc/") + first[0]));
            QVERIFY(QFile::exists(QStringLiteral("/proc/") + second[0]));
            f.window.reset();
            // Closing the window ends it.
            QVERIFY(!QFile::exists(QStringLiteral("/proc/") + second[0]));
        }
        qputenv("PATH", savedPath);
    }
};

QTEST_MAIN(SpectrumScreenTest)
#include "spectrumscreen_test.moc"
