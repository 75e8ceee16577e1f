// The glyph sheet dock, and what the window keeps of itself between runs in
// its own settings group "Window" beside "Settings": its place and size,
// the toolbar and dock layout, and whether the sheet is shown.

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <functional>
#include <vector>

#include "mainwindow/mainform.h"
#include "platform/safesettings.h"
#include "shell/windowplace.h"
#include "spectrum/spectrumscreendock.h"
#include "widgets/chargrid.h"
#include "widgets/editpanel.h"
#include "widgets/glyphsheet.h"

namespace {

const QString kWindowKey = QStringLiteral("Window");

TRect ToTRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Calls back when the window has left the maximised or full-screen state:
// it then takes its old place at the size it needs now (docks opened
// meanwhile may have made it larger), which may no longer lie on the
// screen. A window manager may report the old place only after the state,
// so the moves and resizes of the moment after it call back too.
class TUnmaximiseWatch : public QObject {
  public:
    TUnmaximiseWatch(QWidget* window, std::function<void()> placed)
        : QObject(window), FPlaced(std::move(placed)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        constexpr Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
        const auto* window = static_cast<QWidget*>(watched);
        const bool normal = !(window->windowState() & (large | Qt::WindowMinimized));
        if (event->type() == QEvent::WindowStateChange &&
            (static_cast<QWindowStateChangeEvent*>(event)->oldState() & large) && normal) {
            FPending = true;
            QTimer::singleShot(0, this, [this] { FPlaced(); });
            QTimer::singleShot(kSettleTime, this, [this] { FPending = false; });
        } else if (FPending && normal &&
                   (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            QTimer::singleShot(0, this, [this] { FPlaced(); });
        }
        return false;
    }

  private:
    static constexpr int kSettleTime = 500; // ms
    std::function<void()> FPlaced;
    bool FPending = false;
};

// Shows the docks once the window is on the screen. A floating dock mapped
// before its main window is managed by the window manager would not be kept
// above it (it is mapped as a window of its own).
class TShowWhenExposed : public QObject {
  public:
    TShowWhenExposed(QWindow* window, std::vector<QPointer<QDockWidget>> docks)
        : QObject(window), FDocks(std::move(docks)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            // After this event: the window is mapped once it has been handled.
            QTimer::singleShot(0, parent(), [docks = FDocks] {
                for (const QPointer<QDockWidget>& dock : docks)
                    if (dock) dock->show();
            });
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    std::vector<QPointer<QDockWidget>> FDocks;
};

} // namespace

void Tmainform::CreateGlyphSheetDock() {
    FSheetDock = new QDockWidget(QStringLiteral("Glyph sheet"), this);
    FSheetDock->setObjectName("GlyphSheetDock");
    auto* area = new QScrollArea(FSheetDock);
    area->setObjectName("GlyphSheetPanel");
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->viewport()->setBackgroundRole(QPalette::Button);
    FSheet = new TGlyphSheet(*FFont);
    area->setWidget(FSheet);
    // The sheet takes the keys; the scroll area must not eat the arrows.
    area->setFocusProxy(FSheet);
    FSheetDock->setWidget(area);
    addDockWidget(Qt::BottomDockWidgetArea, FSheetDock);
    FSheetDock->hide();

    QAction* show = FRefresh.ShowGlyphSheet;
    show->setCheckable(true);
    show->setChecked(false);
    connect(show, &QAction::toggled, FSheetDock, &QDockWidget::setVisible);
    // Closing the dock by its own button unticks the command.
    connect(FSheetDock, &QDockWidget::visibilityChanged, this, [this, show](bool) {
        if (!FSheetDock->isHidden() != show->isChecked()) show->setChecked(!FSheetDock->isHidden());
    });
    connect(FSheet, &TGlyphSheet::CodeChosen, this, &Tmainform::GlyphSheetCodeChosen);
    // Queued: a sheet just shown or resized has its scroll range only once
    // the layout ran.
    connect(
        FSheet, &TGlyphSheet::CurrentMoved, area,
        [area](const QRect& cell) {
            area->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 2,
                                cell.height() / 2 + 2);
        },
        Qt::QueuedConnection);
}

void Tmainform::WatchDocks() {
    new TUnmaximiseWatch(this, [this] { KeepOnScreen(); });
    const auto docksChanged = [this] {
        // Docks beside or below the canvas take its room only down to a
        // size to draw in; alone, the window keeps its compact start size.
        bool beside = false, below = false;
        for (QDockWidget* dock : findChildren<QDockWidget*>()) {
            if (dock->isHidden() || dock->isFloating()) continue;
            const Qt::DockWidgetArea area = dockWidgetArea(dock);
            beside = beside || area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
            below = below || area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        }
        FEditPanel->setMinimumSize(beside ? TEditPanel::MinimumWidth : 0,
                                   below ? TEditPanel::MinimumHeight : 0);
        // A dock that grew the window moves it back onto the screen; its
        // size is the user's.
        if (isVisible()) QTimer::singleShot(0, this, [this] { KeepOnScreen(false); });
    };
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        connect(dock, &QDockWidget::visibilityChanged, this, docksChanged);
        connect(dock, &QDockWidget::topLevelChanged, this, docksChanged);
        connect(dock, &QDockWidget::dockLocationChanged, this, docksChanged);
    }
}

