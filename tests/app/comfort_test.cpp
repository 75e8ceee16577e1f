// The window's comforts beyond the original design, through real keys and
// pointer events: every button in reach, the status line kept, the window
// within the screen, zoom keys and wheel, the usual keys, Esc during a
// stroke, the note for characters beyond Last char and the width drag.

#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "canvasdriver.h"
#include "dialogs/previewdialog.h"
#include "widgets/chargrid.h"

class ComfortTest : public QObject {
    Q_OBJECT
  private slots:
    void everyToolbarButtonShowsAtTheStartSize();
    void statusFieldsStayWhileHintsShow();
    void tallPreviewStripKeepsTheWindowOnTheScreen();
    void zoomKeysAndWheelOverTheWholePanel();
    void usualKeysWorkAndClashWithNothing();
    void escapeDropsTheStrokeInProgress();
    void characterBeyondLastCharOffersToRaiseIt();
    void firstStrokeOnARaisedCharacterUndoes_data();
    void firstStrokeOnARaisedCharacterUndoes();
    void draggingTheRightEdgeChangesTheWidth();
    void whiteBrushCaption();
    void windowPlaceAndLayoutComeBack();
    void openedFontShowsTheHighlightedCharacter();
    void dialogsStartWhereTheFontIs();
};

void ComfortTest::everyToolbarButtonShowsAtTheStartSize() {
    TWindowFixture f;
    QCOMPARE(f.window->width(), 656);
    for (QToolBar* bar : f.window->findChildren<QToolBar*>()) {
        if (bar->parentWidget() != f.window.get()) continue; // dialogs' own bars
        // The extension button appears only when buttons do not fit.
        for (QToolButton* button : bar->findChildren<QToolButton*>()) {
            if (button->objectName() == "qt_toolbar_ext_button")
                QVERIFY2(!button->isVisible(), qPrintable(bar->objectName()));
        }
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) continue;
            QWidget* widget = bar->widgetForAction(action);
            QVERIFY2(widget && widget->isVisible() && bar->rect().contains(widget->geometry()),
                     qPrintable(bar->objectName() + ": " + action->objectName()));
        }
    }
}

void ComfortTest::statusFieldsStayWhileHintsShow() {
    TWindowFixture f;
    // What a toolbar button and a menu item send when the pointer is over them.
    QToolBar* bar = f.Find<QToolBar>("FileBar");
    QWidget* button = bar->widgetForAction(f.window->Action("FileLoadAction"));
    QStatusTipEvent tip(f.window->Action("FileLoadAction")->statusTip());
    QApplication::sendEvent(button, &tip);
    QTest::mouseMove(button);
    QTest::qWait(20);
    QCOMPARE(f.window->statusBar()->currentMessage(), QString());
    for (const char* name : {"XYInfoLabel", "ModifiedInfoLabel", "PathLabel"})
        QVERIFY2(f.Find<QLabel>(name)->isVisible(), name);
    QVERIFY(f.window->Action("FileLoadAction")->toolTip().contains("open a FZX font file"));
}

void ComfortTest::tallPreviewStripKeepsTheWindowOnTheScreen() {
    TWindowFixture f;
    f.window->PreviewForm()->SetPreviewZoom(4);
    f.Find<QSpinBox>("BaseLineEdit")->setValue(192);
    f.window->PreviewChanged(true);
    QTest::qWait(20);
    const int available = f.window->screen()->availableGeometry().height();
    QVERIFY2(f.window->minimumSizeHint().height() <= available,
             qPrintable(QString::number(f.window->minimumSizeHint().height())));
    QVERIFY(f.window->height() <= available);
}

