// View options, preview settings and the recent list kept between runs.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

#include "dialogs/previewdialog.h"
#include "mainwindow/mainform.h"
#include "platform/fonttext.h"
#include "platform/safesettings.h"
#include "widgets/valueedit.h"

namespace {

std::unique_ptr<TSafeRegistry> OpenStore(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return std::make_unique<TSafeRegistry>();
    return std::make_unique<TSafeRegistry>(settingsFile);
}

} // namespace

void Tmainform::LoadSettings() {
    std::unique_ptr<TSafeRegistry> store = OpenStore(FSettingsFile);
    TSafeRegistry& reg = *store;
    if (!reg.OpenKeyReadOnly(TSafeRegistry::SettingsKey)) return;
    // Each value takes effect as if the user had set it.
    FShowVerticalLimits->setChecked(ReadBoolDefault(reg, "ShowVerticalLimits", true));
    FShowPreviewText->setChecked(ReadBoolDefault(reg, "ShowPreviewText", true));
    FShowFileSize->setChecked(ReadBoolDefault(reg, "ShowFileSize", true));
    FShowCharLimits->setChecked(ReadBoolDefault(reg, "ShowCharLimits", true));
    FCharLimitsEdit->setText(ReadStringDefault(reg, "CharLimits", "0..9, a..z, A..Z, all"));
    FShowGuideLines->setChecked(ReadBoolDefault(reg, "ShowGuideLines", false));
    FGuideLinesEdit->setText(ReadStringDefault(reg, "GuideLines", "8, 16, 24"));
    FZoomEdit->setValue(ReadIntegerDefault(reg, "ZoomFactor", 8));
    FPreviewForm->SetPreviewText(ToFontText(ReadStringDefault(reg, "PreviewText", QString())));
    FPreviewForm->SetPreviewZoom(ReadIntegerDefault(reg, "PreviewTextZoom", 1));
    FPreviewForm->SetPreviewEndless(ReadBoolDefault(reg, "PreviewTextEndless", true));
    ReadRecentFiles(reg, FDocument->Recent());
    reg.CloseKey();
    EnableMarkTextFields();
}

void Tmainform::StoreSettings() {
    std::unique_ptr<TSafeRegistry> store = OpenStore(FSettingsFile);
    TSafeRegistry& reg = *store;
    if (reg.OpenKey(QString(), true)) {
        reg.WriteString("Path", QCoreApplication::applicationFilePath());
        reg.CloseKey();
    }
    if (!reg.OpenKey(TSafeRegistry::SettingsKey, true)) return;
    reg.WriteBool("ShowVerticalLimits", FShowVerticalLimits->isChecked());
    reg.WriteBool("ShowPreviewText", FShowPreviewText->isChecked());
    reg.WriteBool("ShowFileSize", FShowFileSize->isChecked());
    reg.WriteBool("ShowCharLimits", FShowCharLimits->isChecked());
    reg.WriteString("CharLimits", FCharLimitsEdit->text());
    reg.WriteBool("ShowGuideLines", FShowGuideLines->isChecked());
    reg.WriteString("GuideLines", FGuideLinesEdit->text());
    reg.WriteInteger("ZoomFactor", FZoomEdit->value());
    reg.WriteString("PreviewText", FromFontText(FPreviewForm->GetPreviewText()));
    reg.WriteInteger("PreviewTextZoom", FPreviewForm->GetPreviewZoom());
    reg.WriteBool("PreviewTextEndless", FPreviewForm->GetPreviewEndless());
    WriteRecentFiles(reg, FDocument->Recent());
    reg.CloseKey();
    StoreWindowSettings(reg);
}
