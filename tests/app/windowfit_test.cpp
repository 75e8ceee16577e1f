// The window on small screens with its docks open: it fits, the canvas and
// the character list keep room to work in, a window un-maximised comes back
// onto the screen, and floating docks restored from the settings stay with
// their main window.

#include <QDockWidget>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include "widgets/chargrid.h"
#include "windowfixture.h"

namespace {

void ShowBothDocks(Tmainform& window) {
    window.Action("ShowGlyphSheetAction")->setChecked(true);
    window.Action("ShowSpectrumScreenAction")->setChecked(true);
    QTest::qWait(30);
}

// Whether the main window was on the screen when a dock was last shown.
struct TShownAfterExposed : QObject {
    QWidget* main;
    bool lastShownExposed = false;
    TShownAfterExposed(QWidget* dock, QWidget* window) : main(window) {
        dock->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            lastShownExposed = main->windowHandle() && main->windowHandle()->isExposed();
        return false;
    }
};

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
  private slots:
    void smallScreenKeepsRoomToWork();
    void unmaximisedWindowComesBackOnScreen();
    void restoredFloatingDockStaysWithTheWindow();
};

void WindowFitTest::smallScreenKeepsRoomToWork() {
    TWindowFixture f;
    ShowBothDocks(*f.window);
    const QSize least = f.window->minimumSizeHint().expandedTo(f.window->minimumSize());
    QVERIFY2(least.width() <= 1000 && least.height() <= 640, qPrintable(QDebug::toString(least)));
    f.window->resize(1000, 640);
    QTest::qWait(30);
    QCOMPARE(f.window->size(), QSize(1000, 640));
    const QSize canvas = f.Find<QScrollArea>("EditPanel")->size();
    QVERIFY2(canvas.width() >= 320 && canvas.height() >= 240, qPrintable(QDebug::toString(canvas)));
    TDatabaseGrid* list = f.window->CharList();
    const int columnsEnd = list->horizontalHeader()->sectionViewportPosition(1) +
                           list->horizontalHeader()->sectionSize(1);
    QVERIFY2(columnsEnd <= list->viewport()->width(),
             qPrintable(QString("%1 > %2").arg(columnsEnd).arg(list->viewport()->width())));
}

void WindowFitTest::unmaximisedWindowComesBackOnScreen() {
    TWindowFixture f;
    const QRect screen = f.window->screen()->availableGeometry();
    // In the corner, where a window grown by the docks no longer fits.
    const QSize start = f.window->frameGeometry().size();
    f.window->move(screen.right() - start.width(), screen.bottom() - start.height());
    QTest::qWait(10);
    f.window->showMaximized();
    QTest::qWait(30);
    ShowBothDocks(*f.window);
    f.window->showNormal();
    QTest::qWait(30);
    // At the size its docks need (a window manager would grow it there),
    // as far onto the screen as that size lets it (the test screen may be
    // smaller than the window's least size).
    const QSize least = f.window->minimumSizeHint().expandedTo(f.window->minimumSize());
    QVERIFY2(f.window->width() >= least.width() && f.window->height() >= least.height(),
             qPrintable(QDebug::toString(f.window->size()) + " " + QDebug::toString(least)));
    const QRect frame = f.window->frameGeometry();
    const QString where = QDebug::toString(frame);
    QVERIFY2(frame.left() >= screen.left() && frame.top() >= screen.top(), qPrintable(where));
    QVERIFY2(frame.right() <= screen.right() || frame.left() == screen.left(), qPrintable(where));
    QVERIFY2(frame.bottom() <= screen.bottom() || frame.top() == screen.top(), qPrintable(where));
}

void WindowFitTest::restoredFloatingDockStaysWithTheWindow() {
    QStandardPaths::setTestModeEnabled(true); // as TWindowFixture does
    QTemporaryDir dir;
    const QString settings = dir.filePath("settings.ini");
    {
        Tmainform w;
        w.SetSettingsFile(settings);
        w.show();
        QTest::qWait(20);
        w.Action("ShowGlyphSheetAction")->setChecked(true);
        auto* dock = w.findChild<QDockWidget*>("GlyphSheetDock");
        dock->setFloating(true);
        QTest::qWait(20);
        // Floated during the session: a window of its own above the main one.
        QCOMPARE(dock->windowHandle()->transientParent(), w.windowHandle());
        QVERIFY(w.close());
    }
    // Restored, it comes once its main window is on the screen: a window
    // manager keeps only such a dock above the main window.
    Tmainform again;
    again.SetSettingsFile(settings);
    auto* dock = again.findChild<QDockWidget*>("GlyphSheetDock");
    TShownAfterExposed watch(dock, &again);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTest::qWait(20);
    QVERIFY(dock->isFloating() && dock->isVisible());
    QCOMPARE(dock->windowHandle()->transientParent(), again.windowHandle());
    QVERIFY(watch.lastShownExposed);
    QVERIFY(again.Action("ShowGlyphSheetAction")->isChecked());
}

QTEST_MAIN(WindowFitTest)
#include "windowfit_test.moc"
