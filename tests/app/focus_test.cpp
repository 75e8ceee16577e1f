// The keyboard's way through the window: Tab leaves the character list
// without choosing characters, the value editors are reached by their
// labels' Alt keys, and a new font hands the keyboard to the list.

#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <set>

#include "canvasdriver.h"
#include "widgets/chargrid.h"

class FocusTest : public QObject {
    Q_OBJECT
  private slots:
    void tabLeavesTheCharacterList();
    void valueLabelsTakeTheFocusByAltKeys();
    void newFontGivesTheListTheKeyboard();
};

void FocusTest::tabLeavesTheCharacterList() {
    TWindowFixture f;
    f.window->activateWindow();
    auto* list = f.window->CharList();
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Tab), QKeyCombination(Qt::ControlModifier, Qt::Key_Tab)}) {
        list->setFocus();
        QTest::qWait(10);
        QVERIFY(list->hasFocus());
        const int entries = f.Font().UndoList().Count();
        const int row = list->CurrentRow();
        QTest::keyClick(list, key.key(), key.keyboardModifiers());
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(f.Font().UndoList().Count(), entries);
        QCOMPARE(list->CurrentRow(), row);
        if (key.keyboardModifiers() == Qt::NoModifier) QVERIFY(!list->hasFocus());
    }
}

void FocusTest::valueLabelsTakeTheFocusByAltKeys() {
    TWindowFixture f;
    f.window->activateWindow();
    // Keys the window's commands and menus hold already.
    std::set<QString> taken;
    for (QAction* action : f.window->findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            taken.insert(key.toString());
    for (QAction* menu : f.window->menuBar()->actions())
        taken.insert(QKeySequence::mnemonic(menu->text()).toString());
    for (const char* name : {"BaseLineEdit", "TrackingEdit", "LastCharEdit", "CharWidthEdit",
                             "KernEdit", "ZoomEdit"}) {
        auto* edit = f.Find<QSpinBox>(name);
        QLabel* label = nullptr;
        for (QLabel* l : f.window->findChildren<QLabel*>())
            if (l->buddy() == edit) label = l;
        QVERIFY2(label, name);
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        QVERIFY2(!key.isEmpty(), qPrintable(label->text()));
        QVERIFY2(taken.insert(key.toString()).second, qPrintable(key.toString()));
        f.window->CharList()->setFocus();
        QTest::keyClick(f.window.get(), key[0].key(), Qt::AltModifier);
        QVERIFY2(edit->hasFocus(), name);
    }
}

void FocusTest::newFontGivesTheListTheKeyboard() {
    TWindowFixture f;
    f.window->activateWindow();
    f.Find<QSpinBox>("ZoomEdit")->setFocus();
    QTest::qWait(10);
    f.window->Action("NewFileAction")->trigger();
    QTest::qWait(10);
    QVERIFY(f.window->CharList()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "A");
    QCOMPARE(f.Font().CurrentIndex(), 'A' - 32);
}

QTEST_MAIN(FocusTest)
#include "focus_test.moc"
