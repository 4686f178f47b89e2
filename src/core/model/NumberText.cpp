#include "core/model/NumberText.h"

#include <QLocale>
#include <cmath>

namespace {
QChar DecimalSeparator(const QString& text) {
    if (text.contains(QLatin1Char('.')))
        return QLatin1Char('.');
    if (text.contains(QLatin1Char(',')))
        return QLatin1Char(',');
    return QLatin1Char('.');
}

bool IsSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// The digits after an exponent sign, without leading zeros.
QString ExponentDigits(const QString& rest) {
    QString digits;
    for (const QChar c : rest)
        if (c.isDigit() && (!digits.isEmpty() || c != QLatin1Char('0')))
            digits += c;
    return digits;
}

struct TCleanNumber {
    QString Mantissa;
    QString Exponent;
};

TCleanNumber Clean(const QString& text, QChar separator) {
    TCleanNumber result;
    bool separatorSeen = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            result.Mantissa += c;
        } else if (IsSign(c)) {
            if (result.Mantissa.isEmpty())
                result.Mantissa += c;
        } else if (c == separator) {
            if (!separatorSeen)
                result.Mantissa += QLatin1Char('.');
            separatorSeen = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && i + 2 < text.size() &&
                   IsSign(text[i + 1])) {
            // An exponent without digits left (e+000) stands for no exponent at all.
            const QString digits = ExponentDigits(text.mid(i + 2));
            if (!digits.isEmpty())
                result.Exponent = text[i + 1] + digits;
            break;
        }
    }
    return result;
}
} // namespace

QString FormatNumber(Extended value) {
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(static_cast<double>(value), 'g', 15)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

Extended ParseNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    const TCleanNumber clean = Clean(trimmed, DecimalSeparator(trimmed));
    QString number = clean.Mantissa;
    if (number.isEmpty() || number == QLatin1String("+") || number == QLatin1String("-") ||
        number == QLatin1String("."))
        number = QStringLiteral("0");
    if (!clean.Exponent.isEmpty())
        number += QLatin1Char('e') + clean.Exponent;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    // A sign before a lone separator or an exponent out of range gives no usable number.
    return ok && std::isfinite(value) ? value : 0;
}
