#include "widgets/fontinfolines.h"

#include <QLabel>
#include <QVBoxLayout>
#include <string>

#include "model/font.h"
#include "platform/application.h"
#include "shell/fontwarnings.h"

namespace {

void SetInfoLine(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->setVisible(!text.empty());
}

std::string SizeText(const TFZXFont& font) {
    if (font.IsCHRCompatible()) return "File size: 768 bytes (std. 8x8 pixels)";
    std::string text = "File size: " + std::to_string(font.FZXFileSize()) + " bytes";
    if (const TFZXChar* glyph = font.GetCurrent())
        text += "; char size: " + std::to_string(glyph->DataSize()) + " bytes";
    return text;
}

} // namespace

TFontInfoLines::TFontInfoLines(QWidget* parent) : QWidget(parent) {
    setObjectName("InfoLines");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto infoLine = [this, layout](const char* name, const QColor& color) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromUtf8(name));
        label->setFont(InterfaceFont(11));
        if (color.isValid()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, color);
            label->setPalette(palette);
        }
        label->hide(); // an empty info line takes no height
        layout->addWidget(label);
        return label;
    };
    FSizeInfo = infoLine("SizeInfo", QColor());
    FHeightInfo = infoLine("HeightInfo", QColor(255, 0, 255));
    FWidthInfo = infoLine("WidthInfo", QColor(255, 0, 255));
    FLastCharInfo = infoLine("LastCharInfo", QColor(255, 0, 0));
}

void TFontInfoLines::ShowFont(const TFZXFont& font, bool fileSize) {
    if (font.Count() == 0) {
        for (QLabel* info : {FSizeInfo, FHeightInfo, FWidthInfo, FLastCharInfo})
            SetInfoLine(info, std::string());
        return;
    }
    SetInfoLine(FSizeInfo, fileSize ? SizeText(font) : std::string());
    const TFontWarnings warnings = GetFontWarnings(font);
    SetInfoLine(FLastCharInfo, warnings.LastChar);
    SetInfoLine(FWidthInfo, warnings.Width);
    SetInfoLine(FHeightInfo, warnings.Height);
}
