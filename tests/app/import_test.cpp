// Import and export through the real window: the File menu's commands with
// the changed-file prompt, the picture sheet dialog with its live preview,
// drops of further formats, failures that leave the font as it was, and
// exports in every writable format that leave the font's file alone.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QtTest>

#include "dialogs/exportoptionsdialog.h"
#include "dialogs/sheetimportdialog.h"
#include "fontfilefixture.h"
#include "formatfiles.h"
#include "windowfixture.h"

namespace {

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Codes 32..70 of height 8; 'A' a small triangle, '!' 5 wide.
void MakeSource(TFZXFont& font) {
    font.SetLastChar(70);
    font.Glyph('A' - 32).SetAll("00100000|01110000", 3, 8, 0);
    font.Glyph('!' - 32).SetAll("00100|00100", 1, 5, 0);
}

// Writes the source font in the format path's extension names.
void MakeFile(const QString& path, const TExportOptions& options = TExportOptions()) {
    TFZXFont font;
    MakeSource(font);
    const std::string error = SaveFontFile(font, Native(path), options);
    QVERIFY2(error.empty(), error.c_str());
}

// Accepts the export options dialog after setting it up.
TModalScript::TAnswer ExportOptions(std::function<void(TExportOptionsDialog*)> set = {}) {
    return [set](QWidget* w) {
        auto* dialog = qobject_cast<TExportOptionsDialog*>(w);
        if (!dialog) return;
        if (set) set(dialog);
        dialog->OKButton->click();
    };
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
  private slots:
    void menuImportAsksThenOpensAnUntitledFont();
    void defaultFilterShowsEveryImportableFile();
    void failedOrCancelledImportKeepsTheFont();
    void sheetDialogPreviewsAsTheUserTypes();
    void droppedFilesImport();
    void aFileOnTheCommandLineIsImportedAsADropIs();
    void exportWritesEveryFormatAndKeepsTheFont();
    void saveAsOffersTheImportedName();
};

void ImportTest::menuImportAsksThenOpensAnUntitledFont() {
    TWindowFixture f;
    auto* menu = f.Find<QMenu>("FileMenu");
    QVERIFY(menu->actions().contains(f.window->Action("ImportAction")));
    QVERIFY(menu->actions().contains(f.window->Action("ExportAction")));
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 40);
    f.window->OpenFont(current);
    Edit(f);
    const QString psf = f.dir.filePath("console.PSF.GZ");
    MakeFile(psf);

    QStringList filters;
    TModalScript script({Click(QMessageBox::No), ChooseFile(psf, &filters)});
    // Import asks about the changed font before a file is chosen.
    f.window->Action("ImportAction")->trigger();
    QCOMPARE(script.Seen(), QStringList({kPrompt, "ImportDialog"}));
    QVERIFY(filters.first().startsWith("All fonts that can be imported"));
    QVERIFY(filters.contains("PSF console fonts (*.psf) (*.psf *.PSF)"));
    QCOMPARE(f.Font().LastChar(), 70);
    QCOMPARE(f.Font().Glyph('A' - 32).Rows(), QString("00100000|01110000").toStdString());
    // A new untitled font that asks to be saved.
    QVERIFY(f.window->Document().FileName().isEmpty());
    QCOMPARE(PathLabel(f), QString("<empty>"));
    QVERIFY(f.Font().Modified());
    QCOMPARE(Recent(f), QStringList{current});
}

// The filter chosen at the start shows every file Import takes, in either
// letter case, as the dialog itself reads its filter.
void ImportTest::defaultFilterShowsEveryImportableFile() {
    TWindowFixture f;
    QString selected;
    QStringList patterns;
    TModalScript script({[&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) return;
        selected = dialog->selectedNameFilter();
        if (auto* model = dialog->findChild<QFileSystemModel*>()) patterns = model->nameFilters();
        dialog->reject();
    }});
    f.window->Action("ImportAction")->trigger();
    QCOMPARE(script.Seen(), QStringList{"ImportDialog"});
    QCOMPARE(selected, QString("All fonts that can be imported"));
    QStringList names;
    for (const TFontFormat& format : FontFormats())
        if (format.Group == fgOther && format.CanRead())
            for (const std::string& ext : format.Extensions)
                names << "font" + QString::fromStdString(ext);
    if (QImageReader::supportedImageFormats().contains("bmp")) names << "sheet.bmp";
    for (const QString& name : names)
        for (const QString& file : {name, name.toUpper()})
            QVERIFY2(QDir::match(patterns, file), qPrintable(file + ": " + patterns.join(' ')));
}

