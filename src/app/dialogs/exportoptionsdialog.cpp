#include "exportoptionsdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogbuttons.h"

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

    const TDialogButtons buttons = MakeDialogButtons(this, QStringLiteral("Export"));
    OKButton = buttons.OK;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons.Row);
}

TExportOptions TExportOptionsDialog::Options() const {
    TExportOptions o;
    o.Columns = ColumnsEdit->value();
    o.Grid = GridCheck->isChecked();
    o.Captions = CaptionsCheck->isChecked();
    o.ZxCharset = ZxCharsetCheck->isChecked();
    return o;
}
