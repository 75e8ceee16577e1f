#include "previewdialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/fonttext.h"

namespace {

QToolButton* AddButton(QToolBar* bar, const QString& name, const QString& caption, bool checkable) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(checkable);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
    return button;
}

} // namespace

Ttestpreviewform::Ttestpreviewform(QWidget* parent) : QDialog(parent) {
    setObjectName("Ttestpreviewform");
    setWindowTitle("Test font ...");
    setWindowFlags(windowFlags() | Qt::Tool);
    setSizeGripEnabled(true);

    auto* header =
        new QLabel("Enter text that has to be displayed in the \"preview text\" panel:", this);
    header->setTextFormat(Qt::PlainText);

    PreviewTextEdit = new QPlainTextEdit(this);
    PreviewTextEdit->setObjectName("Memo1");
    PreviewTextEdit->setLineWrapMode(QPlainTextEdit::NoWrap);

    // "<code>" would read as a markup tag in an automatic label.
    auto* hint =
        new QLabel("Use [<code>] form to insert character <code>, e.g. [127] for (C)", this);
    hint->setTextFormat(Qt::PlainText);

    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    QToolButton* ok = AddButton(bar, "OKButton", "OK", false);
    bar->addSeparator();
    zoom1 = AddButton(bar, "zoom1", "1x", true);
    zoom2 = AddButton(bar, "zoom2", "2x", true);
    zoom3 = AddButton(bar, "zoom3", "3x", true);
    zoom4 = AddButton(bar, "zoom4", "4x", true);
    bar->addSeparator();
    endlessloopbutton = AddButton(bar, "endlessloopbutton", "endless loop", true);

    FZoomGroup = new QButtonGroup(this);
    FZoomGroup->setExclusive(true);
    FZoomGroup->addButton(zoom1, 1);
    FZoomGroup->addButton(zoom2, 2);
    FZoomGroup->addButton(zoom3, 3);
    FZoomGroup->addButton(zoom4, 4);
    zoom1->setChecked(true);
    endlessloopbutton->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(header);
    layout->addWidget(PreviewTextEdit, 1);
    layout->addWidget(hint);
    layout->addWidget(bar);

    connect(ok, &QToolButton::clicked, this, &QDialog::accept);
    connect(FZoomGroup, &QButtonGroup::buttonClicked, this, &Ttestpreviewform::zoomClick);
    connect(endlessloopbutton, &QToolButton::clicked, this,
            &Ttestpreviewform::endlessloopbuttonClick);
    connect(PreviewTextEdit, &QPlainTextEdit::textChanged, this,
            &Ttestpreviewform::PreviewTextChanged);

    resize(412, 256);
}

int Ttestpreviewform::GetPreviewZoom() const {
    const int id = FZoomGroup->checkedId();
    return id >= 1 && id <= 4 ? id : 1;
}

bool Ttestpreviewform::GetPreviewEndless() const {
    return endlessloopbutton->isChecked();
}

std::string Ttestpreviewform::GetPreviewText() const {
    return JoinText(Lines(), '\r');
}

TStringList Ttestpreviewform::Lines() const {
    TStringList lines;
    SplitText(lines, ToFontText(PreviewTextEdit->toPlainText()), '\n');
    return lines;
}

void Ttestpreviewform::SetPreviewZoom(int zoom) {
    // Checking a grouped button emits no click, so the callback runs only here.
    if (QAbstractButton* button = FZoomGroup->button(zoom)) button->setChecked(true);
    SettingsChanged(true);
}

void Ttestpreviewform::SetPreviewEndless(bool endless) {
    endlessloopbutton->setChecked(endless);
    SettingsChanged(false);
}

void Ttestpreviewform::SetPreviewText(const std::string& text) {
    TStringList parts;
    SplitText(parts, text, '\r');
    // A last empty line needs a line break of its own to stay a line.
    std::string memo = JoinText(parts, '\n');
    if (!parts.empty() && parts.back().empty()) memo += '\n';
    PreviewTextEdit->setPlainText(FromFontText(memo)); // textChanged runs PreviewTextChanged
}

void Ttestpreviewform::SettingsChanged(bool zoomChanged) {
    if (OnSettingsChanged) OnSettingsChanged(*this, zoomChanged);
}

void Ttestpreviewform::zoomClick(QAbstractButton* button) {
    SetPreviewZoom(FZoomGroup->id(button));
}

void Ttestpreviewform::endlessloopbuttonClick() {
    SettingsChanged(false);
}

void Ttestpreviewform::PreviewTextChanged() {
    SettingsChanged(false);
}
