#pragma once
// A spin editor for whole numbers that replaces an entry beyond a limit by
// that limit (typing 300 where 192 is the most gives 192) and reports a
// value only when it differs from the value it reported last.

#include <QSpinBox>

class TValueEdit : public QSpinBox {
    Q_OBJECT
  public:
    TValueEdit(int minimum, int maximum, QWidget* parent = nullptr);

  signals:
    // A real change, typed, stepped or set by the program.
    void ValueReported(int value);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
};
