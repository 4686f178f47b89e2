#include "ui/SpinEdit.h"

#include <algorithm>

namespace {
// More digits than this exceed every range and would overflow the conversion.
constexpr int kMaxDigits = 9;

// The digits of text as a number, negative when a minus leads them, clamped to the range.
int ClampedNumber(const QString& text, int lowest, int highest) {
    QString digits;
    bool negative = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
        else if (c == QLatin1Char('-') && digits.isEmpty())
            negative = true;
    }
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > kMaxDigits)
        return negative ? lowest : highest;
    const qlonglong number = negative ? -digits.toLongLong() : digits.toLongLong();
    return static_cast<int>(std::clamp<qlonglong>(number, lowest, highest));
}
} // namespace

TSpinEdit::TSpinEdit(int lowest, int highest, QWidget* parent) : QSpinBox(parent) {
    setRange(lowest, highest);
}

int TSpinEdit::Number() const {
    return valueFromText(cleanText());
}

// Nothing typed is refused; fixup puts the text right when editing ends.
QValidator::State TSpinEdit::validate(QString& input, int&) const {
    return input == textFromValue(valueFromText(input)) ? QValidator::Acceptable
                                                        : QValidator::Intermediate;
}

void TSpinEdit::fixup(QString& input) const {
    input = textFromValue(valueFromText(input));
}

int TSpinEdit::valueFromText(const QString& text) const {
    return ClampedNumber(text, minimum(), maximum());
}
