// New, Open, Save, Save As as the window asks for them (file dialogs, the
// changed-file prompt, error boxes), the path in the status bar and the menu
// of the last used files. The document reads, writes and remembers.

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "formats/fileio.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "platform/filedialogfilters.h"
#include "platform/filepath.h"
#include "text/commandline.h"
#include "text/pathellipsis.h"
#include "widgets/chargrid.h"

namespace {

QString Shortened(const QString& path, const QFontMetrics& metrics, int width) {
    const std::string shortened =
        ShortenPath(path.toStdString(), width, [&metrics](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text));
        });
    return QString::fromStdString(shortened);
}

// Shows path (or "<empty>") in the label, shortened to the label's width;
// the tool tip keeps the whole path.
void ShowPath(QLabel* label, const QString& path) {
    const QString shown = path.isEmpty() ? QStringLiteral("<empty>") : path;
    label->setToolTip(path);
    label->setText(
        Shortened(shown, label->fontMetrics(), std::max(1, label->contentsRect().width())));
}

// Fits the path again whenever the label's width changes, so that a wider
// window shows more folders and a narrower one never cuts the file name.
class TPathLabelFit : public QObject {
  public:
    explicit TPathLabelFit(QLabel* label) : QObject(label), FLabel(label) {
        label->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == FLabel && event->type() == QEvent::Resize)
            ShowPath(FLabel, FLabel->toolTip());
        return false;
    }

  private:
    QLabel* FLabel;
};

// The platform's own dialogs where it has them; the filter lists show their
// descriptions only, the patterns list both letter cases for case-sensitive
// file systems.
void PrepareDialog(QFileDialog& dialog, const char* name, QFileDialog::AcceptMode mode) {
    dialog.setObjectName(QString::fromUtf8(name));
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("fzx"));
}

// The editor's own file kinds as the Open and Save dialogs name them.
const TFileFilterRow kFZXRow{QStringLiteral("FZX font files"), {QStringLiteral(".fzx")}};
const TFileFilterRow kASMRow{QStringLiteral("assembler files"), {QStringLiteral(".asm")}};
const TFileFilterRow kCHRRow{QStringLiteral("character files"), {QStringLiteral(".chr")}};
const TFileFilterRow kUDGRow{QStringLiteral("user-defined graphics"), {QStringLiteral(".udg")}};

QStringList OpenFilters() {
    return {FileFilter({QStringLiteral("All supported files"),
                        {QStringLiteral(".fzx"), QStringLiteral(".chr"), QStringLiteral(".udg")}}),
            FileFilter(kFZXRow),
            FileFilter({QStringLiteral("Character files"), kCHRRow.Extensions}),
            FileFilter(kUDGRow)};
}

} // namespace

void Tmainform::ConnectFileCommands() {
    new TPathLabelFit(FPathLabel);
    connect(Action("NewFileAction"), &QAction::triggered, this, &Tmainform::NewFileActionExecute);
    connect(Action("FileLoadAction"), &QAction::triggered, this, &Tmainform::FileLoadActionExecute);
    connect(Action("FileSaveAction"), &QAction::triggered, this, &Tmainform::FileSaveActionExecute);
    connect(Action("FileSaveAsAction"), &QAction::triggered, this,
            &Tmainform::FileSaveAsActionExecute);
}

void Tmainform::NewFileActionExecute() {
    if (!QuerySaveChanges()) return;
    NewFont();
}

void Tmainform::FileSaveActionExecute() {
    SaveFont();
}

void Tmainform::FileMenuAboutToShow() {
    FLastUsedMenuAction->setEnabled(!FDocument->Recent().Empty());
}

