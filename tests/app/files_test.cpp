// The file commands of the real window: open and save with their failures,
// the changed-file prompt, Save As, the recent list and its menu, the path
// in the status bar, the command line and dropped files. Every test works in
// its own temporary folder with its own settings file.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QUrl>
#include <QtTest>

#include "fontfilefixture.h"
#include "formatfiles.h"
#include "formats/fileio.h"
#include "platform/filepath.h"
#include "widgets/chargrid.h"
#include "windowfixture.h"

class FilesTest : public QObject {
    Q_OBJECT
  private slots:
    void openFailures_data();
    void openFailures();
    void openFileThatCannotBeRead();
    void saveFailures();
    void fileThatCannotBeCreatedKeepsTheWindowOpen();
    void promptGuardsNewOpenAndClose_data();
    void promptGuardsNewOpenAndClose();
    void closeWithUnsavedFontAndCancelledSaveDialog();
    void saveAsFiltersFollowTheFont();
    void saveAsAssemblerIsAnExport();
    void saveAsStoresTheNewName();
    void openFromDialogAndExtensionCase();
    void everyDoorLeavesTheFontReadyToEdit_data();
    void everyDoorLeavesTheFontReadyToEdit();
};

// Failed opens give the reader's message and leave the font as it was.
void FilesTest::openFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong extension")
        << "font.txt" << QByteArray("\x08\x00\x20", 3) << "Invalid file extension!";
    QTest::newRow("short fzx") << "broken.fzx" << QByteArray("\x08", 1)
                               << "Unexpected end of file while reading header!";
    QTest::newRow("fzx last char") << "low.fzx" << QByteArray("\x08\x00\x10", 3)
                                   << "Last character value must be in the range 32..255!";
}

void FilesTest::openFailures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TWindowFixture f;
    const QString good = f.dir.filePath("good.fzx");
    MakeFontFile(good);
    f.window->OpenFont(good);
    QCOMPARE(f.Font().Count(), 9);
    const QString bad = f.dir.filePath(name);
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    TModalScript script({Click(QMessageBox::Ok)});
    f.window->OpenFont(bad);
    QCOMPARE(script.Seen(), QStringList{message});
    QCOMPARE(f.Font().Count(), 9);
    QVERIFY(!f.Font().Modified());
    QCOMPARE(f.window->Document().FileName(), good);
    QCOMPARE(PathLabel(f), good);
    QCOMPARE(Recent(f), QStringList{good});
}

void FilesTest::openFileThatCannotBeRead() {
    TWindowFixture f;
    const QString good = f.dir.filePath("good.fzx");
    MakeFontFile(good);
    f.window->OpenFont(good);
    Edit(f);
    const int count = f.Font().Count();

    TModalScript script({Click(QMessageBox::No), Click(QMessageBox::Ok)});
    // Relative, so the box has to name the full path itself.
    TCurrentFolder here(f.dir.path());
    f.window->OpenFont(QStringLiteral("missing.fzx"));
    const QStringList seen = script.Seen();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], kPrompt);
    QVERIFY2(seen[1].contains(f.dir.filePath("missing.fzx")), qPrintable(seen[1]));
    QVERIFY2(seen[1].contains("No such file or directory"), qPrintable(seen[1]));
    QCOMPARE(f.Font().Count(), count);
    QVERIFY(f.Font().Modified());
    QCOMPARE(f.window->Document().FileName(), good);
    QCOMPARE(Recent(f), QStringList{good});
}

