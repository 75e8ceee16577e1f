#include "widgets/historybutton.h"

#include <QAction>
#include <QMenu>

#include "icons/historyimagelist.h"
#include "model/undolist.h"
#include "platform/fonttext.h"
#include "shell/historysteps.h"

namespace {

// The history menu as the core lists it: entries, group headers, separators.
void FillHistoryMenu(QMenu* menu, const THistoryMenu& items, Tundolist& history) {
    menu->clear();
    for (const THistoryMenuItem& item : items) {
        if (item.Kind == THistoryMenuItem::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(FromFontText(item.Caption));
        if (item.Icon >= 0) action->setIcon(HistoryImageList().Icon(item.Icon));
        if (item.Kind == THistoryMenuItem::Header) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
        QObject::connect(action, &QAction::triggered, menu,
                         [&history, item] { history.Click(item); });
    }
}

} // namespace

THistoryButton::THistoryButton(const QString& name, QAction* action, bool redo, QWidget* parent)
    : QToolButton(parent), FAction(action), FMenu(new QMenu(this)), FRedo(redo) {
    setObjectName(name);
    setDefaultAction(action);
    setAutoRaise(true);
    FMenu->setObjectName(name + "Menu");
}

void THistoryButton::ShowHistory(Tundolist& history) {
    const bool can = FRedo ? history.CanRedo() : history.CanUndo();
    FAction->setEnabled(can);
    if (can) {
        THistoryMenu items;
        if (FRedo ? history.FillRedoMenu(50, items) : history.FillUndoMenu(50, items))
            FillHistoryMenu(FMenu, items, history);
        setMenu(FMenu);
        setPopupMode(QToolButton::MenuButtonPopup);
    } else {
        // A disabled button shows no arrow.
        setMenu(nullptr);
        setPopupMode(QToolButton::DelayedPopup);
    }
}
