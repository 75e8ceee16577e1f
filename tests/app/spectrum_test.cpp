// The window's Spectrum commands: Export for Spectrum writes the preview text
// with the font, Run in emulator starts Fuse on a snapshot or, where Fuse is
// missing, stays disabled and says what to install.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "dialogs/previewdialog.h"
#include "formats/fileio.h"
#include "spectrum/spectrumfiles.h"
#include "windowfixture.h"

class SpectrumTest : public QObject {
    Q_OBJECT

  private:
    // The file is the tape the compact routine gives for "Hi" in the font.
    static void ExpectCompactTapeOfHi(TWindowFixture& f, const QString& path) {
        TSpectrumOptions o;
        o.Text = "Hi";
        o.Routine = TPrintRoutine::Compact;
        TSpectrumProgram program;
        QCOMPARE(BuildSpectrumProgram(f.Font(), o, program), std::string());
        QVERIFY(ReadFileBytes(QFile::encodeName(path).toStdString()) == BuildSpectrumTape(program));
    }

    static void MakeFont(TFZXFont& font) {
        font.SetLastChar(126);
        for (int i = 0; i < font.Count(); ++i)
            font.Glyph(i).SetAll("110|011|101", 2, 3 + i % 4, i % 2);
    }
    // PATH holding only dir while a window is made and used.
    struct TPathOnly {
        QByteArray Saved = qgetenv("PATH");
        explicit TPathOnly(const QString& dir) { qputenv("PATH", QFile::encodeName(dir)); }
        ~TPathOnly() { qputenv("PATH", Saved); }
    };

  private slots:
    void CommandsSitInFileAndToolsMenus() {
        TWindowFixture f;
        auto* file = f.Find<QMenu>("FileMenu");
        auto* tools = f.Find<QMenu>("ToolsMenu");
        QVERIFY(file->actions().contains(f.window->Action("SpectrumExportAction")));
        QVERIFY(tools->actions().contains(f.window->Action("RunInEmulatorAction")));
    }

    void ExportWritesThePreviewTextWithTheFont() {
        TWindowFixture f;
        MakeFont(f.Font());
        f.window->PreviewForm()->SetPreviewText("Hi[33]\rthere");
        const QString path = f.dir.filePath("demo.tap");
        {
            TModalScript script({ChooseFile(path)});
            f.window->Action("SpectrumExportAction")->trigger();
            QCOMPARE(script.Seen(), QStringList{"SpectrumExportDialog"});
        }
        TSpectrumOptions o;
        o.Text = "Hi!\rthere";
        TSpectrumProgram program;
        QCOMPARE(BuildSpectrumProgram(f.Font(), o, program), std::string());
        QVERIFY(ReadFileBytes(QFile::encodeName(path).toStdString()) == BuildSpectrumTape(program));
        // The status bar says it is done.
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 QString("Exported for the Spectrum: demo.tap"));

        // A text longer than the screen is written, and the status says how
        // much of it shows.
        f.window->PreviewForm()->SetPreviewText(std::string(3000, 'W'));
        TModalScript again({ChooseFile(f.dir.filePath("long.tap"))});
        f.window->Action("SpectrumExportAction")->trigger();
        o.Text.assign(3000, 'W');
        const std::vector<std::string> warnings = SpectrumWarnings(f.Font(), o);
        QCOMPARE(warnings.size(), std::size_t(1));
        QVERIFY(
            QString::fromStdString(warnings[0]).endsWith(" of 3000 characters fit on the screen"));
        QCOMPARE(f.window->statusBar()->currentMessage(), QString::fromStdString(warnings[0]));
    }

    void ChoosingATypeChangesTheExtension() {
        TWindowFixture f;
        MakeFont(f.Font());
        const QString path = f.dir.filePath("font.fzx");
        QCOMPARE(f.Font().SaveFZX(QFile::encodeName(path).toStdString()), std::string());
        f.window->OpenFont(path);
        TModalScript script({[](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return;
            dialog->selectNameFilter(dialog->nameFilters().value(1));
            emit dialog->filterSelected(dialog->nameFilters().value(1));
            static_cast<QDialog*>(dialog)->accept();
        }});
        f.window->Action("SpectrumExportAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{"SpectrumExportDialog"});
        QVERIFY(QFile::exists(f.dir.filePath("font.z80")));
        QCOMPARE(QFileInfo(f.dir.filePath("font.z80")).size(), qint64(30 + 49152));
    }

    void ACompactTypeWritesTheCompactRoutine() {
        TWindowFixture f;
        MakeFont(f.Font());
        f.window->PreviewForm()->SetPreviewText("Hi");
        const QString path = f.dir.filePath("small.tap");
        TModalScript script({[path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return;
            const QStringList compact = dialog->nameFilters().filter("compact");
            const QString tape = compact.value(0);
            QVERIFY(tape.contains("tape"));
            dialog->selectNameFilter(tape);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }});
        f.window->Action("SpectrumExportAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{"SpectrumExportDialog"});

        ExpectCompactTapeOfHi(f, path);
    }

    // The routine is a choice of its own beside the file type, and the two
    // stay in step.
    void TheRoutineIsAVisibleChoice() {
        TWindowFixture f;
        MakeFont(f.Font());
        f.window->PreviewForm()->SetPreviewText("Hi");
        const QString path = f.dir.filePath("small.tap");
        TModalScript script({[path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return;
            auto* routine = dialog->findChild<QComboBox*>("SpectrumRoutineBox");
            QVERIFY(routine && routine->isVisible() && routine->isEnabled());
            QCOMPARE(routine->count(), 2);
            QVERIFY(routine->itemText(1).startsWith("Compact"));
            routine->setCurrentIndex(1);
            QVERIFY(dialog->selectedNameFilter().contains("compact"));
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        }});
        f.window->Action("SpectrumExportAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{"SpectrumExportDialog"});
        ExpectCompactTapeOfHi(f, path);
    }

    void RunInEmulatorStartsFuseOnASnapshot() {
        QTemporaryDir bin;
        const QString record = bin.filePath("arguments.txt");
        QFile fuse(bin.filePath("fuse"));
        QVERIFY(fuse.open(QIODevice::WriteOnly));
        fuse.write(
            ("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + record + "'\n").toUtf8());
        fuse.close();
        fuse.setPermissions(fuse.permissions() | QFile::ExeOwner);
        TPathOnly path(bin.path());
        TWindowFixture f;
        MakeFont(f.Font());
        QAction* run = f.window->Action("RunInEmulatorAction");
        QVERIFY(run->isEnabled());
        run->trigger();
        // The script writes its arguments one a line; the snapshot comes last.
        auto recorded = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_VERIFY(recorded().endsWith(".z80\n"));
        const QStringList args = recorded().split('\n', Qt::SkipEmptyParts);
        QVERIFY(args.contains("--snapshot"));
        QVERIFY(args.last().endsWith(".z80"));
        QVERIFY(QFile::exists(args.last()));
        QCOMPARE(QFileInfo(args.last()).size(), qint64(30 + 49152));
    }

    void RunInEmulatorIsDisabledWithoutFuse() {
        QTemporaryDir empty;
        TPathOnly path(empty.path());
        TWindowFixture f;
        QAction* run = f.window->Action("RunInEmulatorAction");
        QVERIFY(!run->isEnabled());
        QVERIFY(run->statusTip().contains("fuse-emulator-gtk"));
        QVERIFY(run->toolTip().contains("opense-basic"));
    }
};

QTEST_MAIN(SpectrumTest)
#include "spectrum_test.moc"
