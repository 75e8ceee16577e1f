#include "panels/valuepanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/font.h"
#include "platform/application.h"
#include "platform/safesettings.h"
#include "widgets/valueedit.h"

TValuePanel::TValuePanel(int zoom, QWidget* parent) : QWidget(parent) {
    setObjectName("ValuePanel");
    setFixedWidth(185);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    auto header = [this, layout](const char* text) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setFont(InterfaceFont(13, true));
        layout->addWidget(label);
    };
    auto line = [this, layout] {
        auto* frame = new QFrame(this);
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Sunken);
        layout->addWidget(frame);
    };
    auto editor = [this, layout](const char* label, const char* name, int min, int max) {
        auto* row = new QHBoxLayout;
        auto* text = new QLabel(QString::fromUtf8(label), this);
        auto* edit = new TValueEdit(min, max, this);
        edit->setObjectName(QString::fromUtf8(name));
        text->setBuddy(edit);
        row->addWidget(text, 1);
        row->addWidget(edit);
        layout->addLayout(row);
        return edit;
    };
    auto check = [this, layout](const char* text, const char* name, bool checked) {
        auto* box = new QCheckBox(QString::fromUtf8(text), this);
        box->setObjectName(QString::fromUtf8(name));
        box->setChecked(checked);
        layout->addWidget(box);
        return box;
    };
    auto field = [this, layout](const char* name, const char* text) {
        auto* edit = new QLineEdit(QString::fromUtf8(text), this);
        edit->setObjectName(QString::fromUtf8(name));
        layout->addWidget(edit);
        return edit;
    };
    // Alt+letter keys reach the editors; F, E, O, V, L, H, N and T belong
    // to the menus and commands.
    header("Common values:");
    FBaseLineEdit = editor("&Body height:", "BaseLineEdit", 1, 192);
    FTrackingEdit = editor("&Right tracking:", "TrackingEdit", 0, 16);
    FLastCharEdit = editor("Last &char:", "LastCharEdit", 32, 255);
    line();
    header("Character values:");
    FCharWidthEdit = editor("&Width:", "CharWidthEdit", 1, 256);
    FKernEdit = editor("Horiz overl&ap:", "KernEdit", 0, 3);
    line();
    header("Miscellaneous:");
    FZoomEdit = editor("&Zoom view:", "ZoomEdit", 1, 80);
    FZoomEdit->setValue(zoom);
    FShowVerticalLimits = check("Show vertical limits", "showverticallimitsCheckBox", true);
    FShowPreviewText = check("Show preview text", "ShowPreviewTextCheckBox", true);
    FShowFileSize = check("Show total file size", "ShowFileSizeCheckBox", true);
    FShowCharLimits = check("Show (Y) char limits for:", "CheckBox1", true);
    FCharLimitsEdit = field("CharLimitsEdit", "0..9, a..z, A..Z, all");
    FShowGuideLines = check("Show (Y) guide lines at:", "CheckBox2", false);
    FGuideLinesEdit = field("GuideLinesEdit", "8, 16, 24");
    FGuideLinesEdit->setEnabled(false);
    layout->addStretch(1);
    Connect();
}

void TValuePanel::Connect() {
    connect(FBaseLineEdit, &TValueEdit::ValueReported, this, &TValuePanel::heightEntered);
    connect(FTrackingEdit, &TValueEdit::ValueReported, this, &TValuePanel::trackingEntered);
    connect(FLastCharEdit, &TValueEdit::ValueReported, this, &TValuePanel::lastCharEntered);
    connect(FCharWidthEdit, &TValueEdit::ValueReported, this, &TValuePanel::widthEntered);
    connect(FKernEdit, &TValueEdit::ValueReported, this, &TValuePanel::kernEntered);
    connect(FZoomEdit, &TValueEdit::ValueReported, this, &TValuePanel::zoomEntered);

    connect(FShowVerticalLimits, &QCheckBox::toggled, this, &TValuePanel::verticalLimitsToggled);
    connect(FShowPreviewText, &QCheckBox::toggled, this, &TValuePanel::previewTextToggled);
    connect(FShowFileSize, &QCheckBox::toggled, this, &TValuePanel::fileSizeToggled);
    // At most one of the two mark options is ticked; the text fields follow
    // once the event loop is idle.
    connect(FShowCharLimits, &QCheckBox::toggled, this, [this](bool on) {
        emit charLimitsToggled(on);
        if (on) FShowGuideLines->setChecked(false);
    });
    connect(FShowGuideLines, &QCheckBox::toggled, this, [this](bool on) {
        emit guideLinesToggled(on);
        if (on) FShowCharLimits->setChecked(false);
    });
    for (QCheckBox* box : {FShowCharLimits, FShowGuideLines})
        connect(box, &QCheckBox::toggled, this, &TValuePanel::EnableMarkTextFields,
                Qt::QueuedConnection);
    connect(FCharLimitsEdit, &QLineEdit::textChanged, this, &TValuePanel::charLimitsEdited);
    connect(FGuideLinesEdit, &QLineEdit::textChanged, this, &TValuePanel::guideLinesEdited);
}