// Writes that fail keep the font unsaved: Modified, history, name, list.
void FilesTest::saveFailures() {
    TWindowFixture f;
    // The first Save stores the name before it finds the extension illegal,
    // and every later Save repeats the message.
    Edit(f);
    const QString asm_ = f.dir.filePath("first.asm");
    {
        TModalScript script({ChooseFile(asm_), Click(QMessageBox::Ok)});
        f.window->Action("FileSaveAction")->trigger();
        QCOMPARE(script.Seen(), QStringList({"SaveDialog", kIllegal}));
    }
    QCOMPARE(f.window->Document().FileName(), asm_);
    {
        TModalScript script({Click(QMessageBox::Ok)});
        f.window->Action("FileSaveAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{kIllegal});
    }
    QVERIFY(!QFile::exists(asm_));
    QVERIFY(Recent(f).isEmpty());

    // Save As to an unknown extension writes nothing and keeps the name.
    {
        TModalScript script({ChooseFile(f.dir.filePath("x.txt")), Click(QMessageBox::Ok)});
        f.window->Action("FileSaveAsAction")->trigger();
        QCOMPARE(script.Seen(), QStringList({"SaveAsDialog", kIllegal}));
    }
    QVERIFY(!QFile::exists(f.dir.filePath("x.txt")));

    // A writer's own error: the glyph is too wide for FZX.
    f.Font().SetCurrentWidth(17);
    const int history = f.Font().UndoList().Count();
    const QString wide = f.dir.filePath("wide.fzx");
    {
        TModalScript script({ChooseFile(wide), Click(QMessageBox::Ok)});
        f.window->Action("FileSaveAsAction")->trigger();
        QCOMPARE(
            script.Seen(),
            QStringList({"SaveAsDialog", "Character width exceeds 16 pixels! File not saved."}));
    }
    QVERIFY(!QFile::exists(wide));
    QVERIFY(f.Font().Modified());
    QCOMPARE(f.Font().UndoList().Count(), history);
    QVERIFY(f.window->Action("UndoAction")->isEnabled());
    QCOMPARE(f.window->Document().FileName(), asm_);
    QVERIFY(Recent(f).isEmpty());
}

void FilesTest::fileThatCannotBeCreatedKeepsTheWindowOpen() {
    TWindowFixture f;
    Edit(f);
    const QString target = f.dir.filePath("no folder/font.fzx");
    // A Save that cannot create its file still names the font after it.
    QVERIFY_THROWS_EXCEPTION(TFileError, f.window->Document().Save(ToPath(target)));
    QCOMPARE(f.window->Document().FileName(), target);

    TModalScript script({Click(QMessageBox::Yes), Click(QMessageBox::Ok)});
    QVERIFY(!f.window->close());
    const QStringList seen = script.Seen();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0], kPrompt);
    QVERIFY2(seen[1].contains(target) && seen[1].contains("No such file or directory"),
             qPrintable(seen[1]));
    QVERIFY(f.window->isVisible());
    QVERIFY(f.Font().Modified());
    QVERIFY(Recent(f).isEmpty());
    // The refused close stored no settings either.
    QVERIFY(!QFile::exists(f.dir.filePath("settings.ini")));
}

// The prompt on New, Open and close: Cancel stops, No drops the changes,
// Yes saves first.
void FilesTest::promptGuardsNewOpenAndClose_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    const struct { const char* command; } commands[] = {{"new"}, {"open"}, {"close"}};
    for (const auto& c : commands) {
        QTest::addRow("%s cancel", c.command) << c.command << int(QMessageBox::Cancel) << false;
        QTest::addRow("%s no", c.command) << c.command << int(QMessageBox::No) << true;
        QTest::addRow("%s yes", c.command) << c.command << int(QMessageBox::Yes) << true;
    }
}

