#include "widgets/beyondlastcharbar.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/font.h"
#include "platform/fonttext.h"
#include "text/charcaption.h"

TBeyondLastCharBar::TBeyondLastCharBar(TFZXFont& font, QWidget* parent)
    : QWidget(parent), FFont(font), FLabel(new QLabel(this)), FRaise(new QPushButton(this)) {
    setObjectName("BeyondLastCharBar");
    auto* row = new QVBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    FLabel->setObjectName("BeyondLastCharLabel");
    FLabel->setWordWrap(true);
    FRaise->setObjectName("RaiseLastCharButton");
    row->addWidget(FLabel);
    row->addWidget(FRaise, 0, Qt::AlignLeft);
    hide();
    connect(FRaise, &QPushButton::clicked, this, [this] {
        const int code = FFont.CurrentIndex() + 32;
        if (code > FFont.LastChar() && code <= 255) FFont.SetLastChar(code);
    });
}

void TBeyondLastCharBar::ShowFont() {
    const int index = FFont.CurrentIndex();
    const int code = index + 32;
    const bool beyond = index >= 0 && code <= 255 && code > FFont.LastChar();
    if (beyond) {
        const QString name = FromFontText(CharCaption(code, true));
        FLabel->setText(QStringLiteral("%1 lies beyond Last char (%2) and is not saved.")
                            .arg(name == QString::number(code)
                                     ? QStringLiteral("Code %1").arg(code)
                                     : QStringLiteral("%1 (%2)").arg(name, QString::number(code)),
                                 QString::number(FFont.LastChar())));
        FRaise->setText(QStringLiteral("Raise Last char to %1").arg(code));
    }
    setVisible(beyond);
}
