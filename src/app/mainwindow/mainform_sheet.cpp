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

    QAction* show = Action("ShowGlyphSheetAction");
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

void Tmainform::LoadWindowSettings(TSafeRegistry& reg) {
    if (!reg.OpenKeyReadOnly(kWindowKey)) return;
    // The place only where a screen of this run has room for it.
    std::vector<TRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToTRect(screen->availableGeometry()));
    TRect place;
    if (ParseWindowRect(ReadStringDefault(reg, "Geometry", QString()).toStdString(), place) &&
        WindowRectFits(place, screens)) {
        setGeometry(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
        if (ReadBoolDefault(reg, "Maximized", false))
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    const QByteArray layout =
        QByteArray::fromBase64(ReadStringDefault(reg, "Layout", QString()).toLatin1());
    if (!layout.isEmpty()) restoreState(layout);
    Action("ShowGlyphSheetAction")->setChecked(ReadBoolDefault(reg, "ShowGlyphSheet", false));
    FSheetDock->setVisible(Action("ShowGlyphSheetAction")->isChecked());
    FSpectrumDock->LoadSettings(reg);
    reg.CloseKey();
}

void Tmainform::StoreWindowSettings(TSafeRegistry& reg) {
    if (!reg.OpenKey(kWindowKey, true)) return;
    reg.WriteBool("ShowGlyphSheet", Action("ShowGlyphSheetAction")->isChecked());
    FSpectrumDock->StoreSettings(reg);
    // The size and place of the window when not maximised, and where its
    // toolbars and the dock are.
    reg.WriteString("Geometry", QString::fromStdString(WindowRectText(ToTRect(normalGeometry()))));
    reg.WriteBool("Maximized", isMaximized());
    reg.WriteString("Layout", QString::fromLatin1(saveState().toBase64()));
    reg.CloseKey();
}
