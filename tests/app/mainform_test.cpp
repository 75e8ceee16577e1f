// The main window driven through its named objects: editors, info lines,
// view options, commands with undo through the real history menu, the
// character list, the preview strip and the small dialogs.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include "canvasdriver.h"
#include "dialogs/previewdialog.h"
#include "dialogs/scalefactordialog.h"
#include "tools/toolcontroller.h"
#include "widgets/chargrid.h"
#include "widgets/valueedit.h"
#include "windowfixture.h"

namespace {

QString Text(TWindowFixture& f, const char* label) {
    return f.Find<QLabel>(label)->text();
}

// Types text into a spin editor and confirms it with Enter.
void TypeInto(QSpinBox* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QString("|") : a->text());
    return texts;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void startState();
    void valueEditorsReachTheFontAndInfoLines();
    void viewOptionsExcludeEachOther();
    void toolChoiceEnablesItsOptions();
    void choiceInAGroupTurnsTheOthersOff();
    void allGlyphCommandUndoneThroughHistoryMenu();
    void characterListSelectsAndFollowsUndo();
    void undoToADroppedGlyphLosesNoStroke();
    void previewStripFollowsTheDialog();
    void copyFromCharacterAndScaleDialogs();
    void ctrlWheelZoomsTheCanvas();
    void ctrlWheelKeepsThePixelUnderThePointer();
};

void MainFormTest::startState() {
    TWindowFixture f;
    QCOMPARE(f.window->windowTitle(), QString("Quorrel v.0.9"));
    const struct {
        const char* name;
        int value;
    } editors[] = {{"BaseLineEdit", 8},  {"TrackingEdit", 0}, {"LastCharEdit", 32},
                   {"CharWidthEdit", 8}, {"KernEdit", 0},     {"ZoomEdit", 8}};
    for (const auto& e : editors)
        QCOMPARE(f.Find<QSpinBox>(e.name)->value(), e.value);
    QCOMPARE(Text(f, "SizeInfo"), QString("File size: 768 bytes (std. 8x8 pixels)"));
    for (const char* empty : {"HeightInfo", "WidthInfo", "LastCharInfo", "ModifiedInfoLabel"})
        QVERIFY2(Text(f, empty).isEmpty(), empty);
    QCOMPARE(Text(f, "XYInfoLabel"), QString("X:-- Y:--"));
    QCOMPARE(Text(f, "PathLabel"), QString("<empty>"));
    for (const char* off : {"FileSaveAction", "UndoAction", "RedoAction"})
        QVERIFY2(!f.window->Action(off)->isEnabled(), off);
    for (const char* on :
         {"DeleteAction", "FlipHorizontalAction", "BoldAllAction", "FreeHandAction"})
        QVERIFY2(f.window->Action(on)->isEnabled(), on);
    // Fill styles wait for rectangles or ellipses, paste modes for paste.
    QVERIFY(!f.window->Action("DrawingLinesAction")->isEnabled());
    QVERIFY(!f.window->Action("OverlappingAction")->isEnabled());
    auto* undo = f.Find<QToolButton>("UndoButton");
    QVERIFY(undo->menu() == nullptr);
    const QString tip = f.window->Action("RollUpAction")->toolTip();
    QVERIFY2(tip.contains("rolls the character one pixel up") && tip.contains("Up"),
             qPrintable(tip));
    QCOMPARE(f.Font().UndoList().Count(), 1);
}

void MainFormTest::valueEditorsReachTheFontAndInfoLines() {
    TWindowFixture f;
    auto* height = f.Find<QSpinBox>("BaseLineEdit");
    TypeInto(height, "300");
    QCOMPARE(f.Font().Height(), 192);
    QCOMPARE(height->value(), 192);
    TypeInto(height, "8");
    QCOMPARE(f.Font().Height(), 8);
    TypeInto(f.Find<QSpinBox>("ZoomEdit"), "200");
    QCOMPARE(f.window->Zoom(), 80);

    TypeInto(f.Find<QSpinBox>("TrackingEdit"), "1");
    QCOMPARE(f.Font().Tracking(), 1);
    QVERIFY(Text(f, "SizeInfo").startsWith("File size: "));
    QVERIFY(Text(f, "SizeInfo").contains("; char size: "));

    TypeInto(f.Find<QSpinBox>("CharWidthEdit"), "17");
    QCOMPARE(f.Font().GetCurrent()->Width(), 17);
    QCOMPARE(Text(f, "WidthInfo"), QString("Current width is 17. FZX allows max. 16!"));
    QCOMPARE(Text(f, "ModifiedInfoLabel"), QString("modified"));
    QVERIFY(f.window->Action("FileSaveAction")->isEnabled());
    QVERIFY(f.window->Action("UndoAction")->isEnabled());

    // Glyphs with pixels beyond a lowered last character are kept and counted.
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "40");
    f.Font().Glyph(7).SetRows("1");
    f.Font().Glyph(8).SetRows("1");
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "32");
    QCOMPARE(f.Font().Count(), 9);
    QCOMPARE(Text(f, "LastCharInfo"), QString("8 character(s) out of lastchar range!"));
    QVERIFY(!f.Find<QLabel>("LastCharInfo")->isHidden());
}

