#pragma once
// The Undo or Redo tool button with the history's menu beside it: the
// entries, group headers and separators the core lists, each entry walking
// the history to it. Without a step to take, the action is off and the
// button shows no arrow.

#include <QToolButton>

class QAction;
class QMenu;
class Tundolist;

class THistoryButton : public QToolButton {
  public:
    // name is the button's object name, its menu's is name + "Menu"; action
    // is Undo (redo false) or Redo.
    THistoryButton(const QString& name, QAction* action, bool redo, QWidget* parent);

    // Brings the action, the menu and the arrow into line with history.
    void ShowHistory(Tundolist& history);

  private:
    QAction* FAction;
    QMenu* FMenu;
    bool FRedo;
};
