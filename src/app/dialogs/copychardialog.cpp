#include "copychardialog.h"

#include <QInputDialog>

#include "model/font.h"
#include "model/updatescope.h"
#include "platform/application.h"
#include "platform/fonttext.h"
#include "text/copycharanswer.h"

void CopyCharActionExecute(QWidget* parent, TFZXFont& font) {
    TFZXChar* current = font.GetCurrent();
    if (!current) return;
    const std::string proposed = ProposedCopyCharText(font.CurrentIndex() + 32);

    QInputDialog input(parent);
    input.setObjectName("CopyCharDialog");
    input.setInputMode(QInputDialog::TextInput);
    input.setWindowTitle("Copy from another character...");
    input.setLabelText("Enter the character or index you want to copy from...");
    input.setTextValue(FromFontText(proposed));
    const std::string answer =
        input.exec() == QDialog::Accepted ? ToFontText(input.textValue()) : proposed;

    const int source = CopyCharSourceIndex(answer, font.Count());
    if (source < 0) {
        ShowMessageBox(parent, QStringLiteral("Invalid input value or index out of range!"));
        return;
    }
    // One refresh for the whole command: the one GlyphChanged sends.
    {
        TFontUpdate update(font, false);
        current->CopyFrom(font.Glyph(source));
    }
    font.GlyphChanged(THistoryKind::CopyCharacter);
}