void MainFormTest::viewOptionsExcludeEachOther() {
    TWindowFixture f;
    auto* limits = f.Find<QCheckBox>("CheckBox1");
    auto* guides = f.Find<QCheckBox>("CheckBox2");
    QVERIFY(limits->isChecked() && !guides->isChecked());
    guides->click();
    QVERIFY(!limits->isChecked());
    QTest::qWait(1);
    QVERIFY(f.Find<QLineEdit>("GuideLinesEdit")->isEnabled());
    QVERIFY(!f.Find<QLineEdit>("CharLimitsEdit")->isEnabled());
    limits->click();
    QVERIFY(!guides->isChecked());
    QTest::qWait(1);
    QVERIFY(f.Find<QLineEdit>("CharLimitsEdit")->isEnabled());
    QCOMPARE(f.window->CanvasView().CharRanges.size(), std::size_t(4));
    f.Find<QLineEdit>("CharLimitsEdit")->setText("a..z");
    QCOMPARE(f.window->CanvasView().CharRanges.size(), std::size_t(1));

    auto* show = f.Find<QCheckBox>("ShowPreviewTextCheckBox");
    auto* splitter = f.Find<QSplitter>("Splitter2");
    show->click();
    QVERIFY(f.Find<QWidget>("PreviewTextPanel")->isHidden());
    QVERIFY(splitter->handle(1)->isHidden());
    show->click();
    QVERIFY(!f.Find<QWidget>("PreviewTextPanel")->isHidden());
    QVERIFY(!splitter->handle(1)->isHidden());

    f.Find<QCheckBox>("ShowFileSizeCheckBox")->click();
    QVERIFY(Text(f, "SizeInfo").isEmpty());
}

void MainFormTest::choiceInAGroupTurnsTheOthersOff() {
    TWindowFixture f;
    const std::vector<std::vector<const char*>> groups = {
        {"SetPixelsAction", "ResetPixelsAction"},
        {"FreeHandAction", "LineAction", "RectangleAction", "EllipseAction", "RubberAction",
         "EditCopyAction", "EditPasteAction"},
        {"DrawingLinesAction", "DrawingLinesBrushedWhiteAction", "DrawingLinesBrushedBlackAction",
         "DrawingBrushWhiteAction"},
        {"OverlappingAction", "TransparentAction"},
    };
    for (const auto& group : groups)
        for (const char* chosen : group) {
            f.window->Action(chosen)->setChecked(true);
            for (const char* other : group)
                QVERIFY2(f.window->Action(other)->isChecked() == (other == chosen),
                         qPrintable(QString("%1 after %2").arg(other, chosen)));
        }
}

void MainFormTest::toolChoiceEnablesItsOptions() {
    TWindowFixture f;
    f.window->Action("RectangleAction")->trigger();
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtRectangle);
    QVERIFY(f.window->Action("DrawingBrushWhiteAction")->isEnabled());
    QVERIFY(!f.window->Action("TransparentAction")->isEnabled());

    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QGuiApplication::clipboard()->setImage(picture);
    QTRY_VERIFY(f.window->Action("EditPasteAction")->isEnabled());
    f.window->Action("EditPasteAction")->trigger();
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtPaste);
    QVERIFY(f.window->Action("TransparentAction")->isEnabled());
    QVERIFY(!f.window->Action("DrawingLinesAction")->isEnabled());

    // Text on the clipboard takes the picture away and the tool with it.
    QGuiApplication::clipboard()->setText("no picture");
    QTRY_VERIFY(!f.window->Action("EditPasteAction")->isEnabled());
    QCOMPARE(f.window->ToolController()->CurrentTool(), dtFreeHand);
}

