#include "widgets/valueedit.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
// An optional sign and digits: a whole number, whatever its size.
bool IsWholeNumber(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[-+]?\\d+\\s*$"));
    return pattern.match(text).hasMatch();
}
} // namespace

TValueEdit::TValueEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(minimum);
    // Typing reports when the entry is confirmed (Enter, focus loss), so a
    // half-typed number never reaches the font; the arrows report at once.
    setKeyboardTracking(false);
    setAccelerated(true);
    // The spin box itself reports a value only when it differs.
    connect(this, &QSpinBox::valueChanged, this, &TValueEdit::ValueReported);
}

QValidator::State TValueEdit::validate(QString& input, int& pos) const {
    if (IsWholeNumber(input)) return QValidator::Acceptable;
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+"))
        return QValidator::Intermediate;
    return QSpinBox::validate(input, pos);
}

int TValueEdit::valueFromText(const QString& text) const {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok) {
        // Beyond 64 bits: the sign decides which limit it passes.
        return text.trimmed().startsWith('-') ? minimum() : maximum();
    }
    return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

void TValueEdit::fixup(QString& input) const {
    if (IsWholeNumber(input))
        input = textFromValue(valueFromText(input));
    else
        input = textFromValue(value());
}
