// File > Import... and File > Export... as the window asks for them: fonts of
// the formats table, read by the document as a new untitled font or written
// beside the font's own file; drops of such files come here too. Picture
// sheets and desktop fonts are read here, through their dialogs, and handed
// to the document.

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QStringList>
#include <cstring>

#include "dialogs/desktopimportdialog.h"
#include "dialogs/exportoptionsdialog.h"
#include "dialogs/previewdialog.h"
#include "dialogs/sheetimportdialog.h"
#include "formatfiles.h"
#include "formats/fileio.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "platform/filedialogfilters.h"
#include "platform/filepath.h"
#include "pngcodec.h"

namespace {

// Picture kinds the toolkit reads that the formats table does not list.
QStringList ToolkitPictureSuffixes() {
    QStringList suffixes;
    for (const QByteArray& kind : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(kind).toLower();
        if (!FindFontFormat(("x." + suffix).toStdString())) suffixes << suffix;
    }
    return suffixes;
}

bool IsToolkitPicture(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return !suffix.isEmpty() && ToolkitPictureSuffixes().contains(suffix);
}

// The picture with its alpha as a raster, through the toolkit, with the
// limits the codec sets for PNG.
std::string ReadToolkitPicture(const QString& path, TRaster& picture) {
    const QString named = "\"" + path + "\": ";
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return (named + "not a regular file").toStdString();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() &&
        (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
         static_cast<std::size_t>(size.width()) * size.height() * 4 > kMaxPictureBytes))
        return (named + "the picture is too large").toStdString();
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return (named + reader.errorString()).toStdString();
    picture = TRaster(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(picture.Bits() + static_cast<std::size_t>(y) * image.width(),
                    image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4);
    return "";
}

// Every readable row of the table, the toolkit's other pictures, and first
// all of them together, chosen at the start.
QStringList ImportFilters() {
    std::vector<TFileFilterRow> rows = FormatFilterRows(false, fgOther);
    QStringList filters;
    for (const TFileFilterRow& row : rows)
        filters << FileFilter(row);
    TFileFilterRow pictures{QStringLiteral("Other pictures as sheets"), {}};
    for (const QString& suffix : ToolkitPictureSuffixes())
        pictures.Extensions << "." + suffix;
    if (!pictures.Extensions.isEmpty()) {
        // An empty pattern list would show every file.
        filters << CombinedFileFilter(pictures.Description, {pictures});
        rows.push_back(pictures);
    }
    filters.prepend(CombinedFileFilter(QStringLiteral("All fonts that can be imported"), rows));
    return filters;
}

} // namespace

bool Tmainform::CanImport(const QString& path) const {
    return FindFontFormat(ToPath(path), fgOther) || IsToolkitPicture(path);
}

void Tmainform::ConnectImportCommands() {
    FRefresh.ZxCharset->setCheckable(true);
    connect(Action("ImportAction"), &QAction::triggered, this, &Tmainform::ImportActionExecute);
    connect(Action("ExportAction"), &QAction::triggered, this, &Tmainform::ExportActionExecute);
}

void Tmainform::ImportActionExecute() {
    // The changed-file question comes first, before a file is chosen.
    if (!QuerySaveChanges()) return;
    QFileDialog dialog(this, QStringLiteral("Import"));
    dialog.setObjectName("ImportDialog");
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = ImportFilters();
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ImportAsked(dialog.selectedFiles().first());
}

void Tmainform::ImportFont(const QString& path) {
    if (QuerySaveChanges()) ImportAsked(path);
}

void Tmainform::ImportAsked(const QString& path) {
    const std::string file = ToPath(path);
    const TFontFormat* format = FindFontFormat(file, fgOther);
    const bool toolkitPicture = !format && IsToolkitPicture(path);
    if (!format && !toolkitPicture) {
        ShowMessageBox(this,
                       QStringLiteral("\"%1\": not a font format that can be imported").arg(path));
        return;
    }
    TImportOptions options;
    options.ZxCharset = FRefresh.ZxCharset->isChecked();
    TImportReport report;
    std::string error;
    try {
        if (toolkitPicture || format->Picture || format->Desktop) {
            // Read through the dialog that asks for the layout or the size.
            TFZXFont read;
            if (!format || format->Picture) {
                TRaster picture;
                error = toolkitPicture ? ReadToolkitPicture(path, picture)
                                       : ReadSheetPicture(file, picture);
                if (error.empty()) {
                    TSheetImportDialog dialog(picture, path, this);
                    if (dialog.exec() != QDialog::Accepted) return;
                    error = ImportSheetPicture(read, picture, dialog.Options(), report);
                }
            } else {
                const TStringList lines = FPreviewForm ? FPreviewForm->Lines() : TStringList();
                if (!ImportDesktopFontAsked(this, path, options, lines, read, report, error))
                    return;
            }
            // A new font without a file: saving asks for a name, closing asks first.
            if (error.empty())
                error = EnterFont([&](int current) {
                    FDocument->Enter(read, std::string(), current, file);
                    return std::string();
                });
        } else {
            error = EnterFont(
                [&](int current) { return FDocument->Import(file, options, report, current); });
        }
    } catch (const TFileError& e) {
        ShowErrorBox(this, FromPath(e.what()));
        return;
    }
    // A failed import leaves the font, its file and its state as they were.
    if (!error.empty()) {
        ShowMessageBox(this, FromPath(error));
        return;
    }
    if (!report.Lines.empty()) {
        QString text = QStringLiteral("Imported from %1:").arg(path);
        for (const std::string& line : report.Lines)
            text += "\n" + QString::fromStdString(line);
        ShowMessageBox(this, text);
    }
}

void Tmainform::ExportActionExecute() {
    QFileDialog dialog(this, QStringLiteral("Export"));
    dialog.setObjectName("ExportDialog");
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const std::vector<TFileFilterRow> rows = FormatFilterRows(true, fgOther);
    QStringList filters;
    for (const TFileFilterRow& row : rows)
        filters << FileFilter(row);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().first();
    // A name without a known extension gets the chosen filter's.
    if (!FindFontFormat(ToPath(path), fgOther)) {
        const int chosen = filters.indexOf(dialog.selectedNameFilter());
        path += rows[std::max(chosen, 0)].Extensions.front();
    }
    ExportFont(path);
}

void Tmainform::ExportFont(const QString& path) {
    const std::string file = ToPath(path);
    const TFontFormat* format = FindFontFormat(file, fgOther);
    if (!format) {
        ShowMessageBox(this,
                       QStringLiteral("\"%1\": not a font format that can be exported").arg(path));
        return;
    }
    FExportOptions.ZxCharset = FRefresh.ZxCharset->isChecked();
    TExportOptionsDialog options(*format, FExportOptions, this);
    if (options.exec() != QDialog::Accepted) return;
    FExportOptions = options.Options();
    if (!format->Picture) FRefresh.ZxCharset->setChecked(FExportOptions.ZxCharset);
    std::string error;
    try {
        error = FDocument->Export(file, FExportOptions);
    } catch (const TFileError& e) {
        ShowErrorBox(this, FromPath(e.what()));
        return;
    }
    if (!error.empty()) ShowMessageBox(this, FromPath(error));
}
