// File > Find fonts in a Spectrum file... through the real window: the file
// is scanned in the background, the gallery lists the finds best first, and
// the one chosen enters as an untitled import; an 8 x 8 set then turns
// proportional with Fit width all. A file that cannot be read is refused in
// the dialog and changes nothing.

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/findfontsdialog.h"
#include "fontfilefixture.h"
#include "madeupspectrum.h"
#include "tempdir.h"

using namespace testdata;

namespace {

// A tape whose code block holds an FZX font at 0x1A0 and a set at 0x1003.
QString MakeTape(const QString& path) {
    TBytes code = MadeUpCode(8192, 7);
    const TBytes fzx = MadeUpFzx(), set = MadeUpSet();
    std::copy(fzx.begin(), fzx.end(), code.begin() + 0x1A0);
    std::copy(set.begin(), set.end(), code.begin() + 0x1003);
    WriteAll(QFile::encodeName(path).toStdString(), CodeTape(code, 0x8000));
    return path;
}

// Waits for the scan, notes the gallery's rows, chooses the row whose text
// holds choose, and clicks Import.
TModalScript::TAnswer ChooseFind(const QString& choose, QStringList* rows) {
    return [choose, rows](QWidget* w) {
        auto* dialog = qobject_cast<TFindFontsDialog*>(w);
        if (!dialog) return;
        QTRY_VERIFY(!dialog->Scanning());
        QCOMPARE(dialog->findChild<QProgressBar*>("ScanProgress")->value(), 1000);
        auto* list = dialog->findChild<QListWidget*>("FoundFontsList");
        for (int i = 0; i < list->count(); ++i) {
            *rows << list->item(i)->text();
            QVERIFY(!list->item(i)->icon().isNull());
            if (list->item(i)->text().contains(choose)) list->setCurrentRow(i);
        }
        dialog->OKButton->click();
    };
}

} // namespace

class FindFontsTest : public QObject {
    Q_OBJECT
  private slots:
    void chosenFontEntersAsAnImport();
    void setTurnsProportional();
    void unreadableFileRefusedInTheDialog();
};

void FindFontsTest::chosenFontEntersAsAnImport() {
    TWindowFixture f;
    QVERIFY(f.Find<QMenu>("FileMenu")->actions().contains(f.window->Action("FindFontsAction")));
    const QString tape = MakeTape(f.dir.filePath("game.tap"));
    QStringList rows;
    TModalScript script({ChooseFile(tape), ChooseFind("FZX font", &rows)});
    f.window->Action("FindFontsAction")->trigger();
    QCOMPARE(script.Seen(), QStringList({"FindFontsFileDialog", "FindFontsDialog"}));
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].startsWith("block2+0x1A0: FZX font 32-127, address 0x81A0"));
    QVERIFY(rows[1].startsWith("block2+0x1003: 8x8 set 32-127, address 0x9003"));
    TBytes back;
    QCOMPARE(f.Font().BuildFZXImage(back), std::string());
    QVERIFY(back == MadeUpFzx());
    // A new untitled font, as every import gives.
    QVERIFY(f.window->Document().FileName().isEmpty());
    QVERIFY(f.Font().Modified());
}

void FindFontsTest::setTurnsProportional() {
    TWindowFixture f;
    const QString tape = MakeTape(f.dir.filePath("game.tap"));
    QStringList rows;
    TModalScript script({ChooseFind("8x8 set", &rows)});
    f.window->FindFontsIn(tape);
    QCOMPARE(script.Seen(), QStringList{"FindFontsDialog"});
    QCOMPARE(f.Font().LastChar(), 127);
    QCOMPARE(f.Font().Glyph('.' - 32).Width(), 8);
    f.window->Action("FitWidthAllAction")->trigger();
    // The dot ends in column 4 of its cell.
    QCOMPARE(f.Font().Glyph('.' - 32).Width(), 5);
}

void FindFontsTest::unreadableFileRefusedInTheDialog() {
    TWindowFixture f;
    const QString current = f.dir.filePath("current.fzx");
    MakeFontFile(current, 40);
    f.window->OpenFont(current);
    const TBytes snapshot = Snapshot48(MadeUpCode(0xC000, 1));
    const QString cut = f.dir.filePath("cut.z80");
    WriteAll(QFile::encodeName(cut).toStdString(),
             TBytes(snapshot.begin(), snapshot.begin() + 900));
    QString status;
    bool okEnabled = true;
    TModalScript script({[&](QWidget* w) {
        auto* dialog = qobject_cast<TFindFontsDialog*>(w);
        if (!dialog) return;
        QTRY_VERIFY(!dialog->Scanning());
        status = dialog->StatusLabel->text();
        okEnabled = dialog->OKButton->isEnabled();
        dialog->reject();
    }});
    f.window->FindFontsIn(cut);
    QVERIFY2(status.contains("not a snapshot that can be read"), qPrintable(status));
    QVERIFY(!okEnabled);
    QCOMPARE(f.window->Document().FileName(), current);
    QCOMPARE(f.Font().LastChar(), 40);
}

QTEST_MAIN(FindFontsTest)
#include "findfonts_test.moc"
