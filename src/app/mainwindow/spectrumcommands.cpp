#include "mainwindow/spectrumcommands.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QSignalBlocker>
#include <QStatusBar>

#include "dialogs/previewdialog.h"
#include "formats/fileio.h"
#include "mainwindow/mainform.h"
#include "platform/application.h"
#include "platform/filedialogfilters.h"
#include "render/textlayout.h"
#include "spectrum/emulatorlaunch.h"
#include "spectrum/spectrumfiles.h"
#include "spectrum/spectrumscreendock.h"

namespace {

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

TEmulatorLaunch Emulator() {
    return FindEmulator(qEnvironmentVariable("PATH").toStdString(), [](const std::string& path) {
        return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).isFile();
    });
}

constexpr int kDoneMessageTime = 10000; // ms

// The print routine as a choice of its own under the file type: 0 the fast
// routine, 1 the compact one.
QComboBox* AddRoutineChoice(QFileDialog& dialog) {
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QStringLiteral("SpectrumRoutineBox"));
    box->addItem(QStringLiteral("Fast, breaks lines at words too"));
    box->addItem(QStringLiteral("Compact, a fifth of the size, for programs short of memory"));
    auto* label = new QLabel(QStringLiteral("Print &routine:"), &dialog);
    label->setBuddy(box);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    } else if (dialog.layout()) {
        dialog.layout()->addWidget(label);
        dialog.layout()->addWidget(box);
    }
    return box;
}

} // namespace

TSpectrumCommands::TSpectrumCommands(Tmainform& window) : QObject(&window), FWindow(window) {
    connect(window.Action("SpectrumExportAction"), &QAction::triggered, this,
            &TSpectrumCommands::ExportActionExecute);
    connect(window.Action("RunInEmulatorAction"), &QAction::triggered, this,
            &TSpectrumCommands::RunInEmulatorExecute);
    UpdateEmulatorAction();
}

void TSpectrumCommands::UpdateEmulatorAction() {
    QAction* run = FWindow.Action("RunInEmulatorAction");
    const TEmulatorLaunch launch = Emulator();
    run->setEnabled(launch.Found());
    if (!launch.Found()) {
        const QString hint = QStringLiteral("Run in emulator ") + QString::fromUtf8(launch.Hint);
        run->setStatusTip(hint);
        run->setToolTip(hint);
    }
}

std::string TSpectrumCommands::SampleText() const {
    TStringList lines;
    if (const Ttestpreviewform* preview = FWindow.PreviewForm()) lines = preview->Lines();
    return SampleCodes(FWindow.Font(), lines);
}

bool TSpectrumCommands::ExportTo(const QString& path, TPrintRoutine routine) {
    // Colours and position as the Spectrum screen view shows them.
    TSpectrumOptions options = FWindow.SpectrumScreenDock()->Options();
    options.Text = SampleText();
    options.Routine = routine;
    std::string error;
    try {
        error = FWindow.Document().ExportForSpectrum(ToPath(path), options);
    } catch (const TFileError& e) {
        ShowErrorBox(&FWindow, QFile::decodeName(QByteArray(e.what())));
        return false;
    }
    if (!error.empty()) {
        ShowMessageBox(&FWindow, QString::fromStdString(error));
        return false;
    }
    // Written; what does not show on the screen is said, not dropped silently.
    QStringList warnings;
    for (const std::string& w : SpectrumWarnings(FWindow.Font(), options))
        warnings << QString::fromStdString(w);
    if (!warnings.isEmpty())
        FWindow.statusBar()->showMessage(warnings.join(QStringLiteral("; ")));
    else
        FWindow.statusBar()->showMessage(
            QStringLiteral("Exported for the Spectrum: %1").arg(QFileInfo(path).fileName()),
            kDoneMessageTime);
    return true;
}

