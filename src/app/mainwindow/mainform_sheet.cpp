// The glyph sheet dock, and what the window keeps of itself between runs in
// its own settings group beside "Settings".

#include <QAction>
#include <QDockWidget>
#include <QScrollArea>

#include "mainwindow/mainform.h"
#include "platform/safesettings.h"
#include "widgets/chargrid.h"
#include "widgets/glyphsheet.h"

namespace {

const QString kWindowKey = QStringLiteral("Window");

std::unique_ptr<TSafeRegistry> OpenWindowStore(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return std::make_unique<TSafeRegistry>();
    return std::make_unique<TSafeRegistry>(settingsFile);
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
    FGrid->SelectRow(code - 31);
    if (auto* area = qobject_cast<QScrollArea*>(FSheet->parentWidget()->parentWidget())) {
        const QRect cell = FSheet->CellRect(code);
        area->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 2,
                            cell.height() / 2 + 2);
    }
}

void Tmainform::LoadWindowSettings() {
    std::unique_ptr<TSafeRegistry> store = OpenWindowStore(FSettingsFile);
    TSafeRegistry& reg = *store;
    if (!reg.OpenKeyReadOnly(kWindowKey)) return;
    Action("ShowGlyphSheetAction")->setChecked(ReadBoolDefault(reg, "ShowGlyphSheet", false));
    reg.CloseKey();
}

void Tmainform::StoreWindowSettings() {
    std::unique_ptr<TSafeRegistry> store = OpenWindowStore(FSettingsFile);
    TSafeRegistry& reg = *store;
    if (!reg.OpenKey(kWindowKey, true)) return;
    reg.WriteBool("ShowGlyphSheet", Action("ShowGlyphSheetAction")->isChecked());
    reg.CloseKey();
}
