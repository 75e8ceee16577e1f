#include "spectrum/spectrumscreendock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/safesettings.h"
#include "spectrum/spectrumscreen.h"
#include "spectrum/spectrumscreenview.h"

namespace {

QComboBox* ColourBox(const char* name, QWidget* parent) {
    static const char* const names[] = {"Black", "Blue", "Red",    "Magenta",
                                        "Green", "Cyan", "Yellow", "White"};
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int i = 0; i < 8; ++i) {
        QPixmap swatch(12, 12);
        swatch.fill(QColor::fromRgb(SpectrumColour(i)));
        box->addItem(QIcon(swatch), QString::fromLatin1(names[i]));
    }
    return box;
}

QSpinBox* PositionBox(const char* name, int maximum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, maximum);
    return box;
}

// The stored value when it lies in low..high, else the default.
int ReadInRange(const TSafeRegistry& reg, const char* name, int low, int high, int defaultValue) {
    const int value = ReadIntegerDefault(reg, QString::fromLatin1(name), defaultValue);
    return value >= low && value <= high ? value : defaultValue;
}

constexpr int kLeastWidth = 260;

} // namespace

TSpectrumScreenDock::TSpectrumScreenDock(QMainWindow& window, const TFZXFont& font, QAction* show,
                                         std::function<std::string()> text)
    : QDockWidget(QStringLiteral("Spectrum screen"), &window), FShow(show) {
    setObjectName("SpectrumScreenDock");
    auto* panel = new QWidget(this);
    auto* controls = new QGridLayout;
    FInk = ColourBox("SpectrumInkBox", panel);
    FPaper = ColourBox("SpectrumPaperBox", panel);
    FBorder = ColourBox("SpectrumBorderBox", panel);
    FBright = new QCheckBox(QStringLiteral("Bright"), panel);
    FBright->setObjectName("SpectrumBrightBox");
    FX = PositionBox("SpectrumXBox", TSpectrumScreen::Width - 1, panel);
    FY = PositionBox("SpectrumYBox", TSpectrumScreen::Height - 1, panel);
    FZoom = new QComboBox(panel);
    FZoom->setObjectName("SpectrumZoomBox");
    for (int z = 1; z <= 4; ++z)
        FZoom->addItem(QStringLiteral("%1x").arg(z));
    FGrid = new QCheckBox(QStringLiteral("8 x 8 grid"), panel);
    FGrid->setObjectName("SpectrumGridBox");
    FWords = new QCheckBox(QStringLiteral("Wrap at words"), panel);
    FWords->setObjectName("SpectrumWordsBox");
    FWords->setToolTip(QStringLiteral("Break lines between words, as --wrap words does"));
    const struct {
        const char* Label;
        QWidget* Control;
        int Row, Column;
    } cells[] = {
        {"Ink", FInk, 0, 0},       {"Paper", FPaper, 0, 2}, {"", FBright, 0, 4},
        {"Border", FBorder, 1, 0}, {"X", FX, 1, 2},         {"Y", FY, 1, 4},
        {"Zoom", FZoom, 2, 0},     {"", FGrid, 2, 2},       {"", FWords, 2, 4},
    };
    for (const auto& c : cells) {
        if (*c.Label) {
            auto* label = new QLabel(QString::fromLatin1(c.Label), panel);
            label->setBuddy(c.Control);
            controls->addWidget(label, c.Row, c.Column);
        }
        controls->addWidget(c.Control, c.Row, c.Column + 1, 1, *c.Label ? 1 : 2);
    }
    controls->setColumnStretch(6, 1);
    FPaper->setCurrentIndex(7);
    FBorder->setCurrentIndex(7);

    FView = new TSpectrumScreenView(font, std::move(text));
    auto* area = new QScrollArea(panel);
    area->setObjectName("SpectrumScreenPanel");
    area->setWidget(FView);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(controls);
    column->addWidget(area, 1);
    // On a small screen the dock gives way to the canvas: its controls
    // scroll rather than widen the window.
    auto* outer = new QScrollArea(this);
    outer->setObjectName("SpectrumDockPanel");
    outer->setFrameShape(QFrame::NoFrame);
    outer->setWidgetResizable(true);
    outer->setWidget(panel);
    // Still the screen's width at 1x, borders aside.
    outer->setMinimumWidth(kLeastWidth);
    setWidget(outer);
    Apply();

    for (QComboBox* box : {FInk, FPaper, FBorder, FZoom})
        connect(box, &QComboBox::currentIndexChanged, this, &TSpectrumScreenDock::Apply);
    for (QSpinBox* box : {FX, FY})
        connect(box, &QSpinBox::valueChanged, this, &TSpectrumScreenDock::Apply);
    for (QCheckBox* box : {FBright, FGrid, FWords})
        connect(box, &QCheckBox::toggled, this, &TSpectrumScreenDock::Apply);
    connect(FView, &TSpectrumScreenView::PositionClicked, this, [this](int x, int y) {
        FX->setValue(x);
        FY->setValue(y);
    });

    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
    FShow->setCheckable(true);
    FShow->setChecked(false);
    connect(FShow, &QAction::toggled, this, &QDockWidget::setVisible);
    // Closing the dock by its own button unticks the command.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool) {
        if (FShow && !isHidden() != FShow->isChecked()) FShow->setChecked(!isHidden());
    });
}