void MainFormTest::allGlyphCommandUndoneThroughHistoryMenu() {
    TWindowFixture f;
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "33");
    f.Font().Glyph(0).SetRows("11|11");
    f.Font().Glyph(1).SetRows("01|01|01");
    f.Font().UndoList().Clear();
    f.Font().RecordUndo(THistoryKind::NewCharacter,
                        0); // the history of a new font: "new character"
    const std::string rows0 = f.Font().Glyph(0).Rows(), rows1 = f.Font().Glyph(1).Rows();

    f.window->Action("ItalicAllAction")->trigger();
    QVERIFY(f.Font().Glyph(1).Rows() != rows1);
    auto* undo = f.Find<QToolButton>("UndoButton");
    QCOMPARE(undo->popupMode(), QToolButton::MenuButtonPopup);
    QMenu* menu = undo->menu();
    QVERIFY(menu);
    const QStringList expected = {"|",
                                  "Undo italic mode group (4 entries)",
                                  "|",
                                  "Undo italic mode",
                                  "Undo select char \"!\"",
                                  "Undo italic mode",
                                  "Undo select char [32]",
                                  "|"};
    QCOMPARE(MenuTexts(menu), expected);

    // Open the real drop-down and click the group header.
    QTimer::singleShot(50, [menu] {
        QAction* header = menu->actions().at(1);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(header).center());
    });
    undo->showMenu();
    QCOMPARE(f.Font().Glyph(0).Rows(), rows0);
    QCOMPARE(f.Font().Glyph(1).Rows(), rows1);
    QVERIFY(!f.window->Action("UndoAction")->isEnabled());
    QVERIFY(undo->menu() == nullptr);
    QCOMPARE(f.Find<QToolButton>("RedoButton")->popupMode(), QToolButton::MenuButtonPopup);

    f.window->Action("RedoAction")->trigger();
    QCOMPARE(f.Font().UndoList().Position(), 1);
}

void MainFormTest::characterListSelectsAndFollowsUndo() {
    TWindowFixture f;
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "127");
    auto* grid = f.Find<TDatabaseGrid>("DatabaseGrid1");
    const int entries = f.Font().UndoList().Count();
    grid->SelectRow(34); // "A"
    QCOMPARE(f.Font().CurrentIndex(), 33);
    QCOMPARE(f.Font().UndoList().Count(), entries + 1);
    grid->SelectRow(34);
    QCOMPARE(f.Font().UndoList().Count(), entries + 1);

    f.window->Action("FlipVerticalAction")->trigger(); // an edit of "A"
    grid->SelectRow(35);                               // then "B"
    QCOMPARE(grid->CurrentRow(), 35);
    f.window->Action("UndoAction")->trigger(); // back to "A"
    QCOMPARE(f.Font().CurrentIndex(), 33);
    QCOMPARE(grid->CurrentRow(), 34);

    // Ten steps from the menu move the list once, to where they end.
    f.window->UndoRedoSteps(1, 10);
    QCOMPARE(grid->CurrentRow(), f.Font().CurrentIndex() + 1);
}

void MainFormTest::undoToADroppedGlyphLosesNoStroke() {
    TWindowFixture f;
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "40");
    auto* grid = f.Find<TDatabaseGrid>("DatabaseGrid1");
    grid->SelectRow(9);                          // code 40
    f.window->Action("RollUpAction")->trigger(); // an empty glyph: stays empty
    grid->SelectRow(1);
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "32"); // drops the empty glyphs
    QCOMPARE(f.Font().Count(), 1);

    f.window->Action("UndoAction")->trigger(); // to "select char [32]"
    f.window->Action("UndoAction")->trigger(); // names glyph 8, no longer held
    // No glyph is current, so nothing can be drawn behind that entry.
    QVERIFY(f.Font().GetCurrent() == nullptr);
    QCOMPARE(grid->CurrentRow(), 9);
    QVERIFY(!f.window->Action("FreeHandAction")->isEnabled());

    // The user picks a character and draws: one Undo takes the stroke away.
    grid->SelectRow(1);
    TCanvasDriver canvas(f);
    const TPicture before = Pixels(f.Font());
    canvas.Stroke(Qt::LeftButton, {{2, 2}, {4, 2}});
    QVERIFY(Pixels(f.Font()) != before);
    f.window->Action("UndoAction")->trigger();
    QCOMPARE(Show(Pixels(f.Font())), Show(before));
}

