#include "sheetimportdialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogbuttons.h"
#include "formats/sheet.h"
#include "formats/sheetguess.h"
#include "text/textrows.h"

namespace {

constexpr int kViewWidth = 520, kViewHeight = 360;
constexpr int kPreviewWidth = 520, kPreviewCharacters = 64;

// The raster's pixels with their alpha, over white where transparent.
QImage SheetImage(const TRaster& picture) {
    if (picture.Empty()) return QImage();
    QImage image(reinterpret_cast<const uchar*>(picture.Bits()), picture.Width(), picture.Height(),
                 picture.BytesPerLine(), QImage::Format_ARGB32);
    QImage shown(image.size(), QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    painter.drawImage(0, 0, image);
    return shown;
}

QSpinBox* SpinBox(QWidget* parent, const char* name, int low, int high) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setRange(low, high);
    box->setKeyboardTracking(true);
    return box;
}

} // namespace

TSheetView::TSheetView(const TRaster& picture, QWidget* parent)
    : QWidget(parent), FImage(SheetImage(picture)) {
    setObjectName("SheetView");
    // The largest whole zoom, 1 to 8, that shows the sheet in twice the
    // view's size: small cells grow readable, the rest scrolls.
    if (!FImage.isNull())
        FZoom = std::clamp(
            std::min(2 * kViewWidth / FImage.width(), 2 * kViewHeight / FImage.height()), 1, 8);
    setFixedSize(sizeHint());
}

QSize TSheetView::sizeHint() const {
    return FImage.isNull() ? QSize(1, 1) : FImage.size() * FZoom;
}

void TSheetView::SetOptions(const TImportOptions& options) {
    FOptions = options;
    update();
}

void TSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (FImage.isNull()) return;
    painter.drawImage(QRect(QPoint(0, 0), FImage.size() * FZoom), FImage);
    TSheetGrid grid;
    if (!SheetGridOf(FImage.width(), FImage.height(), FOptions, grid).empty()) return;
    const QColor line(220, 0, 0, 170), outside(128, 128, 128, 110);
    painter.setPen(line);
    for (int cell = 0; cell < grid.Cells(); ++cell) {
        const QRect r(grid.Left(cell) * FZoom, grid.Top(cell) * FZoom, grid.CellWidth * FZoom,
                      grid.CellHeight * FZoom);
        const int code = FOptions.FirstCode + cell;
        if (code < 32 || code > 255) painter.fillRect(r, outside);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

TSheetImportDialog::TSheetImportDialog(const TRaster& picture, const QString& fileName,
                                       QWidget* parent)
    : QDialog(parent), FPicture(picture) {
    setObjectName("SheetImportDialog");
    setWindowTitle(QStringLiteral("Import picture sheet - ") + QFileInfo(fileName).fileName());

    CellWidthEdit = SpinBox(this, "CellWidthEdit", 1, 255);
    CellHeightEdit = SpinBox(this, "CellHeightEdit", 1, 255);
    FirstCodeEdit = SpinBox(this, "FirstCodeEdit", 0, 255);
    ColumnsEdit = SpinBox(this, "ColumnsEdit", 1, 256);
    GapXEdit = SpinBox(this, "GapXEdit", 0, 1024);
    GapYEdit = SpinBox(this, "GapYEdit", 0, 1024);
    MarginXEdit = SpinBox(this, "MarginXEdit", 0, 4096);
    MarginYEdit = SpinBox(this, "MarginYEdit", 0, 4096);
    SpacingEdit = SpinBox(this, "SpacingEdit", 0, 16);
    FitWidthCheck = new QCheckBox(QStringLiteral("&Fit widths to the ink, plus"), this);
    FitWidthCheck->setObjectName("FitWidthCheck");
    // Light ink on dark paper is found by itself; this swaps what was found.
    InvertCheck = new QCheckBox(QStringLiteral("In&vert: swap ink and paper"), this);
    InvertCheck->setObjectName("InvertCheck");

    auto pair = [this](QSpinBox* a, QSpinBox* b) {
        auto* row = new QHBoxLayout;
        row->addWidget(a);
        row->addWidget(new QLabel(QStringLiteral("x"), this));
        row->addWidget(b);
        return row;
    };
    // Labels of rows holding two editors lead to the first of them.
    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* form = new QFormLayout;
    form->addRow(label("&Cell size:", CellWidthEdit), pair(CellWidthEdit, CellHeightEdit));
    form->addRow(label("First c&ode:", FirstCodeEdit), FirstCodeEdit);
    form->addRow(label("Co&lumns:", ColumnsEdit), ColumnsEdit);
    form->addRow(label("&Gaps:", GapXEdit), pair(GapXEdit, GapYEdit));
    form->addRow(label("&Margins:", MarginXEdit), pair(MarginXEdit, MarginYEdit));
    auto* fit = new QHBoxLayout;
    fit->addWidget(FitWidthCheck);
    fit->addWidget(SpacingEdit);
    fit->addWidget(new QLabel(QStringLiteral("pixels"), this));
    fit->addStretch(1);
    form->addRow(fit);
    form->addRow(InvertCheck);

    SheetView = new TSheetView(picture, this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("SheetScrollArea");
    scroll->setWidget(SheetView);
    scroll->setMinimumSize(std::min(SheetView->width(), kViewWidth) + 4,
                           std::min(SheetView->height(), kViewHeight) + 4);
    scroll->setAlignment(Qt::AlignCenter);

    PreviewLabel = new QLabel(this);
    PreviewLabel->setObjectName("PreviewLabel");
    PreviewLabel->setMinimumHeight(60);
    PreviewLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    GuessLabel = new QLabel(this);
    GuessLabel->setObjectName("GuessLabel");
    GuessLabel->setWordWrap(true);

    const TDialogButtons buttons = MakeDialogButtons(this, QStringLiteral("Import"));
    OKButton = buttons.OK;

    auto* top = new QHBoxLayout;
    top->addWidget(scroll, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(GuessLabel);
    side->addStretch(1);
    top->addLayout(side);
    auto* preview = new QGroupBox(QStringLiteral("First characters"), this);
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->addWidget(PreviewLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(preview);
    layout->addWidget(StatusLabel);
    layout->addLayout(buttons.Row);

    const TSheetGuess guess = GuessSheetGrid(picture);
    SetOptions(guess.Options);
    QString found = guess.Confident
                        ? QStringLiteral("Grid found: %1.")
                              .arg(QString::fromStdString(SheetGridText(guess.Options).substr(6)))
                        : QStringLiteral("Not sure of the grid. %1 The grid shown is a guess; "
                                         "check it against the picture.")
                              .arg(QString::fromStdString(guess.Doubt));
    if (guess.LightOnDark) found += QStringLiteral(" Light ink on dark paper.");
    GuessLabel->setText(found);
    for (QSpinBox* box : {CellWidthEdit, CellHeightEdit, FirstCodeEdit, ColumnsEdit, GapXEdit,
                          GapYEdit, MarginXEdit, MarginYEdit, SpacingEdit})
        connect(box, &QSpinBox::valueChanged, this, [this, box] { Typed(box); });
    for (QSpinBox* box : {CellWidthEdit, GapXEdit, MarginXEdit})
        connect(box, &QSpinBox::valueChanged, this, &TSheetImportDialog::ColumnsFollow);
    for (QSpinBox* box : {CellWidthEdit, CellHeightEdit, FirstCodeEdit, ColumnsEdit, GapXEdit,
                          GapYEdit, MarginXEdit, MarginYEdit, SpacingEdit})
        connect(box, &QSpinBox::valueChanged, this, &TSheetImportDialog::OptionsChanged);
    connect(FitWidthCheck, &QCheckBox::toggled, this, &TSheetImportDialog::OptionsChanged);
    connect(InvertCheck, &QCheckBox::toggled, this, &TSheetImportDialog::OptionsChanged);
}

TImportOptions TSheetImportDialog::Options() const {
    TImportOptions o;
    o.CellWidth = CellWidthEdit->value();
    o.CellHeight = CellHeightEdit->value();
    o.FirstCode = FirstCodeEdit->value();
    o.Columns = ColumnsEdit->value();
    o.GapX = GapXEdit->value();
    o.GapY = GapYEdit->value();
    o.MarginX = MarginXEdit->value();
    o.MarginY = MarginYEdit->value();
    o.FitWidth = FitWidthCheck->isChecked();
    o.Spacing = SpacingEdit->value();
    o.Invert = InvertCheck->isChecked();
    return o;
}

void TSheetImportDialog::SetOptions(const TImportOptions& o) {
    FSetting = true;
    CellWidthEdit->setValue(o.CellWidth);
    CellHeightEdit->setValue(o.CellHeight);
    FirstCodeEdit->setValue(o.FirstCode);
    ColumnsEdit->setValue(o.Columns);
    GapXEdit->setValue(o.GapX);
    GapYEdit->setValue(o.GapY);
    MarginXEdit->setValue(o.MarginX);
    MarginYEdit->setValue(o.MarginY);
    FitWidthCheck->setChecked(o.FitWidth);
    SpacingEdit->setValue(o.Spacing);
    InvertCheck->setChecked(o.Invert);
    FSetting = false;
    OptionsChanged();
}

void TSheetImportDialog::Typed(QSpinBox* box) {
    if (!FSetting) FTyped.insert(box);
}

void TSheetImportDialog::ColumnsFollow() {
    if (FSetting || FTyped.contains(ColumnsEdit)) return;
    // Set quietly: the cell editor's own change refreshes the preview.
    const QSignalBlocker blocker(ColumnsEdit);
    ColumnsEdit->setValue(SheetColumnsFitting(FPicture, Options()));
}

void TSheetImportDialog::OptionsChanged() {
    if (FSetting) return;
    const TImportOptions o = Options();
    SpacingEdit->setEnabled(o.FitWidth);
    SheetView->SetOptions(o);
    TImportReport report;
    const std::string error = ReadSheet(FPreview, FPicture, o, report);
    if (!error.empty()) FPreview.Clear();
    OKButton->setEnabled(error.empty());
    QString status;
    if (error.empty()) {
        const int first = std::max(32, o.FirstCode);
        status = QStringLiteral("%1 characters, codes %2 to %3.")
                     .arg(FPreview.LastChar() - first + 1)
                     .arg(first)
                     .arg(FPreview.LastChar());
        for (const std::string& line : report.Lines)
            status += QLatin1Char(' ') + QString::fromStdString(line);
    } else {
        status = QString::fromStdString(error);
    }
    StatusLabel->setText(status);
    PreviewLabel->setPixmap(QPixmap::fromImage(PreviewImage()));
}

QImage TSheetImportDialog::PreviewImage() const {
    // Characters from the first cell's code on, each on a pale box as wide
    // as the character, so fitted widths show; wrapped into two lines.
    const TFZXFont& font = FPreview;
    if (font.Count() == 0) return QImage();
    const int height = std::max(font.Height(), 1);
    const int zoom = std::clamp(24 / height, 1, 4);
    const int lineHeight = height * zoom + 4;
    QImage image(kPreviewWidth, 2 * lineHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    int x = 2, y = 2, shown = 0;
    TStringList rows;
    for (int code = std::max(32, FirstCodeEdit->value());
         code <= font.LastChar() && shown < kPreviewCharacters; ++code, ++shown) {
        const TFZXChar& g = font.Glyph(code - 32);
        const int w = std::max(g.Width(), 1) * zoom;
        if (x + w > kPreviewWidth - 2) {
            if (y + lineHeight >= image.height()) break;
            x = 2;
            y += lineHeight;
        }
        painter.fillRect(x, y, w, height * zoom, QColor(255, 244, 200));
        SplitText(rows, g.Rows(), '|');
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < g.Width() && c < static_cast<int>(rows[r].size()); ++c)
                if (rows[r][static_cast<std::size_t>(c)] == '1')
                    painter.fillRect(x + c * zoom, y + (g.Leading() + r) * zoom, zoom, zoom,
                                     Qt::black);
        x += w + 2;
    }
    return image;
}
