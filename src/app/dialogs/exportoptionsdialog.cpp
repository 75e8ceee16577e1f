#include "exportoptionsdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TExportOptionsDialog::TExportOptionsDialog(const TFontFormat& format, const TExportOptions& options,
                                           QWidget* parent)
    : QDialog(parent) {
    setObjectName("ExportOptionsDialog");
    setWindowTitle(QStringLiteral("Export as ") + QString::fromStdString(format.Name));

    ColumnsEdit = new QSpinBox(this);
    ColumnsEdit->setObjectName("ColumnsEdit");
    ColumnsEdit->setRange(1, 256);
    ColumnsEdit->setValue(options.Columns);
    GridCheck = new QCheckBox(QStringLiteral("1-pixel &grid around every cell"), this);
    GridCheck->setObjectName("GridCheck");
    GridCheck->setChecked(options.Grid);
    CaptionsCheck = new QCheckBox(QStringLiteral("&Codes in the margins"), this);
    CaptionsCheck->setObjectName("CaptionsCheck");
    CaptionsCheck->setChecked(options.Captions);
    ZxCharsetCheck = new QCheckBox(
        QStringLiteral("&Spectrum characters: \u2191 as 94, \u00A3 as 96, \u00A9 as 127"), this);
    ZxCharsetCheck->setObjectName("ZxCharsetCheck");
    ZxCharsetCheck->setChecked(options.ZxCharset);

    auto* form = new QFormLayout;
    if (format.Picture) {
        form->addRow(QStringLiteral("C&olumns:"), ColumnsEdit);
        form->addRow(GridCheck);
        form->addRow(CaptionsCheck);
        ZxCharsetCheck->hide();
    } else {
        form->addRow(ZxCharsetCheck);
        ColumnsEdit->hide();
        GridCheck->hide();
        CaptionsCheck->hide();
    }

    OKButton = new QPushButton(QStringLiteral("Export"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TExportOptions TExportOptionsDialog::Options() const {
    TExportOptions o;
    o.Columns = ColumnsEdit->value();
    o.Grid = GridCheck->isChecked();
    o.Captions = CaptionsCheck->isChecked();
    o.ZxCharset = ZxCharsetCheck->isChecked();
    return o;
}