void FilesTest::promptGuardsNewOpenAndClose() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    const QString other = f.dir.filePath("other.fzx");
    MakeFontFile(current, 33);
    MakeFontFile(other, 50);
    f.window->OpenFont(current);
    Edit(f);
    const QByteArray before = FileBytes(current);
    const QString settings = f.dir.filePath("settings.ini");

    TModalScript script({Click(QMessageBox::StandardButton(answer))});
    bool closed = false;
    if (command == "new")
        f.window->Action("NewFileAction")->trigger();
    else if (command == "open")
        f.window->OpenFont(other);
    else
        closed = f.window->close();
    QCOMPARE(script.Seen(), QStringList{kPrompt});

    // Yes wrote the edited font (one glyph more) to its file.
    const bool saved = answer == QMessageBox::Yes;
    QCOMPARE(FileBytes(current) != before, saved);
    if (!goesOn) {
        QCOMPARE(f.Font().Count(), 3);
        QVERIFY(f.Font().Modified());
        QVERIFY(f.window->isVisible());
        QVERIFY(!QFile::exists(settings));
        return;
    }
    if (command == "new") QCOMPARE(f.Font().Count(), 1);
    if (command == "open") QCOMPARE(f.window->Document().FileName(), other);
    // No leaves the edit in a closed window; the other commands drop it.
    QCOMPARE(f.Font().Modified(), command == "close" && !saved);
    if (command == "close") {
        QVERIFY(closed);
        QVERIFY(!f.window->isVisible());
        QVERIFY(QFile::exists(settings));
    }
}

void FilesTest::closeWithUnsavedFontAndCancelledSaveDialog() {
    TWindowFixture f;
    Edit(f);
    TModalScript script({Click(QMessageBox::Yes), Dismiss()});
    QVERIFY(!f.window->close());
    QCOMPARE(script.Seen(), QStringList({kPrompt, "SaveDialog"}));
    QVERIFY(f.window->isVisible());
    QVERIFY(f.Font().Modified());
    QVERIFY(f.window->Document().FileName().isEmpty());
}

// CHR and UDG are offered only for a CHR-compatible font, preselected then.
void FilesTest::saveAsFiltersFollowTheFont() {
    TWindowFixture f;
    const QStringList fzxAsm = {"FZX font files (*.fzx) (*.fzx *.FZX)",
                                "assembler files (*.asm) (*.asm *.ASM)"};
    const QStringList chrUdg = {"character files (*.chr) (*.chr *.CHR)",
                                "user-defined graphics (*.udg) (*.udg *.UDG)"};
    QStringList filters;
    QString selected;
    {
        TModalScript script({ReadFilters(&filters, &selected)});
        f.window->Action("FileSaveAsAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{"SaveAsDialog"});
    }
    QCOMPARE(filters, fzxAsm + chrUdg);
    QCOMPARE(selected, QString("character files (*.chr)"));

    f.Font().SetTracking(1);
    QVERIFY(!f.Font().IsCHRCompatible());
    {
        TModalScript script({ReadFilters(&filters, &selected)});
        f.window->Action("FileSaveAsAction")->trigger();
    }
    QCOMPARE(filters, fzxAsm);
    QCOMPARE(selected, QString("FZX font files (*.fzx)"));
    // Cancelling changed nothing.
    QVERIFY(f.window->Document().FileName().isEmpty());
    QVERIFY(f.Font().Modified());
}

void FilesTest::saveAsAssemblerIsAnExport() {
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 33);
    f.window->OpenFont(current);
    Edit(f);
    const int history = f.Font().UndoList().Count();
    const QString source = f.dir.filePath("export.asm");
    TModalScript script({ChooseFile(source)});
    f.window->Action("FileSaveAsAction")->trigger();
    QCOMPARE(script.Seen(), QStringList{"SaveAsDialog"});
    const QByteArray text = FileBytes(source);
    QVERIFY2(text.contains("defb"), text.left(200).constData());
    QVERIFY(f.Font().Modified());
    QCOMPARE(f.Font().UndoList().Count(), history);
    QCOMPARE(f.window->Document().FileName(), current);
    QCOMPARE(Recent(f), QStringList{current});
}

void FilesTest::saveAsStoresTheNewName() {
    TWindowFixture f;
    Edit(f);
    const QString chr = f.dir.filePath("font.chr");
    TModalScript script({ChooseFile(chr)});
    f.window->Action("FileSaveAsAction")->trigger();
    QCOMPARE(script.Seen(), QStringList{"SaveAsDialog"});
    QCOMPARE(FileBytes(chr).size(), 16); // codes 32 and 33
    QVERIFY(!f.Font().Modified());
    QVERIFY(!f.window->Action("FileSaveAction")->isEnabled());
    QCOMPARE(f.window->Document().FileName(), chr);
    QCOMPARE(PathLabel(f), chr);
    QCOMPARE(Recent(f), QStringList{chr});
}