void ImportTest::failedOrCancelledImportKeepsTheFont() {
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 40);
    f.window->OpenFont(current);
    Edit(f);
    const QString good = f.dir.filePath("good.psf");
    MakeFile(good);
    const QString bad = f.dir.filePath("bad.psf");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x36\x04\x00\x08", 4);
    file.close();
    const QString badMessage = "\"" + bad + "\": byte 4: the file ends before glyph 0 of 256";

    struct {
        QString path;
        std::vector<TModalScript::TAnswer> answers;
        QStringList seen;
    } cases[] = {
        {good, {Click(QMessageBox::Cancel)}, {kPrompt}},
        {bad, {Click(QMessageBox::No), Click(QMessageBox::Ok)}, {kPrompt, badMessage}},
        {f.dir.filePath("missing.png"),
         {Click(QMessageBox::No), Click(QMessageBox::Ok)},
         {kPrompt,
          "Cannot open file \"" + f.dir.filePath("missing.png") + "\": No such file or directory"}},
    };
    for (auto& c : cases) {
        TModalScript script(c.answers);
        f.window->ImportFont(c.path);
        QCOMPARE(script.Seen(), c.seen);
        QCOMPARE(f.Font().LastChar(), 41);
        QVERIFY(f.Font().Modified());
        QCOMPARE(f.window->Document().FileName(), current);
    }
}

void ImportTest::sheetDialogPreviewsAsTheUserTypes() {
    TWindowFixture f;
    const QString sheet = f.dir.filePath("sheet.png");
    TExportOptions grid;
    grid.Grid = grid.Captions = true;
    grid.Columns = 8;
    MakeFile(sheet, grid);

    QStringList seen;
    TModalScript script({[&](QWidget* w) {
        auto* d = qobject_cast<TSheetImportDialog*>(w);
        if (!d) return;
        // The grid gives the layout: 8 x 8 cells, 8 columns, 5 rows.
        seen << QString("%1x%2 %3 %4")
                    .arg(d->CellWidthEdit->value())
                    .arg(d->CellHeightEdit->value())
                    .arg(d->ColumnsEdit->value())
                    .arg(d->StatusLabel->text());
        // Typing a first code of 65 moves every character up by 33 codes.
        d->FirstCodeEdit->setFocus();
        d->FirstCodeEdit->selectAll();
        QTest::keyClicks(d->FirstCodeEdit, "65");
        seen << d->StatusLabel->text();
        seen << QString::number(d->PreviewFont().Glyph('A' + 33 - 32).RowCount());
        // A cell taller than the sheet: explained, and Import is off.
        d->CellHeightEdit->setValue(200);
        seen << d->StatusLabel->text() << QString::number(d->OKButton->isEnabled());
        d->CellHeightEdit->setValue(8);
        d->FirstCodeEdit->setValue(32);
        d->FitWidthCheck->setChecked(true);
        d->OKButton->click();
    }});
    f.window->ImportFont(sheet);
    QCOMPARE(script.Seen(), QStringList{"SheetImportDialog"});
    QCOMPARE(seen, QStringList(
                       {"8x8 8 34 characters, codes 32 to 65.",
                        "34 characters, codes 65 to 98. Not in the file, left empty: 32 to 64", "2",
                        "Not one cell of 8 x 200 pixels fits the picture of 86 x 53.", "0"}));
    // The blank cells after 'A', the last inked one, are no characters.
    QCOMPARE(f.Font().LastChar(), 65);
    // Fitted widths: the ink plus one column.
    QCOMPARE(f.Font().Glyph('A' - 32).Width(), 5);
    QCOMPARE(f.Font().Glyph('!' - 32).Width(), 4);
    QVERIFY(f.window->Document().FileName().isEmpty());
}

void ImportTest::droppedFilesImport() {
    TWindowFixture f;
    const QString psf = f.dir.filePath("dropped.psf");
    MakeFile(psf);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(psf)});
    const QPointF at(100, 100);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &drop);
    QTRY_COMPARE(f.Font().LastChar(), 70);
    QCOMPARE(f.Font().Glyph('A' - 32).Leading(), 3);
    QVERIFY(f.window->Document().FileName().isEmpty());

    // A picture of a kind only the toolkit reads is a sheet too.
    const QString png = f.dir.filePath("sheet.png");
    MakeFile(png);
    const QString bmp = f.dir.filePath("sheet.BMP");
    QVERIFY(QImage(png).save(bmp, "BMP"));
    QVERIFY(f.window->CanImport(bmp));
    QVERIFY(!f.window->CanImport(f.dir.filePath("notes.txt")));
    f.Font().SetModified(false);
    TModalScript script({[](QWidget* w) {
        if (auto* d = qobject_cast<TSheetImportDialog*>(w)) d->OKButton->click();
    }});
    QMimeData pictureData;
    pictureData.setUrls({QUrl::fromLocalFile(bmp)});
    QDragEnterEvent enterPicture(at.toPoint(), Qt::CopyAction, &pictureData, Qt::LeftButton,
                                 Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enterPicture);
    QDropEvent dropPicture(at, Qt::CopyAction, &pictureData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &dropPicture);
    QTRY_COMPARE(script.Seen(), QStringList{"SheetImportDialog"});
    // 16 x 3 cells of 8 x 8: codes 32 to 65 ('A', the last inked), 'A' in place.
    QCOMPARE(f.Font().LastChar(), 65);
    QCOMPARE(f.Font().Glyph('A' - 32).Rows(), std::string("00100000|01110000"));
}