void TSpectrumCommands::ExportActionExecute() {
    QFileDialog dialog(&FWindow, QStringLiteral("Export for Spectrum"));
    dialog.setObjectName(QStringLiteral("SpectrumExportDialog"));
    // The toolkit's own dialog, which can show the choice of print routine.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tap"));
    // The program's three types again with the compact print routine, for
    // programs short of memory.
    const QString compact = QStringLiteral(", compact routine");
    const TFileFilterRow tape{QStringLiteral("ZX Spectrum tape"), {QStringLiteral(".tap")}};
    const TFileFilterRow snapshot{QStringLiteral("ZX Spectrum 48K snapshot"),
                                  {QStringLiteral(".z80")}};
    const TFileFilterRow source{QStringLiteral("Z80 assembler source"), {QStringLiteral(".asm")}};
    const TFileFilterRow screen{QStringLiteral("ZX Spectrum screen"), {QStringLiteral(".scr")}};
    QStringList filters;
    for (const TFileFilterRow& row : {tape, snapshot, source, screen})
        filters << FileFilter(row);
    for (TFileFilterRow row : {tape, snapshot, source}) {
        row.Description += compact;
        filters << FileFilter(row);
    }
    dialog.setNameFilters(filters);
    const QString folder = FWindow.Document().DialogFolder();
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    const QString name = FWindow.Document().SuggestedName();
    if (!name.isEmpty()) dialog.selectFile(name + QStringLiteral(".tap"));
    QComboBox* routine = AddRoutineChoice(dialog);
    // Routine and type stay in step: the type list holds the routine too.
    const auto typeOf = [](const QString& filter) {
        return filter.section(QStringLiteral(" ("), 0, 0).section(QLatin1Char(','), 0, 0);
    };
    connect(routine, &QComboBox::currentIndexChanged, &dialog, [&dialog, routine, compact, typeOf] {
        const QString type = typeOf(dialog.selectedNameFilter());
        const bool wantCompact = routine->currentIndex() == 1;
        for (const QString& filter : dialog.nameFilters())
            if (typeOf(filter) == type && filter.contains(compact) == wantCompact)
                dialog.selectNameFilter(filter);
    });
    connect(&dialog, &QFileDialog::filterSelected, routine,
            [routine, compact, screen](const QString& filter) {
                const QSignalBlocker quiet(routine);
                routine->setCurrentIndex(filter.contains(compact) ? 1 : 0);
                // A screen holds no routine.
                routine->setEnabled(!filter.startsWith(screen.Description));
            });
    // The suffix, and the name's extension, follow the chosen type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const int star = filter.indexOf(QStringLiteral("*."));
        if (star < 0) return;
        const QString suffix = filter.mid(star + 2, 3);
        dialog.setDefaultSuffix(suffix);
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty()) return;
        const QFileInfo name(chosen.first());
        const QString old = name.suffix().toLower();
        if (old == "tap" || old == "z80" || old == "asm" || old == "scr")
            dialog.selectFile(name.completeBaseName() + '.' + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const bool small =
        dialog.selectedNameFilter().contains(compact) || routine->currentIndex() == 1;
    ExportTo(dialog.selectedFiles().first(), small ? TPrintRoutine::Compact : TPrintRoutine::Fast);
}

void TSpectrumCommands::RunInEmulatorExecute() {
    const TEmulatorLaunch launch = Emulator();
    if (!launch.Found()) {
        UpdateEmulatorAction();
        ShowMessageBox(&FWindow,
                       QStringLiteral("Run in emulator ") + QString::fromUtf8(launch.Hint));
        return;
    }
    if (!FSnapshots) FSnapshots = std::make_unique<QTemporaryDir>();
    if (!FSnapshots->isValid()) {
        ShowMessageBox(&FWindow,
                       QStringLiteral("Cannot create a temporary folder for the snapshot."));
        return;
    }
    const QString snapshot = FSnapshots->filePath(QStringLiteral("quorrel-%1.z80").arg(++FRuns));
    if (!ExportTo(snapshot)) return;
    QStringList arguments;
    for (const std::string& a : launch.Arguments)
        arguments << QString::fromStdString(a);
    arguments << snapshot;
    // Fuse reads a snapshot only at its start: the one started before makes
    // way for the new one, so a single emulator shows the latest text.
    StopEmulator();
    FFuse = std::make_unique<QProcess>();
    // Its own chatter stays out of the editor's terminal.
    FFuse->setStandardOutputFile(QProcess::nullDevice());
    FFuse->setStandardErrorFile(QProcess::nullDevice());
    FFuse->start(QString::fromStdString(launch.Program), arguments);
    if (!FFuse->waitForStarted()) {
        FFuse.reset();
        ShowMessageBox(&FWindow, QStringLiteral("Fuse could not be started: ") +
                                     QString::fromStdString(launch.Program));
    }
}

void TSpectrumCommands::StopEmulator() {
    if (!FFuse) return;
    if (FFuse->state() != QProcess::NotRunning) {
        FFuse->terminate();
        if (!FFuse->waitForFinished(3000)) {
            FFuse->kill();
            FFuse->waitForFinished(1000);
        }
    }
    FFuse.reset();
}

TSpectrumCommands::~TSpectrumCommands() {
    StopEmulator();
}
