// View options, preview settings and the recent list kept between runs.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

#include "dialogs/previewdialog.h"
#include "mainwindow/mainform.h"
#include "panels/valuepanel.h"
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
    FValuePanel->LoadSettings(reg);
    FPreviewForm->SetPreviewText(ToFontText(ReadStringDefault(reg, "PreviewText", QString())));
    FPreviewForm->SetPreviewZoom(ReadIntegerDefault(reg, "PreviewTextZoom", 1));
    FPreviewForm->SetPreviewEndless(ReadBoolDefault(reg, "PreviewTextEndless", true));
    ReadRecentFiles(reg, FDocument->Recent());
    reg.CloseKey();
}

void Tmainform::StoreSettings() {
    std::unique_ptr<TSafeRegistry> store = OpenStore(FSettingsFile);
    TSafeRegistry& reg = *store;
    if (reg.OpenKey(QString(), true)) {
        reg.WriteString("Path", QCoreApplication::applicationFilePath());
        reg.CloseKey();
    }
    if (!reg.OpenKey(TSafeRegistry::SettingsKey, true)) return;
    FValuePanel->StoreSettings(reg);
    reg.WriteString("PreviewText", FromFontText(FPreviewForm->GetPreviewText()));
    reg.WriteInteger("PreviewTextZoom", FPreviewForm->GetPreviewZoom());
    reg.WriteBool("PreviewTextEndless", FPreviewForm->GetPreviewEndless());
    WriteRecentFiles(reg, FDocument->Recent());
    reg.CloseKey();
    StoreWindowSettings(reg);
}