TSpectrumOptions TSpectrumScreenDock::Options() const {
    return FView->Options();
}

void TSpectrumScreenDock::SetOptions(const TSpectrumOptions& o) {
    FInk->setCurrentIndex(o.Ink & 7);
    FPaper->setCurrentIndex(o.Paper & 7);
    FBorder->setCurrentIndex(o.Border & 7);
    FBright->setChecked(o.Bright);
    FWords->setChecked(o.Wrap == TWrapMode::Words);
    FX->setValue(o.X);
    FY->setValue(o.Y);
}

void TSpectrumScreenDock::Apply() {
    TSpectrumOptions o;
    o.Ink = FInk->currentIndex();
    o.Paper = FPaper->currentIndex();
    o.Border = FBorder->currentIndex();
    o.Bright = FBright->isChecked();
    o.Wrap = FWords->isChecked() ? TWrapMode::Words : TWrapMode::Characters;
    o.X = FX->value();
    o.Y = FY->value();
    FView->SetOptions(o);
    FView->SetZoom(FZoom->currentIndex() + 1);
    FView->SetGrid(FGrid->isChecked());
}

void TSpectrumScreenDock::Refresh() {
    FView->Refresh();
}

void TSpectrumScreenDock::LoadSettings(const TSafeRegistry& reg) {
    TSpectrumOptions o;
    o.Ink = ReadInRange(reg, "SpectrumInk", 0, 7, 0);
    o.Paper = ReadInRange(reg, "SpectrumPaper", 0, 7, 7);
    o.Border = ReadInRange(reg, "SpectrumBorder", 0, 7, 7);
    o.Bright = ReadBoolDefault(reg, "SpectrumBright", false);
    o.Wrap =
        ReadBoolDefault(reg, "SpectrumWrapWords", false) ? TWrapMode::Words : TWrapMode::Characters;
    o.X = ReadInRange(reg, "SpectrumX", 0, TSpectrumScreen::Width - 1, 0);
    o.Y = ReadInRange(reg, "SpectrumY", 0, TSpectrumScreen::Height - 1, 0);
    SetOptions(o);
    FZoom->setCurrentIndex(ReadInRange(reg, "SpectrumZoom", 1, 4, 1) - 1);
    FGrid->setChecked(ReadBoolDefault(reg, "SpectrumGrid", false));
    FShow->setChecked(ReadBoolDefault(reg, "ShowSpectrumScreen", false));
    setVisible(FShow->isChecked());
}

void TSpectrumScreenDock::StoreSettings(TSafeRegistry& reg) const {
    const TSpectrumOptions o = Options();
    reg.WriteBool("ShowSpectrumScreen", FShow->isChecked());
    reg.WriteInteger("SpectrumInk", o.Ink);
    reg.WriteInteger("SpectrumPaper", o.Paper);
    reg.WriteInteger("SpectrumBorder", o.Border);
    reg.WriteBool("SpectrumBright", o.Bright);
    reg.WriteBool("SpectrumWrapWords", o.Wrap == TWrapMode::Words);
    reg.WriteInteger("SpectrumX", o.X);
    reg.WriteInteger("SpectrumY", o.Y);
    reg.WriteInteger("SpectrumZoom", FView->Zoom());
    reg.WriteBool("SpectrumGrid", FView->Grid());
}
