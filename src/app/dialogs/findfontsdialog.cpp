#include "dialogs/findfontsdialog.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogbuttons.h"
#include "finder/fontfinder.h"
#include "formats/fileio.h"
#include "spectrumcontainer.h"
#include "widgets/foundfontslist.h"

TFindFontsDialog::TFindFontsDialog(const QString& path, QWidget* parent)
    : QDialog(parent), FName(QFileInfo(path).fileName()), FResult(std::make_unique<TResult>()) {
    setObjectName("FindFontsDialog");
    setWindowTitle(QStringLiteral("Find fonts - ") + FName);
    ScanProgress = new QProgressBar(this);
    ScanProgress->setObjectName("ScanProgress");
    ScanProgress->setRange(0, 1000);
    FoundFontsList = new TFoundFontsList(this);
    FoundFontsList->setMinimumSize(640, 320);
    StatusLabel = new QLabel(QStringLiteral("Looking into %1 ...").arg(FName), this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    const TDialogButtons buttons = MakeDialogButtons(this, QStringLiteral("Import"));
    OKButton = buttons.OK;
    OKButton->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScanProgress);
    layout->addWidget(FoundFontsList, 1);
    layout->addWidget(StatusLabel);
    layout->addLayout(buttons.Row);
    connect(FoundFontsList, &QListWidget::itemSelectionChanged, this,
            [this] { OKButton->setEnabled(FoundFontsList->Chosen() >= 0); });
    connect(FoundFontsList, &QListWidget::itemDoubleClicked, this, [this] {
        if (FoundFontsList->Chosen() >= 0) accept();
    });

    // The worker owns nothing of the window: it fills FResult, which the
    // dialog reads only after the thread ended.
    const std::string file = QFile::encodeName(path).toStdString();
    TResult* result = FResult.get();
    FWorker = QThread::create([this, file, result] {
        try {
            result->Error = ReadSpectrumFile(file, result->Areas);
        } catch (const TFileError& e) {
            result->Error = e.what();
        }
        if (!result->Error.empty()) return;
        result->Found = FindFonts(result->Areas, [this](std::size_t done, std::size_t total) {
            const int permille = total ? static_cast<int>(done * 1000 / total) : 1000;
            QMetaObject::invokeMethod(
                this, [this, permille] { Progress(permille); }, Qt::QueuedConnection);
            return !FCancel.load();
        });
    });
    connect(FWorker, &QThread::finished, this, &TFindFontsDialog::Done, Qt::QueuedConnection);
    FWorker->start();
}

TFindFontsDialog::~TFindFontsDialog() {
    if (FWorker) {
        FCancel = true;
        FWorker->wait();
        delete FWorker;
    }
}

void TFindFontsDialog::Progress(int permille) {
    ScanProgress->setValue(permille);
}

void TFindFontsDialog::Done() {
    if (!FWorker) return;
    FWorker->wait();
    delete FWorker;
    FWorker = nullptr;
    ScanProgress->setValue(ScanProgress->maximum());
    if (!FResult->Error.empty()) {
        StatusLabel->setText(QString::fromStdString(FResult->Error));
    } else {
        FoundFontsList->Show(FResult->Areas, FResult->Found);
        const int n = static_cast<int>(FResult->Found.size());
        StatusLabel->setText(
            n == 0   ? QStringLiteral("No fonts found in %1.").arg(FName)
            : n == 1 ? QStringLiteral("1 font found in %1.").arg(FName)
                     : QStringLiteral("%1 fonts found in %2, best first.").arg(n).arg(FName));
    }
    OKButton->setEnabled(FoundFontsList->Chosen() >= 0);
    emit scanned();
}

std::string TFindFontsDialog::ReadChosen(TFZXFont& font) const {
    const int chosen = FoundFontsList->Chosen();
    if (Scanning() || chosen < 0) return "No font chosen.";
    return ReadFoundFont(font, FResult->Areas, FResult->Found[static_cast<std::size_t>(chosen)]);
}
