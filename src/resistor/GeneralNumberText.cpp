#include "resistor/GeneralNumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace resistor {

namespace {

constexpr int keptDigits = 15;

// The magnitude as significant digits d1 d2 ... and an exponent E such that
// it equals 0.d1d2... × 10^E; rounded half up to keptDigits digits, with
// trailing zeros dropped.
struct DecimalDigits
{
    QString digits;
    int exponent = 0;
};

DecimalDigits reduceToSignificantDigits(long double magnitude)
{
    // 18 significant digits, more than the extended type holds exactly.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);

    DecimalDigits result;
    const char *p = buffer;
    // The C library may print the locale's decimal point: keep digits only.
    for (; *p != '\0' && *p != 'e' && *p != 'E'; ++p) {
        if (*p >= '0' && *p <= '9')
            result.digits.append(QLatin1Char(*p));
    }
    result.exponent = (*p != '\0' ? std::atoi(p + 1) : 0) + 1;

    const bool roundUp = result.digits.size() > keptDigits && result.digits.at(keptDigits) >= QLatin1Char('5');
    result.digits.truncate(keptDigits);
    if (roundUp) {
        int i = result.digits.size() - 1;
        for (; i >= 0 && result.digits.at(i) == QLatin1Char('9'); --i)
            result.digits[i] = QLatin1Char('0');
        if (i >= 0) {
            result.digits[i] = QChar(result.digits.at(i).unicode() + 1);
        } else {
            result.digits = QStringLiteral("1");
            ++result.exponent;
        }
    }
    while (result.digits.endsWith(QLatin1Char('0')))
        result.digits.chop(1);
    return result;
}

QString positionalText(const DecimalDigits &d, QChar separator)
{
    if (d.exponent <= 0)
        return QStringLiteral("0") + separator + QString(-d.exponent, QLatin1Char('0')) + d.digits;

    QString integerPart = d.digits.left(d.exponent);
    integerPart += QString(d.exponent - integerPart.size(), QLatin1Char('0'));
    const QString fraction = d.digits.mid(d.exponent);
    return fraction.isEmpty() ? integerPart : integerPart + separator + fraction;
}

QString scientificText(const DecimalDigits &d, QChar separator)
{
    QString text = d.digits.left(1);
    if (d.digits.size() > 1)
        text += separator + d.digits.mid(1);
    return text + QLatin1Char('E') + QString::number(d.exponent - 1);
}

} // namespace

QString generalNumberText(long double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const DecimalDigits d = reduceToSignificantDigits(std::fabs(value));
    if (d.digits.isEmpty())
        return QStringLiteral("0"); // zero has no sign

    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const bool positional = d.exponent >= -3 && d.exponent <= keptDigits;
    return sign + (positional ? positionalText(d, decimalSeparator) : scientificText(d, decimalSeparator));
}

} // namespace resistor
