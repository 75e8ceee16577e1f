#include "desktopimportdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "dialogbuttons.h"
#include "formatfiles.h"
#include "platform/qtraster.h"
#include "render/previewstrip.h"
#include "render/textlayout.h"

namespace {

constexpr int kPreviewWidth = 560;
constexpr int kFirstSize = 16;
constexpr int kSampleRows = 3;
constexpr int kCharactersHeight = 260;

// Small sizes are zoomed so they read: up to 24 screen pixels a line.
int PreviewZoom(const TFZXFont& font) {
    return std::clamp(24 / std::max(font.Height(), 1), 1, 4);
}

} // namespace

TDesktopImportDialog::TDesktopImportDialog(const std::vector<std::uint8_t>& bytes,
                                           const TDesktopFace& face, const TImportOptions& options,
                                           const TStringList& lines, const QString& fileName,
                                           QWidget* parent)
    : QDialog(parent), FBytes(bytes), FFace(face), FBase(options), FLines(lines) {
    setObjectName("DesktopImportDialog");
    setWindowTitle(QStringLiteral("Import font - ") + QFileInfo(fileName).fileName());

    auto* form = new QFormLayout;
    const QString name = QString::fromStdString(face.Family + " " + face.Style).trimmed();
    form->addRow(QStringLiteral("Face:"), new QLabel(name, this));
    if (face.Scalable) {
        SizeEdit = new QSpinBox(this);
        SizeEdit->setObjectName("SizeEdit");
        SizeEdit->setRange(kMinPixelSize, kMaxPixelSize);
        SizeEdit->setSuffix(QStringLiteral(" pixels"));
        SizeEdit->setValue(options.PixelSize.value_or(kFirstSize));
        auto* label = new QLabel(QStringLiteral("Pixel &size:"), this);
        label->setBuddy(SizeEdit);
        form->addRow(label, SizeEdit);
        HintingCheck =
            new QCheckBox(QStringLiteral("&Hinting (for ordinary faces at small sizes)"), this);
        HintingCheck->setObjectName("HintingCheck");
        HintingCheck->setChecked(options.Hinting);
        form->addRow(HintingCheck);
        connect(SizeEdit, &QSpinBox::valueChanged, this, &TDesktopImportDialog::OptionsChanged);
        connect(HintingCheck, &QCheckBox::toggled, this, &TDesktopImportDialog::OptionsChanged);
    } else {
        StrikeBox = new QComboBox(this);
        StrikeBox->setObjectName("StrikeBox");
        for (const int size : face.Strikes)
            StrikeBox->addItem(QStringLiteral("%1 pixels").arg(size), size);
        auto* label = new QLabel(QStringLiteral("&Strike:"), this);
        label->setBuddy(StrikeBox);
        form->addRow(label, StrikeBox);
        connect(StrikeBox, &QComboBox::currentIndexChanged, this,
                &TDesktopImportDialog::OptionsChanged);
    }

    auto preview = [this](const QString& title, const char* object, QLabel*& label) {
        auto* box = new QGroupBox(title, this);
        label = new QLabel(box);
        label->setObjectName(QString::fromUtf8(object));
        label->setMinimumSize(kPreviewWidth, 40);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        (new QVBoxLayout(box))->addWidget(label);
        return box;
    };
    QGroupBox* sample = preview(QStringLiteral("Sample text"), "SampleLabel", SampleLabel);
    QGroupBox* first = preview(QStringLiteral("Characters"), "CharactersLabel", CharactersLabel);
    // Every character of the range shows, in as many rows as it takes; a
    // large size scrolls instead of growing the dialog past the screen.
    auto* scroller = new QScrollArea(first);
    scroller->setObjectName("CharactersPanel");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setMinimumSize(kPreviewWidth + 24, 60);
    scroller->setMaximumHeight(kCharactersHeight);
    first->layout()->removeWidget(CharactersLabel);
    scroller->setWidget(CharactersLabel);
    first->layout()->addWidget(scroller);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    const TDialogButtons buttons = MakeDialogButtons(this, QStringLiteral("Import"));
    OKButton = buttons.OK;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sample);
    layout->addWidget(first);
    layout->addWidget(StatusLabel);
    layout->addStretch(1);
    layout->addLayout(buttons.Row);
    OptionsChanged();
}

