// File > Find fonts in a Spectrum file...: a file is chosen, its fonts are
// found and shown by the find dialog, and the one chosen enters the window
// as an import does, as a new untitled font.

#include <QAction>
#include <QFileDialog>

#include "dialogs/findfontsdialog.h"
#include "formats/fileio.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "platform/filepath.h"

void Tmainform::ConnectFindCommands() {
    connect(Action("FindFontsAction"), &QAction::triggered, this,
            &Tmainform::FindFontsActionExecute);
}

void Tmainform::FindFontsActionExecute() {
    if (!QuerySaveChanges()) return;
    QFileDialog files(this, QStringLiteral("Find fonts in a Spectrum file"));
    files.setObjectName("FindFontsFileDialog");
    files.setAcceptMode(QFileDialog::AcceptOpen);
    files.setFileMode(QFileDialog::ExistingFile);
    files.setNameFilters({QStringLiteral("Spectrum files (*.tap *.tzx *.z80 *.sna *.szx *.scr "
                                         "*.rom *.bin *.TAP *.TZX *.Z80 *.SNA *.SZX *.SCR *.ROM "
                                         "*.BIN)"),
                          QStringLiteral("All files (*)")});
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
    FindFontsIn(files.selectedFiles().first());
}

void Tmainform::FindFontsIn(const QString& path) {
    TFindFontsDialog dialog(path, this);
    if (dialog.exec() != QDialog::Accepted) return;
    TFZXFont read;
    std::string error = dialog.ReadChosen(read);
    try {
        // A new font without a file, as every import gives.
        if (error.empty())
            error = EnterFont([&](int current) {
                FDocument->Enter(read, std::string(), current);
                return std::string();
            });
    } catch (const TFileError& e) {
        ShowErrorBox(this, FromPath(e.what()));
        return;
    }
    if (!error.empty()) ShowMessageBox(this, FromPath(error));
}
