// Writes PNG pictures of the editor window with a real font loaded, for
// looking at the window and for the README:
//   quorrel_screenshots FONT.fzx OUTPUT_FOLDER

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "dialogs/previewdialog.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "shotwindow.h"
#include "widgets/chargrid.h"

namespace {

void SetEditor(Tmainform& w, const char* name, int value) {
    w.findChild<QSpinBox*>(QString::fromUtf8(name))->setValue(value);
}

} // namespace

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    QString font, folder;
    if (!ShotArguments(argc, argv, font, folder)) return 2;
    TShotWindow shot(font);
    Tmainform& w = shot.window;
    auto* grid = w.findChild<TDatabaseGrid*>("DatabaseGrid1");
    grid->SelectRow('g' - 31);
    w.PreviewForm()->SetPreviewText("The quick brown fox jumps over the lazy dog.\r"
                                    "Quorrel [127] 2026: FZX fonts!");
    w.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
    SaveShot(&w, folder, "window-zoom8.png");

    SetEditor(w, "ZoomEdit", 20);
    w.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    SaveShot(&w, folder, "window-zoom20-limits.png");

    SetEditor(w, "ZoomEdit", 12);
    grid->SelectRow('A' - 31);
    w.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
    w.findChild<QLineEdit*>("GuideLinesEdit")->setText("2, 4, 9");
    SaveShot(&w, folder, "window-guides.png");

    Ttestpreviewform* preview = w.PreviewForm();
    preview->SetPreviewZoom(2);
    preview->show();
    SaveShot(preview, folder, "preview-dialog.png");
    preview->hide();
    SaveShot(&w, folder, "window-preview-zoom2.png");

    // The undo drop-down after a command on every glyph and two edits.
    w.Action("BoldAllAction")->trigger();
    w.Action("RollUpAction")->trigger();
    w.Action("FlipHorizontalAction")->trigger();
    auto* undo = w.findChild<QToolButton*>("UndoButton");
    QTimer::singleShot(100, [&] {
        SaveShot(undo->menu(), folder, "history-menu.png");
        undo->menu()->close();
    });
    undo->showMenu();
    return 0;
}
