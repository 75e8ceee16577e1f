// The glyph sheet dock, whole-character copy and paste, and fitting widths,
// through the real window.

#include <QClipboard>
#include <QDockWidget>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>

#include "canvasdriver.h"
#include "shell/glyphclip.h"
#include "widgets/chargrid.h"
#include "widgets/glyphsheet.h"

namespace {

// Records the regions of the paint events a widget gets.
class TPaintSpy : public QObject {
  public:
    explicit TPaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    int events = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++events;
        }
        return false;
    }
};

void ShowSheet(TWindowFixture& f) {
    f.window->resize(1000, 800);
    f.window->Action("ShowGlyphSheetAction")->setChecked(true);
    QTest::qWait(30);
}

} // namespace

class SheetTest : public QObject {
    Q_OBJECT
  private slots:
    void sheetIsOffAtFirstStartAndRemembered();
    void clicksAndArrowsChooseTheCharacter();
    void sheetScrollsToACharacterChosenElsewhere();
    void anEditRepaintsOnlyItsCell();
    void copyAndPasteWholeCharacters();
    void pictureOnlyClipboardKeepsToThePasteTool();
    void fitWidthCommands();
};

void SheetTest::sheetIsOffAtFirstStartAndRemembered() {
    QStandardPaths::setTestModeEnabled(true); // as TWindowFixture does
    QTemporaryDir dir;
    const QString settings = dir.filePath("settings.ini");
    {
        Tmainform w;
        w.SetSettingsFile(settings);
        w.show();
        QTest::qWait(20);
        auto* dock = w.findChild<QDockWidget*>("GlyphSheetDock");
        QVERIFY(dock && !dock->isVisible());
        QVERIFY(!w.Action("ShowGlyphSheetAction")->isChecked());
        w.Action("ShowGlyphSheetAction")->trigger();
        QVERIFY(dock->isVisible());
        QVERIFY(w.findChild<TGlyphSheet*>("GlyphSheet")->isVisible());
        QVERIFY(w.close());
    }
    Tmainform again;
    again.SetSettingsFile(settings);
    again.show();
    QTest::qWait(20);
    QVERIFY(again.Action("ShowGlyphSheetAction")->isChecked());
    QVERIFY(again.findChild<QDockWidget*>("GlyphSheetDock")->isVisible());
    // Closing the dock by its own button unticks the command.
    again.findChild<QDockWidget*>("GlyphSheetDock")->close();
    QVERIFY(!again.Action("ShowGlyphSheetAction")->isChecked());
}

void SheetTest::clicksAndArrowsChooseTheCharacter() {
    TWindowFixture f;
    f.Font().SetLastChar(127);
    ShowSheet(f);
    auto* sheet = f.Find<TGlyphSheet>("GlyphSheet");
    QTest::mouseClick(sheet, Qt::LeftButton, {}, sheet->CellRect('A').center());
    QCOMPARE(f.Font().CurrentIndex(), 'A' - 32);
    QCOMPARE(f.window->CharList()->CurrentRow(), 'A' - 31);
    const int entries = f.Font().UndoList().Count();
    QTest::keyClick(sheet, Qt::Key_Right);
    QCOMPARE(f.Font().CurrentIndex(), 'B' - 32);
    QTest::keyClick(sheet, Qt::Key_Down);
    QCOMPARE(f.Font().CurrentIndex(), 'R' - 32);
    QTest::keyClick(sheet, Qt::Key_Up);
    QTest::keyClick(sheet, Qt::Key_Left);
    QCOMPARE(f.Font().CurrentIndex(), 'A' - 32);
    QCOMPARE(f.window->CharList()->CurrentRow(), 'A' - 31);
    QCOMPARE(f.Font().UndoList().Count(), entries + 4); // one "select char" each
    // A click on a character beyond Last char chooses it as the list does.
    QTest::mouseClick(sheet, Qt::LeftButton, {}, sheet->CellRect(200).center());
    QCOMPARE(f.Font().CurrentIndex(), 200 - 32);
}

void SheetTest::sheetScrollsToACharacterChosenElsewhere() {
    TWindowFixture f;
    f.Font().SetLastChar(255);
    ShowSheet(f);
    auto* area = f.Find<QScrollArea>("GlyphSheetPanel");
    auto* sheet = f.Find<TGlyphSheet>("GlyphSheet");
    const auto inView = [&](int code) {
        const QRect cell = sheet->CellRect(code).translated(sheet->pos());
        return area->viewport()->rect().contains(cell);
    };
    QVERIFY(inView(32));
    QVERIFY(!inView(240)); // the sheet is taller than its dock
    for (const int code : {int('z'), 240, 33}) {
        f.window->CharList()->SelectRow(code - 31);
        QTest::qWait(10);
        QVERIFY2(inView(code), qPrintable(QString::number(code)));
    }
}