bool Tmainform::QuerySaveChanges() {
    CommitPendingEdits();
    if (!FDocument->Modified()) return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorrel"),
                    QStringLiteral("Your file has changed. Do you want to save it?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("QuerySaveChangesBox"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveFont();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void Tmainform::OpenFont(const QString& path) {
    OpenFontPath(ToPath(path));
}

void Tmainform::OpenOrImportPath(const std::string& path) {
    if (CanImport(FromPath(path)))
        ImportFont(FromPath(path));
    else
        OpenFontPath(path);
}

void Tmainform::OpenFontPath(const std::string& path) {
    if (!QuerySaveChanges()) return;
    std::string error;
    try {
        error = EnterFont([&](int current) { return FDocument->Open(path, current); });
    } catch (const TFileError& e) {
        ShowErrorBox(this, FromPath(e.what()));
        return;
    }
    if (!error.empty()) ShowMessage(error);
}

std::string Tmainform::EnterFont(const std::function<std::string(int current)>& enter) {
    // The character of the highlighted row becomes current, so the canvas
    // and the list agree from the start.
    const int row = FGrid->CurrentRow() > 0 ? FGrid->CurrentRow() : 1;
    // The refresh of the entering font resizes the preview strip; a font
    // that does not enter leaves it as it was.
    const bool resize = FPreviewResizePending;
    FPreviewResizePending = true;
    std::string error;
    try {
        error = enter(row - 1);
    } catch (...) {
        FPreviewResizePending = resize;
        throw;
    }
    if (!error.empty()) {
        FPreviewResizePending = resize;
        return error;
    }
    // The keys go to the list, where the arrows walk through the characters.
    FGrid->Refresh();
    SelectListRow(row);
    FGrid->setFocus(Qt::OtherFocusReason);
    return error;
}

void Tmainform::FileLoadActionExecute() {
    QFileDialog dialog(this, QStringLiteral("Open"));
    PrepareDialog(dialog, "OpenDialog", QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(OpenFilters());
    const QString folder = FDocument->DialogFolder();
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    OpenFont(dialog.selectedFiles().first());
}

// Runs one of the document's writes; shows what went wrong.
static bool Written(QWidget* window, const std::function<std::string()>& write) {
    std::string error;
    try {
        error = write();
    } catch (const TFileError& e) {
        ShowErrorBox(window, FromPath(e.what()));
        return false;
    }
    if (error.empty()) return true;
    ShowMessageBox(window, QString::fromStdString(error));
    return false;
}

bool Tmainform::SaveFont() {
    std::string path = FDocument->FilePath();
    if (path.empty()) {
        QFileDialog dialog(this, QStringLiteral("Save As"));
        PrepareDialog(dialog, "SaveDialog", QFileDialog::AcceptSave);
        dialog.setNameFilter(FileFilter(kFZXRow));
        const QString folder = FDocument->DialogFolder();
        if (!folder.isEmpty()) dialog.setDirectory(folder);
        const QString name = FDocument->SuggestedName();
        if (!name.isEmpty()) dialog.selectFile(name + QStringLiteral(".fzx"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        path = ToPath(dialog.selectedFiles().first());
    }
    return Written(this, [&] { return FDocument->Save(path); });
}

void Tmainform::FileSaveAsActionExecute() {
    QFileDialog dialog(this, QStringLiteral("Save As"));
    PrepareSaveAsDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveAsChosen(dialog.selectedFiles().first());
}

void Tmainform::PrepareSaveAsDialog(QFileDialog& dialog) {
    PrepareDialog(dialog, "SaveAsDialog", QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QString folder = FDocument->DialogFolder();
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    QStringList filters = {FileFilter(kFZXRow), FileFilter(kASMRow)};
    const bool chr = FFont->IsCHRCompatible();
    if (chr) filters << FileFilter(kCHRRow) << FileFilter(kUDGRow);
    dialog.setNameFilters(filters);
    // A name typed without an extension gets the one of the chosen type.
    static const char* const suffixes[] = {"fzx", "asm", "chr", "udg"};
    // The dialog names a filter by the text it shows, the details hidden.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
        for (qsizetype i = 0; i < filters.size(); ++i)
            if (!f.isEmpty() && filters[i].startsWith(f))
                dialog.setDefaultSuffix(QString::fromLatin1(suffixes[i]));
    });
    const qsizetype preselected = chr ? 2 : 0;
    dialog.selectNameFilter(filters.value(preselected));
    dialog.setDefaultSuffix(QString::fromLatin1(suffixes[preselected]));
    const QString name = FDocument->SuggestedName();
    if (!name.isEmpty()) dialog.selectFile(name + '.' + QString::fromLatin1(suffixes[preselected]));
}

void Tmainform::SaveAsChosen(const QString& name) {
    if (name.isEmpty()) return;
    Written(this, [&] { return FDocument->SaveAs(ToPath(name)); });
}

void Tmainform::ShowFileName() {
    const QString name = FDocument->FileName();
    if (name != FPathLabel->toolTip()) ShowPath(FPathLabel, name);
}

void Tmainform::FillRecentFilesMenu() {
    FLastUsedMenu->clear();
    const QFontMetrics metrics(FLastUsedMenu->font());
    for (const std::string& entry : FDocument->Recent().Entries()) {
        const QString path = FromPath(entry);
        QString caption = Shortened(path, metrics, 240);
        caption.replace('&', QStringLiteral("&&"));
        QAction* item = FLastUsedMenu->addAction(caption);
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, entry] {
            if (QFileInfo::exists(FromPath(entry))) OpenFontPath(entry);
        });
    }
    FLastUsedMenu->addSeparator();
    QAction* clear = FLastUsedMenu->addAction(QStringLiteral("&Clear last used files list"));
    clear->setObjectName(QStringLiteral("ClearLastUsedFilesItem"));
    connect(clear, &QAction::triggered, this, [this] { FDocument->Recent().Clear(); });
}

std::string Tmainform::ReadCommandLineFile() const {
#ifdef _WIN32
    const bool windowsRules = true;
#else
    const bool windowsRules = false;
#endif
    return ::ReadCommandLineFile(FArguments, windowsRules);
}