void MainFormTest::previewStripFollowsTheDialog() {
    TWindowFixture f;
    Ttestpreviewform* dialog = f.window->PreviewForm();
    QVERIFY(dialog);
    QVERIFY(dialog->OnSettingsChanged); // connected at the first activation
    auto* panel = f.Find<QWidget>("PreviewTextPanel");
    QCOMPARE(panel->minimumHeight(), 8);
    dialog->SetPreviewZoom(3);
    QTest::qWait(1);
    QCOMPARE(panel->minimumHeight(), 24);
    QCOMPARE(panel->height(), 48);

    // The strip is repainted while the dialog is open; answer it with OK.
    AnswerModal([](QWidget* w) {
        auto* d = qobject_cast<Ttestpreviewform*>(w);
        QVERIFY(d);
        d->PreviewTextEdit->setPlainText("AB\nCD");
        d->accept();
    });
    f.window->findChild<QAction*>("PreviewTextMenuItem")->trigger();
    QCOMPARE(dialog->GetPreviewText(), std::string("AB\rCD"));
}

void MainFormTest::copyFromCharacterAndScaleDialogs() {
    TWindowFixture f;
    TypeInto(f.Find<QSpinBox>("LastCharEdit"), "127");
    f.Font().Glyph(34).SetRows("11111111|10000001"); // "B"
    f.Find<TDatabaseGrid>("DatabaseGrid1")->SelectRow(34);
    AnswerModal([](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        QVERIFY(input);
        QCOMPARE(input->textValue(), QString("A"));
        input->setTextValue("B");
        input->accept();
    });
    f.window->Action("CopyCharAction")->trigger();
    QCOMPARE(f.Font().GetCurrent()->Rows(), std::string("11111111|10000001"));
    QCOMPARE(Text(f, "ModifiedInfoLabel"), QString("modified"));

    QString shown;
    AnswerModal([](QWidget* w) {
        if (auto* input = qobject_cast<QInputDialog*>(w)) {
            input->setTextValue("300");
            input->accept();
        }
    });
    AnswerBox(QMessageBox::Ok, &shown);
    f.window->Action("CopyCharAction")->trigger();
    QTRY_COMPARE(shown, QString("Invalid input value or index out of range!"));

    AnswerModal([](QWidget* w) {
        auto* form = qobject_cast<TScaleFactorForm*>(w);
        QVERIFY(form);
        form->WidthFactorEdit->setValue(2.0);
        form->HeightFactorEdit->setValue(1.0);
        form->accept();
    });
    f.window->Action("ScaleAction")->trigger();
    QCOMPARE(f.Font().GetCurrent()->Width(), 16);
}

void MainFormTest::ctrlWheelZoomsTheCanvas() {
    TWindowFixture f;
    QWidget* canvas = f.Find<QWidget>("EditPaintBox");
    auto wheel = [canvas](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(20, 20), canvas->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    };
    wheel(120, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 10);
    QCOMPARE(f.Find<QSpinBox>("ZoomEdit")->value(), 10);
    wheel(-120, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 8);
    wheel(60, Qt::ControlModifier); // half a notch waits for the other half
    QCOMPARE(f.window->Zoom(), 8);
    wheel(60, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 10);
    wheel(120, Qt::NoModifier); // plain wheel scrolls, it does not zoom
    QCOMPARE(f.window->Zoom(), 10);
    for (int i = 0; i < 40; ++i)
        wheel(-120, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 1);
}

void MainFormTest::ctrlWheelKeepsThePixelUnderThePointer() {
    TWindowFixture f;
    f.Font().SetHeight(30);
    f.Font().SetCurrentWidth(30);
    f.window->SetZoom(16);
    QTest::qWait(10);
    auto* panel = f.Find<QScrollArea>("EditPanel");
    TEditPaintBox* canvas = f.window->EditPaintBox();
    panel->horizontalScrollBar()->setValue(100);
    panel->verticalScrollBar()->setValue(100);
    const TRect area = canvas->GlyphArea();
    // The pointer over the middle of pixel (12, 13), where it stays.
    const QPoint at = QPoint(area.Left + 12 * 16 + 8, area.Top + 13 * 16 + 8) + canvas->pos();
    for (const int delta : {120, 120, -120, -120, -120}) {
        const QPoint local = at - canvas->pos();
        QWheelEvent event(local, canvas->mapToGlobal(QPointF(local)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
        int column = -1, row = -1;
        bool inside = false;
        const QPoint now = at - canvas->pos();
        QVERIFY(canvas->PointToPixel(now.x(), now.y(), column, row, inside));
        QCOMPARE(QPoint(column, row), QPoint(12, 13));
    }
    QCOMPARE(f.window->Zoom(), 12);
}

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