bool TValuePanel::ShowFont(const TFZXFont& font) {
    bool heightChanged = false;
    if (font.Count() == 0) {
        for (TValueEdit* edit : {FBaseLineEdit, FTrackingEdit, FLastCharEdit})
            edit->setEnabled(false);
    } else {
        for (TValueEdit* edit : {FBaseLineEdit, FTrackingEdit, FLastCharEdit})
            edit->setEnabled(true);
        // Showing a value never reports it back, so the font keeps values
        // beyond the editors' limits.
        heightChanged = FBaseLineEdit->value() != font.Height();
        FBaseLineEdit->ShowValue(font.Height());
        FTrackingEdit->ShowValue(font.Tracking());
        FLastCharEdit->ShowValue(font.LastChar());
    }
    const TFZXChar* glyph = font.GetCurrent();
    for (TValueEdit* edit : {FKernEdit, FCharWidthEdit})
        edit->setEnabled(glyph != nullptr);
    if (glyph) {
        FKernEdit->ShowValue(glyph->Kern());
        FCharWidthEdit->ShowValue(glyph->Width());
    }
    return heightChanged;
}

void TValuePanel::ShowZoom(int zoom) {
    FZoomEdit->ShowValue(zoom);
}

void TValuePanel::CommitTyped() {
    for (TValueEdit* edit :
         {FBaseLineEdit, FTrackingEdit, FLastCharEdit, FCharWidthEdit, FKernEdit, FZoomEdit})
        edit->CommitTyped();
}

bool TValuePanel::PreviewTextShown() const {
    return FShowPreviewText->isChecked();
}

bool TValuePanel::FileSizeShown() const {
    return FShowFileSize->isChecked();
}

QString TValuePanel::CharLimitsText() const {
    return FCharLimitsEdit->text();
}

QString TValuePanel::GuideLinesText() const {
    return FGuideLinesEdit->text();
}

void TValuePanel::EnableMarkTextFields() {
    FCharLimitsEdit->setEnabled(FShowCharLimits->isChecked());
    FGuideLinesEdit->setEnabled(FShowGuideLines->isChecked());
}

void TValuePanel::LoadSettings(const TSafeRegistry& reg) {
    FShowVerticalLimits->setChecked(ReadBoolDefault(reg, "ShowVerticalLimits", true));
    FShowPreviewText->setChecked(ReadBoolDefault(reg, "ShowPreviewText", true));
    FShowFileSize->setChecked(ReadBoolDefault(reg, "ShowFileSize", true));
    FShowCharLimits->setChecked(ReadBoolDefault(reg, "ShowCharLimits", true));
    FCharLimitsEdit->setText(ReadStringDefault(reg, "CharLimits", "0..9, a..z, A..Z, all"));
    FShowGuideLines->setChecked(ReadBoolDefault(reg, "ShowGuideLines", false));
    FGuideLinesEdit->setText(ReadStringDefault(reg, "GuideLines", "8, 16, 24"));
    FZoomEdit->setValue(ReadIntegerDefault(reg, "ZoomFactor", 8));
    EnableMarkTextFields();
}

void TValuePanel::StoreSettings(TSafeRegistry& reg) const {
    reg.WriteBool("ShowVerticalLimits", FShowVerticalLimits->isChecked());
    reg.WriteBool("ShowPreviewText", FShowPreviewText->isChecked());
    reg.WriteBool("ShowFileSize", FShowFileSize->isChecked());
    reg.WriteBool("ShowCharLimits", FShowCharLimits->isChecked());
    reg.WriteString("CharLimits", FCharLimitsEdit->text());
    reg.WriteBool("ShowGuideLines", FShowGuideLines->isChecked());
    reg.WriteString("GuideLines", FGuideLinesEdit->text());
    reg.WriteInteger("ZoomFactor", FZoomEdit->value());
}
