// Writes pictures of the picture sheet import dialog with real sheets made
// from a font: one with a grid and captions (layout found by itself), one
// plain sheet read with fitted widths:
//   quorrel_import_shots FONT.fzx OUTPUT_FOLDER

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "dialogs/sheetimportdialog.h"
#include "formatfiles.h"
#include "formats/sheet.h"
#include "platform/application.h"
#include "shotwindow.h"

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    QString font, folder;
    if (!ShotArguments(argc, argv, font, folder)) return 2;
    TFZXFont source;
    const std::string error = source.LoadFZX(QFile::encodeName(font).toStdString());
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    QTemporaryDir temp;
    struct TShot {
        const char* Name;
        bool Grid;
    };
    for (const TShot shot :
         {TShot{"sheet-import-grid.png", true}, TShot{"sheet-import-plain.png", false}}) {
        TExportOptions out;
        out.Grid = out.Captions = shot.Grid;
        const std::string sheet = temp.filePath("sheet.png").toStdString();
        if (!SaveFontFile(source, sheet, out).empty()) return 1;
        TRaster picture;
        if (!ReadSheetPicture(sheet, picture).empty()) return 1;
        TSheetImportDialog dialog(picture, QString::fromStdString(sheet));
        if (!shot.Grid) {
            // The guess for a plain sheet: the cell height needs setting.
            dialog.CellHeightEdit->setValue(SheetImportOptions(source, out).CellHeight);
            dialog.FitWidthCheck->setChecked(true);
        }
        dialog.show();
        SaveShot(&dialog, folder, shot.Name);
    }
    // The window after importing a console font (its report box answered).
    const QString console = QStringLiteral("/usr/share/consolefonts/Lat15-Fixed16.psf.gz");
    if (QFile::exists(console)) {
        TShotWindow shot(QString{});
        QTimer::singleShot(300, [] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                box->accept();
        });
        shot.window.ImportFont(console);
        shot.window.Font().SetCurrent('A' - 32);
        SaveShot(&shot.window, folder, "window-imported-console-font.png");
    }
    return 0;
}