// Upper- and lower-case extensions choose the same reader.
void FilesTest::openFromDialogAndExtensionCase() {
    TWindowFixture f;
    const QString upper = f.dir.filePath("FONT.fzx");
    const QString mixed = f.dir.filePath("other.FZX");
    const QString chr = f.dir.filePath("eight.UDG");
    MakeFontFile(upper, 45);
    MakeFontFile(mixed, 50);
    MakeFontFile(chr, 127);
    const struct {
        QString path;
        int count;
    } cases[] = {{upper, 14}, {mixed, 19}, {chr, 96}};
    for (const auto& c : cases) {
        TModalScript script({ChooseFile(c.path)});
        f.window->Action("FileLoadAction")->trigger();
        QCOMPARE(script.Seen(), QStringList{"OpenDialog"});
        QCOMPARE(f.Font().Count(), c.count);
        QCOMPARE(f.window->Document().FileName(), c.path);
        // The highlighted row's character is current: the list's first row.
        QCOMPARE(f.Font().CurrentIndex(), 0);
    }
    QCOMPARE(Recent(f), QStringList({chr, mixed, upper}));
}

// Open, Import, drops, the recent list and the command line end alike: the
// highlighted row's character current with its values, a fresh history and
// the keys in the character list, not in the field that had them.
void FilesTest::everyDoorLeavesTheFontReadyToEdit_data() {
    QTest::addColumn<QString>("door");
    for (const char* door : {"open dialog", "import dialog", "drop font", "drop import",
                             "recent list", "command line"})
        QTest::newRow(door) << door;
}

void FilesTest::everyDoorLeavesTheFontReadyToEdit() {
    QFETCH(QString, door);
    QTemporaryDir files;
    const QString fzx = files.filePath("font.fzx");
    const QString bdf = files.filePath("font.bdf");
    MakeFontFile(fzx, 40);
    TFZXFont source;
    source.SetLastChar(40);
    source.Glyph(3).SetAll("1111", 0, 4, 0);
    QCOMPARE(SaveFontFile(source, ToPath(bdf), TExportOptions()), std::string());
    const bool imported = door.contains("import");
    const QString file = imported ? bdf : fzx;

    TWindowFixture f(door == "command line" ? QStringList{file} : QStringList{}, false);
    auto* list = f.window->CharList();
    list->SelectRow(4);
    f.Find<QWidget>("ZoomEdit")->setFocus();
    f.Show();
    const auto drop = [&f, file] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QDropEvent event(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &event);
    };
    TModalScript script({ChooseFile(file)});
    if (door == "open dialog") f.window->Action("FileLoadAction")->trigger();
    if (door == "import dialog") f.window->Action("ImportAction")->trigger();
    if (door.startsWith("drop")) drop();
    if (door == "recent list") {
        f.window->Document().Recent().Add(ToPath(file), ToPath(files.path()));
        OpenRecentMenu(f)->actions().first()->trigger();
    }
    QTRY_COMPARE(f.Font().LastChar(), 40);
    QCOMPARE(list->CurrentRow(), 4);
    QCOMPARE(f.Font().CurrentIndex(), 3);
    QVERIFY(f.Font().GetCurrent() != nullptr);
    auto* width = f.Find<QSpinBox>("CharWidthEdit");
    QVERIFY(width->isEnabled());
    QCOMPARE(width->value(), f.Font().GetCurrent()->Width());
    QVERIFY(!f.window->Action("UndoAction")->isEnabled());
    QCOMPARE(f.window->focusWidget(), list);
    QCOMPARE(f.window->Document().FileName(), imported ? QString() : file);
    QCOMPARE(f.Font().Modified(), imported);
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"