void Tmainform::GlyphSheetCodeChosen(int code) {
    // Through the list, so list, sheet and canvas agree as after a click
    // there; the sheet follows the new current character itself.
    SelectListRow(code - 31);
}

void Tmainform::RestoreWindowSettings() {
    if (FWindowRestored) return;
    FWindowRestored = true;
    std::unique_ptr<TSafeRegistry> store = FSettingsFile.isEmpty()
                                               ? std::make_unique<TSafeRegistry>()
                                               : std::make_unique<TSafeRegistry>(FSettingsFile);
    LoadWindowSettings(*store);
}

void Tmainform::LoadWindowSettings(TSafeRegistry& reg) {
    if (!reg.OpenKeyReadOnly(kWindowKey)) return;
    const QString geometry = ReadStringDefault(reg, "Geometry", QString());
    TRect place;
    if (ParseWindowRect(geometry.toStdString(), place)) {
        // The plain rectangle of earlier versions; the next close stores the
        // toolkit's form.
        setGeometry(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
        if (ReadBoolDefault(reg, "Maximized", false))
            setWindowState(windowState() | Qt::WindowMaximized);
    } else if (!geometry.isEmpty()) {
        // The toolkit keeps the frame, the screen and the maximised state.
        restoreGeometry(QByteArray::fromBase64(geometry.toLatin1()));
    }
    KeepOnScreen();
    const QByteArray layout =
        QByteArray::fromBase64(ReadStringDefault(reg, "Layout", QString()).toLatin1());
    if (!layout.isEmpty()) restoreState(layout);
    FRefresh.ShowGlyphSheet->setChecked(ReadBoolDefault(reg, "ShowGlyphSheet", false));
    FSheetDock->setVisible(FRefresh.ShowGlyphSheet->isChecked());
    FSpectrumDock->LoadSettings(reg);
    reg.CloseKey();
    std::vector<QPointer<QDockWidget>> floating;
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        if (dock->isFloating() && !dock->isHidden()) floating.emplace_back(dock);
    if (!floating.empty() && windowHandle() && !windowHandle()->isExposed()) {
        for (QDockWidget* dock : floating)
            dock->hide();
        new TShowWhenExposed(windowHandle(), std::move(floating));
    }
}

void Tmainform::KeepOnScreen(bool shrink) {
    if (isMaximized()) return;
    std::vector<TRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToTRect(screen->availableGeometry()));
    // The frame, title bar and all, goes onto a screen at the size the
    // window is about to take (a layout that grew applies only later); the
    // size follows where the screen is smaller.
    const QRect inner = geometry();
    QRect frame = frameGeometry();
    const QSize least = minimumSizeHint().expandedTo(minimumSize());
    frame.setSize(frame.size() + (inner.size().expandedTo(least) - inner.size()));
    TRect fitted = FitWindowRect(ToTRect(frame), screens);
    if (!shrink) {
        fitted.Right = fitted.Left + frame.width();
        fitted.Bottom = fitted.Top + frame.height();
    }
    if (fitted == ToTRect(frame)) return;
    setGeometry(fitted.Left + inner.left() - frame.left(), fitted.Top + inner.top() - frame.top(),
                fitted.Right - fitted.Left - (frame.width() - inner.width()),
                fitted.Bottom - fitted.Top - (frame.height() - inner.height()));
}

void Tmainform::StoreWindowSettings(TSafeRegistry& reg) {
    if (!reg.OpenKey(kWindowKey, true)) return;
    reg.WriteBool("ShowGlyphSheet", FRefresh.ShowGlyphSheet->isChecked());
    FSpectrumDock->StoreSettings(reg);
    // The place, size and state of the window, and where its toolbars and
    // the docks are.
    reg.WriteString("Geometry", QString::fromLatin1(saveGeometry().toBase64()));
    reg.WriteString("Layout", QString::fromLatin1(saveState().toBase64()));
    reg.CloseKey();
}
