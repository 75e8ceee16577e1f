// Pictures of the window at its start size and of the views added to it:
// the glyph sheet dock and the note for characters beyond Last char.
//   quorrel_comfort_shots FONT.fzx OUTPUT_FOLDER

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QSpinBox>

#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "shotwindow.h"
#include "widgets/chargrid.h"

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    QString font, folder;
    if (!ShotArguments(argc, argv, font, folder)) return 2;
    TShotWindow shot(font);
    Tmainform& w = shot.window;
    auto* grid = w.findChild<TDatabaseGrid*>("DatabaseGrid1");

    // The start size: every toolbar button in view.
    w.resize(656, 446);
    grid->SelectRow('g' - 31);
    SaveShot(&w, folder, "window-start-size.png");

    // The glyph sheet at a size that shows it, current glyph framed.
    w.resize(1100, 900);
    w.Action("ShowGlyphSheetAction")->setChecked(true);
    grid->SelectRow('R' - 31);
    SaveShot(&w, folder, "window-glyph-sheet.png");
    SaveShot(w.findChild<QDockWidget*>("GlyphSheetDock"), folder, "glyph-sheet.png");
    w.Action("ShowGlyphSheetAction")->setChecked(false);

    // A character beyond Last char.
    w.resize(656, 446);
    w.findChild<QSpinBox*>("LastCharEdit")->setValue(126);
    grid->SelectRow(200 - 31);
    SaveShot(&w, folder, "window-beyond-last-char.png");
    return 0;
}