TImportOptions TDesktopImportDialog::Options() const {
    TImportOptions o = FBase;
    if (SizeEdit) {
        o.PixelSize = SizeEdit->value();
        o.Hinting = HintingCheck->isChecked();
    } else if (StrikeBox->currentIndex() >= 0) {
        o.PixelSize = StrikeBox->currentData().toInt();
    }
    return o;
}

void TDesktopImportDialog::OptionsChanged() {
    TImportReport report;
    const std::string error = ImportDesktopFont(FPreview, FBytes, Options(), report);
    if (!error.empty()) FPreview.Clear();
    OKButton->setEnabled(error.empty());
    QString status;
    if (error.empty()) {
        status = QStringLiteral("Height %1, codes 32 to %2.")
                     .arg(FPreview.Height())
                     .arg(FPreview.LastChar());
        QStringList notes;
        for (const std::string& line : report.Lines)
            notes << QString::fromStdString(line);
        if (!notes.isEmpty()) status += QLatin1Char(' ') + notes.join(QStringLiteral("; ")) + '.';
    } else {
        status = QString::fromStdString(error);
    }
    StatusLabel->setText(status);
    const TStringList sampleLines(
        FLines.begin(), FLines.begin() + std::min<std::size_t>(FLines.size(), kSampleRows));
    SampleLabel->setPixmap(QPixmap::fromImage(Preview(sampleLines, kPreviewWidth)));
    CharactersLabel->setPixmap(QPixmap::fromImage(CharactersPreview(kPreviewWidth)));
}

QImage TDesktopImportDialog::CharactersPreview(int width) {
    // The range wrapped at characters, as the print routine sets text, so
    // the last rows (lower case, Latin-1) show too.
    if (FPreview.Count() == 0) return QImage();
    const int zoom = PreviewZoom(FPreview);
    TTextFrame frame;
    frame.Right = width;
    frame.Bottom = std::numeric_limits<int>::max() / 2;
    frame.Zoom = zoom;
    frame.Wrap = TWrapMode::Characters;
    const std::vector<TTextPlacement> placed =
        LayOutText(FPreview, SampleCodes(FPreview, TStringList()), frame);
    int bottom = 0;
    for (const TTextPlacement& p : placed)
        bottom = std::max(bottom, p.Y + FPreview.Height() * zoom);
    TRaster raster(width, std::max(bottom, 1), clWhite);
    PaintText(FPreview, raster, placed, zoom);
    return RasterImage(raster).copy();
}

QImage TDesktopImportDialog::Preview(const TStringList& lines, int width) {
    // The strip's own painting (its one text layout), zoomed so small sizes
    // read; an empty list gives the font's codes in order.
    if (FPreview.Count() == 0) return QImage();
    const int height = std::max(FPreview.Height(), 1);
    const int zoom = PreviewZoom(FPreview);
    const int rows = std::max<int>(1, static_cast<int>(lines.size()));
    TRaster raster(width, std::min(rows * height * zoom, 4 * kMaxPixelSize));
    PaintPreviewStrip(FPreview, raster, &lines, zoom, false, clWhite);
    return RasterImage(raster).copy();
}

bool ImportDesktopFontAsked(QWidget* parent, const QString& path, const TImportOptions& options,
                            const TStringList& lines, TFZXFont& font, TImportReport& report,
                            std::string& error) {
    const std::string file = QFile::encodeName(path).toStdString();
    std::vector<std::uint8_t> bytes;
    error = ReadDesktopFontFile(file, bytes);
    TDesktopFace face;
    if (error.empty()) {
        error = DescribeDesktopFont(bytes, options.Face, face);
        if (!error.empty()) error = "\"" + file + "\": " + error;
    }
    if (!error.empty()) return true;
    TImportOptions chosen = options;
    // A font of one strike and no outlines has nothing to choose.
    if (face.Scalable || face.Strikes.size() > 1) {
        TDesktopImportDialog dialog(bytes, face, options, lines, path, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        chosen = dialog.Options();
    }
    error = ImportDesktopFont(font, bytes, chosen, report);
    if (!error.empty()) error = "\"" + file + "\": " + error;
    return true;
}