// The command line takes a file the way a drop does: a console font is
// imported as an untitled font, not refused for its extension.
void ImportTest::aFileOnTheCommandLineIsImportedAsADropIs() {
    QTemporaryDir files;
    const QString psf = files.filePath("named.psf");
    MakeFile(psf);
    TModalScript script;
    TWindowFixture f(QStringList{psf});
    QTRY_COMPARE(f.Font().LastChar(), 70);
    QCOMPARE(f.Font().Glyph('A' - 32).Leading(), 3);
    QVERIFY(f.window->Document().FileName().isEmpty());
    QCOMPARE(script.Seen(), QStringList());
}

void ImportTest::exportWritesEveryFormatAndKeepsTheFont() {
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 40);
    f.window->OpenFont(current);
    MakeSource(f.Font());
    f.Font().SetModified(false);

    struct {
        QString typed, written;
    } cases[] = {{"a.psf", "a.psf"},
                 {"b.PSF.GZ", "b.PSF.GZ"},
                 {"c.png", "c.png"},
                 {"d.bdf", "d.bdf"},
                 {"e.yaff", "e.yaff"},
                 // A name without an extension gets the first filter's: BDF.
                 {"plain", "plain.bdf"}};
    // Export offers the formats beyond the editor's own.
    int writable = 0;
    for (const TFontFormat& format : FontFormats())
        writable += format.Group == fgOther && format.CanWrite();
    for (const auto& c : cases) {
        QStringList filters;
        TModalScript script({ChooseFile(f.dir.filePath(c.typed), &filters), ExportOptions()});
        f.window->Action("ExportAction")->trigger();
        QCOMPARE(script.Seen(), QStringList({"ExportDialog", "ExportOptionsDialog"}));
        QCOMPARE(filters.size(), writable);
        TFZXFont back;
        TImportReport report;
        const std::string path = Native(f.dir.filePath(c.written));
        QCOMPARE(LoadFontFile(back, path, TImportOptions(), report), std::string());
        QCOMPARE(back.Glyph('A' - 32).Rows(), f.Font().Glyph('A' - 32).Rows());
    }
    QCOMPARE(f.window->Document().FileName(), current);
    QVERIFY(!f.Font().Modified());

    // A sheet with a grid, and a refusal that writes nothing.
    {
        TModalScript grid({ExportOptions([](TExportOptionsDialog* d) {
            QVERIFY(d->GridCheck->isVisible());
            QVERIFY(!d->ZxCharsetCheck->isVisible());
            d->GridCheck->setChecked(true);
        })});
        f.window->ExportFont(f.dir.filePath("grid.png"));
        QCOMPARE(grid.Seen(), QStringList{"ExportOptionsDialog"});
    }
    TRaster picture;
    QCOMPARE(ReadSheetPicture(Native(f.dir.filePath("grid.png")), picture), std::string());
    QCOMPARE(picture.Width(), 16 * 9 + 1);
    f.Font().Glyph(2).SetWidth(9);
    {
        TModalScript refused({ExportOptions(), Click(QMessageBox::Ok)});
        f.window->ExportFont(f.dir.filePath("wide.psf"));
        QCOMPARE(
            refused.Seen(),
            QStringList({"ExportOptionsDialog",
                         "Character [34] is 9 pixels wide: console fonts (PSF) take at most 8."}));
    }
    QVERIFY(!QFile::exists(f.dir.filePath("wide.psf")));

    // The Spectrum characters choice of the File menu starts the dialog's.
    f.Font().Glyph(2).SetWidth(8);
    f.Font().SetLastChar(100);
    f.window->Action("ZxCharsetAction")->trigger();
    bool zx = false;
    TModalScript spectrum(
        {ExportOptions([&zx](TExportOptionsDialog* d) { zx = d->ZxCharsetCheck->isChecked(); })});
    f.window->ExportFont(f.dir.filePath("zx.psf"));
    QVERIFY(zx);
    QVERIFY(FileBytes(f.dir.filePath("zx.psf")).contains("\xE2\x86\x91")); // U+2191 in the table
}

// An imported font is saved under its own name beside the file it came
// from, not as a nameless file in the program's working folder.
void ImportTest::saveAsOffersTheImportedName() {
    TWindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath("fonts"));
    const QString folder = f.dir.filePath("fonts");
    MakeFile(folder + "/console.psf.gz");
    f.window->ImportFont(folder + "/console.psf.gz");
    QCOMPARE(f.Font().LastChar(), 70);
    QString offeredFolder, offeredName;
    TModalScript script({[&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) return;
        offeredFolder = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) offeredName = name->text();
        dialog->reject();
    }});
    f.window->Action("FileSaveAsAction")->trigger();
    QCOMPARE(script.Seen(), QStringList{"SaveAsDialog"});
    QCOMPARE(QFileInfo(offeredFolder).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
    // A console font fits the 8 x 8 cells, so CHR is the type offered.
    QCOMPARE(offeredName, QString("console.chr"));
}

QTEST_MAIN(ImportTest)
#include "import_test.moc"