void ComfortTest::zoomKeysAndWheelOverTheWholePanel() {
    TWindowFixture f;
    f.window->activateWindow();
    QCOMPARE(f.window->Zoom(), 8);
    QTest::keyClick(f.window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 10);
    QTest::keyClick(f.window.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 8);
    QTest::keyClick(f.window.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(f.window->Zoom(), 10);
    QTest::keyClick(f.window.get(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(f.window->Zoom(), 8);
    QCOMPARE(f.Find<QSpinBox>("ZoomEdit")->value(), 8);

    // Over the panel beside the canvas: zooms with Ctrl, scrolls without.
    auto* panel = f.Find<QScrollArea>("EditPanel");
    QWidget* viewport = panel->viewport();
    const QPointF beside(viewport->width() - 3, viewport->height() - 3);
    QVERIFY(!f.Find<QWidget>("EditPaintBox")->geometry().contains(beside.toPoint()));
    auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(beside, viewport->mapToGlobal(beside), QPoint(), QPoint(0, 120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    wheel(Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 10);
    wheel(Qt::NoModifier);
    QCOMPARE(f.window->Zoom(), 10);
}

void ComfortTest::usualKeysWorkAndClashWithNothing() {
    TWindowFixture f;
    // No key sequence belongs to two commands.
    std::set<QString> keys;
    for (QAction* action : f.window->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            QVERIFY2(keys.insert(key.toString()).second,
                     qPrintable(action->objectName() + " " + key.toString()));
    // The menus show the usual keys.
    QCOMPARE(f.window->Action("NewFileAction")->shortcut(), QKeySequence("Ctrl+N"));
    QVERIFY(f.window->Action("NewFileAction")->shortcuts().contains(QKeySequence("Alt+N")));
    QCOMPARE(f.window->Action("FileSaveAsAction")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QCOMPARE(f.window->Action("FileExitAction")->shortcut(), QKeySequence("Ctrl+Q"));

    f.window->activateWindow();
    f.Font().SetHeight(12);
    f.Font().SetModified(false);
    QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.Font().Height(), 8); // a new font

    {
        TModalScript script({Dismiss()});
        QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::qWait(50);
        QCOMPARE(script.Seen().size(), 1); // the save dialog came and went
    }

    // Typing a character into the list still picks its row.
    f.window->activateWindow();
    QTest::qWait(10);
    auto* list = f.window->CharList();
    list->setFocus();
    QTest::keyClicks(list, "N");
    QCOMPARE(list->CurrentRow(), 'N' - 31);

    QTest::keyClick(f.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QTest::qWait(20);
    QVERIFY(!f.window->isVisible());
}

void ComfortTest::escapeDropsTheStrokeInProgress() {
    TWindowFixture f;
    TCanvasDriver canvas(f);
    const TPicture start = {"........", "..##....", "..##....", "........",
                            "........", "........", "........", "........"};
    canvas.Start(start);
    const int entries = canvas.Entries();
    canvas.Choose("RectangleAction");
    canvas.Press(Qt::LeftButton, canvas.At(0, 0));
    canvas.Drag(canvas.At(6, 6));
    QVERIFY(Pixels(f.Font()) != start);
    QTest::keyClick(canvas.box, Qt::Key_Escape);
    QCOMPARE(Pixels(f.Font()), start);
    // The release after Esc draws nothing either.
    canvas.Drag(canvas.At(7, 7));
    canvas.Release(Qt::LeftButton, canvas.At(7, 7));
    QCOMPARE(Pixels(f.Font()), start);
    QCOMPARE(canvas.Entries(), entries);
    QVERIFY(!f.Font().Modified());
    // Keys reach the window again.
    f.window->activateWindow();
    QTest::keyClick(f.window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(f.window->Zoom(), 10);
}

void ComfortTest::characterBeyondLastCharOffersToRaiseIt() {
    TWindowFixture f;
    QWidget* bar = f.Find<QWidget>("BeyondLastCharBar");
    QVERIFY(!bar->isVisible());
    auto* list = f.window->CharList();
    list->setFocus();
    QTest::keyClicks(list, "A");
    QTest::qWait(10);
    QVERIFY(f.Font().GetCurrent() == nullptr);
    QVERIFY(bar->isVisible());
    QVERIFY2(f.Find<QLabel>("BeyondLastCharLabel")->text().contains("beyond Last char (32)"),
             qPrintable(f.Find<QLabel>("BeyondLastCharLabel")->text()));
    auto* raise = f.Find<QPushButton>("RaiseLastCharButton");
    QCOMPARE(raise->text(), QString("Raise Last char to 65"));
    QTest::mouseClick(raise, Qt::LeftButton);
    QCOMPARE(f.Font().LastChar(), 65);
    QCOMPARE(f.Find<QSpinBox>("LastCharEdit")->value(), 65);
    QVERIFY(f.Font().GetCurrent() != nullptr);
    QCOMPARE(f.Font().CurrentIndex(), 33);
    QVERIFY(!bar->isVisible());
}

void ComfortTest::firstStrokeOnARaisedCharacterUndoes_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Raise Last char button") << true;
    QTest::newRow("Last char typed") << false;
}

void ComfortTest::firstStrokeOnARaisedCharacterUndoes() {
    QFETCH(bool, byButton);
    TWindowFixture f;
    f.window->Action("NewFileAction")->trigger();
    QTest::keyClicks(f.window->CharList(), "A");
    if (byButton) {
        QTest::mouseClick(f.Find<QPushButton>("RaiseLastCharButton"), Qt::LeftButton);
    } else {
        auto* edit = f.Find<QSpinBox>("LastCharEdit");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "65");
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QCOMPARE(f.Font().CurrentIndex(), 33);
    TCanvasDriver canvas(f);
    canvas.Stroke(Qt::LeftButton, {{2, 3}});
    QCOMPARE(Pixels(f.Font())[3], QString("..#....."));
    QTest::keySequence(f.window.get(), QKeySequence::Undo);
    QCOMPARE(f.Font().CurrentIndex(), 33);
    QCOMPARE(Show(Pixels(f.Font())), Show(Empty8));
}

void ComfortTest::draggingTheRightEdgeChangesTheWidth() {
    TWindowFixture f;
    TCanvasDriver canvas(f);
    canvas.Start({"########", "#......#", "#......#", "########", "........", "........",
                  "........", "........"});
    const int entries = canvas.Entries();
    const TRect area = canvas.box->GlyphArea();
    const int z = f.window->Zoom();
    const QPoint edge(area.Left + 8 * z, area.Top + 2 * z);
    canvas.Hover(edge);
    QCOMPARE(canvas.box->cursor().shape(), Qt::SizeHorCursor);
    canvas.Press(Qt::LeftButton, edge);
    canvas.Drag(edge - QPoint(6 * z, 0)); // to width 2
    QCOMPARE(f.Font().GetCurrent()->Width(), 2);
    canvas.Drag(edge - QPoint(3 * z, 0)); // back out to width 5: no pixels lost
    canvas.Release(Qt::LeftButton, edge - QPoint(3 * z, 0));
    QCOMPARE(f.Font().GetCurrent()->Width(), 5);
    QCOMPARE(Pixels(f.Font())[0], QString("#####"));
    QCOMPARE(f.Find<QSpinBox>("CharWidthEdit")->value(), 5);
    QCOMPARE(canvas.Entries(), entries + 1);
    QCOMPARE(canvas.LastAction(), THistoryKind::WidthChanged);
    QVERIFY(f.Font().Modified());
    // The pixels of the drag went nowhere else.
    QCOMPARE(Pixels(f.Font())[1], QString("#...."));
}

void ComfortTest::whiteBrushCaption() {
    TWindowFixture f;
    QCOMPARE(f.window->Action("DrawingBrushWhiteAction")->text(),
             QString("Drawing white brush only"));
}

void ComfortTest::windowPlaceAndLayoutComeBack() {
    QStandardPaths::setTestModeEnabled(true); // as TWindowFixture does
    QTemporaryDir dir;
    const QString settings = dir.filePath("settings.ini");
    const auto open = [&settings] {
        auto w = std::make_unique<Tmainform>();
        w->SetSettingsFile(settings);
        w->show();
        QTest::qWait(30);
        return w;
    };
    const auto dock = [](Tmainform& w) { return w.findChild<QDockWidget*>("GlyphSheetDock"); };
    QRect place;
    {
        auto w = open();
        w->setGeometry(30, 40, 700, 500);
        w->addToolBar(Qt::LeftToolBarArea, w->findChild<QToolBar*>("FileBar"));
        w->Action("ShowGlyphSheetAction")->trigger();
        QTest::qWait(20);
        place = w->geometry();
        QVERIFY(w->close());
    }
    {
        auto w = open();
        QCOMPARE(w->geometry(), place);
        QCOMPARE(w->toolBarArea(w->findChild<QToolBar*>("FileBar")), Qt::LeftToolBarArea);
        QVERIFY(dock(*w)->isVisible());
        QVERIFY(!dock(*w)->isFloating());
        QCOMPARE(w->dockWidgetArea(dock(*w)), Qt::BottomDockWidgetArea);
        QVERIFY(w->Action("ShowGlyphSheetAction")->isChecked());
        QVERIFY(w->close());
    }
    // A place partly off the screen comes back on it at its size; one
    // larger than the screen shrinks to it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect& stored : {QRect(screen.right() - 100, screen.bottom() - 80, 500, 400),
                                QRect(-40, -30, screen.width() + 300, screen.height() + 200)}) {
        QSize size;
        {
            auto w = open();
            w->setGeometry(stored);
            size = w->size(); // at least the window's minimum
            QVERIFY(w->close());
        }
        auto w = open();
        QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(QDebug::toString(w->geometry())));
        if (size.width() < screen.width() && size.height() < screen.height())
            QCOMPARE(w->size(), size);
        QVERIFY(w->close());
    }
    // The plain rectangle of earlier versions is read too.
    {
        QSettings ini(settings, QSettings::IniFormat);
        ini.setValue("Window/Geometry", "20,30,600,400");
    }
    auto w = open();
    QCOMPARE(w->geometry().topLeft(), QPoint(20, 30));
    QCOMPARE(w->width(), 600);
}

void ComfortTest::openedFontShowsTheHighlightedCharacter() {
    TWindowFixture f;
    const QString path = f.dir.filePath("font.fzx");
    {
        TFZXFont font;
        font.SetLastChar(90);
        font.Glyph('B' - 32).SetAll("1111", 2, 4, 0);
        QCOMPARE(QString::fromStdString(font.SaveFZX(path.toStdString())), QString());
    }
    auto* list = f.window->CharList();
    list->setFocus();
    QTest::keyClicks(list, "B"); // beyond the new font's last char: no glyph yet
    f.window->OpenFont(path);
    QCOMPARE(list->CurrentRow(), 'B' - 31);
    QCOMPARE(f.Font().CurrentIndex(), 'B' - 32);
    QVERIFY(f.Font().GetCurrent() != nullptr);
    QCOMPARE(f.Find<QSpinBox>("CharWidthEdit")->value(), 4);
    QVERIFY(f.Find<QSpinBox>("CharWidthEdit")->isEnabled());
    QVERIFY(!f.Font().Modified());
    QVERIFY(!f.window->Action("UndoAction")->isEnabled());
}

void ComfortTest::dialogsStartWhereTheFontIs() {
    TWindowFixture f;
    QDir(f.dir.path()).mkpath("a");
    QDir(f.dir.path()).mkpath("b");
    const QString font = f.dir.filePath("a/font.fzx");
    {
        TFZXFont model;
        model.SetLastChar(40);
        QCOMPARE(QString::fromStdString(model.SaveFZX(font.toStdString())), QString());
    }
    QString seen;
    const auto folderOf = [&seen](QWidget* w) {
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            seen = dialog->directory().absolutePath();
            dialog->reject();
        }
    };
    // No file yet, but one from an earlier run: its folder.
    f.window->Document().Recent().Add(f.dir.filePath("b/old.fzx").toStdString(), "/");
    {
        TModalScript script({folderOf});
        f.window->Action("FileLoadAction")->trigger();
    }
    QCOMPARE(seen, QDir(f.dir.filePath("b")).absolutePath());
    // The current file's folder for Open and Save As.
    f.window->OpenFont(font);
    for (const char* action : {"FileLoadAction", "FileSaveAsAction"}) {
        seen.clear();
        TModalScript script({folderOf});
        f.window->Action(action)->trigger();
        QCOMPARE(seen, QDir(f.dir.filePath("a")).absolutePath());
    }
    // After New the font has no file: the last folder used.
    f.window->Action("NewFileAction")->trigger();
    f.Font().SetHeight(9);
    seen.clear();
    {
        TModalScript script({folderOf});
        f.window->Action("FileSaveAction")->trigger();
    }
    QCOMPARE(seen, QDir(f.dir.filePath("a")).absolutePath());
}

QTEST_MAIN(ComfortTest)
#include "comfort_test.moc"
