// The glyph sheet dock, and what the window keeps of itself between runs in
// its own settings group "Window" beside "Settings": its place and size,
// the toolbar and dock layout, and whether the sheet is shown.

#include <QAction>
#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

#include "mainwindow/mainform.h"
#include "platform/safesettings.h"
#include "shell/windowplace.h"
#include "spectrum/spectrumscreendock.h"
#include "widgets/chargrid.h"
#include "widgets/glyphsheet.h"

namespace {

const QString kWindowKey = QStringLiteral("Window");

TRect ToTRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

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
}

void Tmainform::GlyphSheetCodeChosen(int code) {
    // Through the list, so list, sheet and canvas agree as after a click there.
    SelectListRow(code - 31);
    if (auto* area = qobject_cast<QScrollArea*>(FSheetDock->widget())) {
        const QRect cell = FSheet->CellRect(code);
        area->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 2,
                            cell.height() / 2 + 2);
    }
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
}

void Tmainform::KeepOnScreen() {
    if (isMaximized()) return;
    std::vector<TRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToTRect(screen->availableGeometry()));
    // The frame, title bar and all, goes onto a screen; the size follows
    // where the screen is smaller.
    const QRect frame = frameGeometry();
    const TRect fitted = FitWindowRect(ToTRect(frame), screens);
    if (fitted == ToTRect(frame)) return;
    const QRect inner = geometry();
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
