#include "scalefactordialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogbuttons.h"

TFactorSpinBox::TFactorSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setRange(0.1, 10.0);
    setSingleStep(0.1);
    setDecimals(1);
    setValue(1.0);
    setKeyboardTracking(true);
}

bool TFactorSpinBox::ParseTyped(const QString& text, double& value) const {
    QString number = text.trimmed();
    if (!prefix().isEmpty() && number.startsWith(prefix())) number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix())) number.chop(suffix().size());
    bool ok = false;
    value = locale().toDouble(number.trimmed(), &ok);
    if (!ok) value = QLocale::c().toDouble(number.trimmed(), &ok);
    return ok && !std::isnan(value);
}

QValidator::State TFactorSpinBox::validate(QString& input, int& pos) const {
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state != QValidator::Invalid) return state;
    // Out of range or too many decimals: still a number, clamped on reading.
    double value = 0;
    return ParseTyped(input, value) ? QValidator::Acceptable : QValidator::Invalid;
}

void TFactorSpinBox::fixup(QString& input) const {
    double value = 0;
    if (ParseTyped(input, value))
        input = textFromValue(std::clamp(value, minimum(), maximum()));
    else
        QDoubleSpinBox::fixup(input);
}

double TFactorSpinBox::valueFromText(const QString& text) const {
    double value = 0;
    if (!ParseTyped(text, value)) return QDoubleSpinBox::valueFromText(text);
    return std::clamp(value, minimum(), maximum());
}

TScaleFactorForm::TScaleFactorForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TScaleFactorForm");
    setWindowTitle("Enter scale factors ...");
    setWindowFlags(windowFlags() | Qt::Tool);

    WidthFactorEdit = new TFactorSpinBox(this);
    WidthFactorEdit->setObjectName("WidthFactorEdit");
    HeightFactorEdit = new TFactorSpinBox(this);
    HeightFactorEdit->setObjectName("HeightFactorEdit");

    auto* form = new QFormLayout;
    form->addRow("Width factor:", WidthFactorEdit);
    form->addRow("Height factor:", HeightFactorEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(MakeDialogButtons(this, QStringLiteral("OK")).Row);
}

bool TScaleFactorForm::GetScaleFactors(double& widthFactor, double& heightFactor) {
    WidthFactorEdit->setFocus();
    WidthFactorEdit->selectAll();
    if (exec() != QDialog::Accepted) return false;
    // Takes a number still being typed when OK was clicked.
    WidthFactorEdit->interpretText();
    HeightFactorEdit->interpretText();
    widthFactor = WidthFactorEdit->value();
    heightFactor = HeightFactorEdit->value();
    return true;
}
