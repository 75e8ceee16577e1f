#pragma once
// The scale factor dialog: width and height factors 0.1..10.0 for scaling
// glyphs. Created once and kept, so the factors persist from use to use.

#include <QDialog>
#include <QDoubleSpinBox>

// A decimal spin editor that takes any typed number and replaces an entry
// beyond a limit by that limit, where the plain editor refuses the keystroke.
class TFactorSpinBox : public QDoubleSpinBox {
    Q_OBJECT
  public:
    explicit TFactorSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    double valueFromText(const QString& text) const override;

  private:
    // The typed number without prefix and suffix; false for no number.
    bool ParseTyped(const QString& text, double& value) const;
};

class TScaleFactorForm : public QDialog {
    Q_OBJECT
  public:
    explicit TScaleFactorForm(QWidget* parent = nullptr);

    // Shows the dialog modally with the factors of the last use (1.0 and 1.0
    // at first). True with both factors when closed with OK, false otherwise.
    bool GetScaleFactors(double& widthFactor, double& heightFactor);

    TFactorSpinBox* WidthFactorEdit = nullptr;
    TFactorSpinBox* HeightFactorEdit = nullptr;
};