void SheetTest::anEditRepaintsOnlyItsCell() {
    TWindowFixture f;
    f.Font().SetLastChar(127);
    ShowSheet(f);
    auto* sheet = f.Find<TGlyphSheet>("GlyphSheet");
    f.window->CharList()->SelectRow('A' - 31);
    QTest::qWait(30);
    TPaintSpy spy(sheet);
    f.window->Action("RollRightAction")->trigger();
    SetPixels(f.Font(), Full8);
    QTest::qWait(30);
    QVERIFY(spy.events > 0);
    QCOMPARE(spy.painted.boundingRect(), sheet->CellRect('A'));
    // The picture shows the glyph: the cell's top left pixel of ink is black.
    const QImage shot = sheet->grab(sheet->CellRect('A')).toImage();
    const int zoom = sheet->Metrics().Zoom;
    QCOMPARE(QColor(shot.pixel(GlyphSheetPadding + zoom / 2, GlyphSheetPadding + zoom / 2)),
             QColor(Qt::black));
    // Choosing another character repaints the two frames only.
    spy.painted = QRegion();
    f.window->CharList()->SelectRow('C' - 31);
    QTest::qWait(30);
    QCOMPARE(spy.painted, QRegion(sheet->CellRect('A')) + QRegion(sheet->CellRect('C')));
}

void SheetTest::copyAndPasteWholeCharacters() {
    TWindowFixture f;
    f.Font().SetLastChar(90);
    auto* list = f.window->CharList();
    list->SelectRow('A' - 31);
    const TPicture a = {"..##....", ".#..#...", ".####...", ".#..#...",
                        ".#..#...", "........", "........", "........"};
    SetPixels(f.Font(), a);
    f.Font().GetCurrent()->SetKern(1);
    list->setFocus();
    f.window->activateWindow();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::qWait(20);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(GlyphClipMimeType));
    QVERIFY(data->hasFormat("image/png"));
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(picture.size(), QSize(8, 8));
    QCOMPARE(QColor(picture.pixel(2, 0)), QColor(Qt::black));
    QCOMPARE(QColor(picture.pixel(0, 0)), QColor(Qt::white));
    // The picture also enables the paste tool, as any picture does.
    QVERIFY(f.window->Action("EditPasteAction")->isEnabled());

    list->SelectRow('B' - 31);
    QVERIFY(f.window->Action("PasteGlyphAction")->isEnabled());
    const int entries = f.Font().UndoList().Count();
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Pixels(f.Font()), a);
    QCOMPARE(f.Font().GetCurrent()->Kern(), 1);
    QCOMPARE(f.Font().UndoList().Count(), entries + 1);
    QCOMPARE(f.Font().UndoList().Entry(entries + 0).Action, THistoryKind::PasteCharacter);
    // Its own caption in the history menu.
    QMenu* undoMenu = f.Find<QToolButton>("UndoButton")->menu();
    QVERIFY(undoMenu);
    QCOMPARE(undoMenu->actions().first()->text(), QString("Undo paste character"));
    QVERIFY(!undoMenu->actions().first()->icon().isNull());
    f.window->Action("UndoAction")->trigger();
    QCOMPARE(Pixels(f.Font()), Empty8);

    // A second window takes the character from the clipboard too.
    TWindowFixture other;
    QVERIFY(other.window->Action("PasteGlyphAction")->isEnabled());
    other.window->Action("PasteGlyphAction")->trigger();
    QCOMPARE(Pixels(other.Font()), a);
}

void SheetTest::pictureOnlyClipboardKeepsToThePasteTool() {
    TWindowFixture f;
    QGuiApplication::clipboard()->setImage(ClipboardPicture({"#.", ".#"}));
    QTest::qWait(20);
    QVERIFY(f.window->Action("EditPasteAction")->isEnabled());
    QVERIFY(!f.window->Action("PasteGlyphAction")->isEnabled());
    // Text that only looks like a character is not one.
    auto* data = new QMimeData;
    data->setData(GlyphClipMimeType, "Quorrel glyph 1\nwidth 999\n");
    QGuiApplication::clipboard()->setMimeData(data);
    QTest::qWait(20);
    QVERIFY(!f.window->Action("PasteGlyphAction")->isEnabled());
}

void SheetTest::fitWidthCommands() {
    TWindowFixture f;
    f.Font().SetLastChar(35);
    f.window->CharList()->SelectRow(2);
    SetPixels(f.Font(), {"..#.....", "..#.....", "........", "........", "........", "........",
                         "........", "........"});
    f.window->Action("FitWidthAction")->trigger();
    QCOMPARE(f.Font().GetCurrent()->Width(), 3);
    QCOMPARE(f.Find<QSpinBox>("CharWidthEdit")->value(), 3);
    f.window->CharList()->SelectRow(3);
    SetPixels(f.Font(), {"#####...", "........", "........", "........", "........", "........",
                         "........", "........"});
    f.window->CharList()->SelectRow(4);
    SetPixels(f.Font(), {"#.......", "........", "........", "........", "........", "........",
                         "........", "........"});
    f.window->Action("FitWidthAllAction")->trigger();
    QCOMPARE(f.Font().Glyph(0).Width(), 8); // the space stays
    QCOMPARE(f.Font().Glyph(2).Width(), 5);
    QCOMPARE(f.Font().Glyph(3).Width(), 1);
    // One group in the history, undone in one step from the menu.
    QMenu* undoMenu = f.Find<QToolButton>("UndoButton")->menu();
    QAction* header = nullptr;
    for (QAction* a : undoMenu->actions())
        if (a->text().startsWith("Undo fit width group")) header = a;
    QVERIFY(header);
    header->trigger();
    QCOMPARE(f.Font().Glyph(2).Width(), 8);
    QCOMPARE(f.Font().Glyph(3).Width(), 8);
    QCOMPARE(f.Font().Glyph(1).Width(), 3);
}

QTEST_MAIN(SheetTest)
#include "sheet_test.moc"
