#include "dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

TDialogButtons MakeDialogButtons(QDialog* dialog, const QString& okText) {
    auto* ok = new QPushButton(okText, dialog);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName("CancelButton");
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, row};
}
