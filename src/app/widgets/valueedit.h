#pragma once
// A spin editor for whole numbers that replaces an entry beyond a limit by
// that limit (typing 300 where 192 is the most gives 192) and reports a
// value only when it differs from the value it reported last. The window
// shows the font's values with ShowValue, which never reports, so showing a
// value can never change the font.

#include <QSpinBox>

class TValueEdit : public QSpinBox {
    Q_OBJECT
  public:
    TValueEdit(int minimum, int maximum, QWidget* parent = nullptr);

    // Shows value as it is, even outside the limits (a font read from a file
    // may hold such values), without reporting it. A later entry or step by
    // the user is clamped to the limits again.
    void ShowValue(int value);
    // Takes a typed entry that was not yet confirmed by Enter or a focus
    // change, so a command run meanwhile sees it; reports it if it changed.
    void CommitTyped();

  signals:
    // A real change made by the user (typed, stepped) or by setValue.
    void ValueReported(int value);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
    bool event(QEvent* event) override;

  private:
    void ValueChanged(int value);
    int FLow;
    int FHigh;
};
