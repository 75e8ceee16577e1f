#include "widgets/valueedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// An optional sign, digits and an optional fraction, which is dropped: "12.7"
// means 12, as it does wherever a whole number is asked for.
const QRegularExpression& NumberPattern() {
    static const QRegularExpression pattern(QStringLiteral("^\\s*([-+]?\\d+)([.,]\\d*)?\\s*$"));
    return pattern;
}
bool IsNumber(const QString& text) {
    return NumberPattern().match(text).hasMatch();
}
} // namespace

TValueEdit::TValueEdit(int minimum, int maximum, QWidget* parent)
    : QSpinBox(parent), FLow(minimum), FHigh(maximum) {
    setRange(minimum, maximum);
    setValue(minimum);
    // Typing reports when the entry is confirmed (Enter, focus loss), so a
    // half-typed number never reaches the font; the arrows report at once.
    setKeyboardTracking(false);
    setAccelerated(true);
    // The spin box itself reports a value only when it differs.
    connect(this, &QSpinBox::valueChanged, this, &TValueEdit::ValueChanged);
}

void TValueEdit::ShowValue(int value) {
    const QSignalBlocker quiet(this);
    setRange(std::min(FLow, value), std::max(FHigh, value));
    setValue(value);
}

void TValueEdit::ValueChanged(int value) {
    // A shown value may lie outside the limits; what the user makes of it
    // does not.
    const int clamped = std::clamp(value, FLow, FHigh);
    if (minimum() != FLow || maximum() != FHigh) {
        const QSignalBlocker quiet(this);
        setRange(FLow, FHigh);
        setValue(clamped);
    }
    emit ValueReported(clamped);
}

void TValueEdit::CommitTyped() {
    if (lineEdit()->isModified() || lineEdit()->text() != textFromValue(value())) {
        interpretText();
        lineEdit()->setModified(false);
    }
}

QValidator::State TValueEdit::validate(QString& input, int& pos) const {
    if (IsNumber(input)) return QValidator::Acceptable;
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+"))
        return QValidator::Intermediate;
    return QSpinBox::validate(input, pos);
}

int TValueEdit::valueFromText(const QString& text) const {
    const QRegularExpressionMatch match = NumberPattern().match(text);
    const QString whole = match.hasMatch() ? match.captured(1) : text.trimmed();
    bool ok = false;
    const qlonglong v = whole.toLongLong(&ok);
    if (!ok) {
        // Beyond 64 bits: the sign decides which limit it passes.
        return whole.startsWith('-') ? FLow : FHigh;
    }
    return static_cast<int>(std::clamp<qlonglong>(v, FLow, FHigh));
}

void TValueEdit::fixup(QString& input) const {
    if (IsNumber(input))
        input = textFromValue(valueFromText(input));
    else
        input = textFromValue(value());
}

bool TValueEdit::event(QEvent* event) {
    // The window's roll shortcuts (Ctrl+Left, Ctrl+Right) win over moving
    // the cursor word by word in a field that holds one number, and its undo
    // and redo keys over the field's own: the user means the font, whose
    // change the field reported long ago.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool roll = key->modifiers() == Qt::ControlModifier &&
                          (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right);
        const bool history =
            key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
        if (roll || history) {
            event->ignore();
            return true;
        }
    }
    return QSpinBox::event(event);
}
