// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace base {

namespace {

constexpr int ExpandedDigits = 18;
constexpr int GeneralDigits = 15;

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QChar digitAt(const DecimalDigits &number, int index)
{
    if (index < 0 || index >= number.digits.size())
        return QLatin1Char('0');
    return QLatin1Char(number.digits.at(index));
}

QString signOf(const DecimalDigits &number)
{
    return number.negative && !number.isZero() ? QStringLiteral("-") : QString();
}

// "d", or "d,ddd" when more digits follow, then E and the exponent (E - 1),
// padded with zeros to at least minExponentDigits.
QString scientific(const DecimalDigits &number, int minExponentDigits,
                   const NumberSeparators &separators)
{
    QString text = signOf(number) + digitAt(number, 0);
    if (number.digits.size() > 1)
        text += separators.decimal + QString::fromLatin1(number.digits.mid(1));
    const int exponent = number.exponent - 1;
    text += QLatin1Char('E');
    if (exponent < 0)
        text += QLatin1Char('-');
    text += QString::number(std::abs(exponent)).rightJustified(minExponentDigits, QLatin1Char('0'));
    return text;
}

// The integer digits, "0" for a value below one, grouped when a separator is given.
QString integerPart(const DecimalDigits &number, const QString &thousands)
{
    if (number.exponent <= 0)
        return QStringLiteral("0");
    QString text;
    for (int i = 0; i < number.exponent; ++i) {
        if (i > 0 && (number.exponent - i) % 3 == 0)
            text += thousands;
        text += digitAt(number, i);
    }
    return text;
}

} // namespace

DecimalDigits significantDigits(long double value)
{
    DecimalDigits number;
    number.negative = std::signbit(value);
    if (value == 0)
        return number;

    // to_chars is exact and ignores the C locale: "d.ddddde+XX", 18 digits.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, ExpandedDigits - 1);
    const char *p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            number.digits.append(*p);
    }
    // The exponent is read from the written characters only: the buffer has
    // no terminating NUL.
    const char *exponentText = p == result.ptr ? p : p + 1;
    if (exponentText != result.ptr && *exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, result.ptr, exponent);
    number.exponent = exponent + 1; // d.ddd * 10^x == 0.dddd * 10^(x+1)
    return number;
}

DecimalDigits roundHalfUp(const DecimalDigits &number, int keep)
{
    DecimalDigits rounded;
    rounded.negative = number.negative;
    if (keep < 0 || number.isZero())
        return rounded;
    rounded.exponent = number.exponent;

    const int length = int(number.digits.size());
    rounded.digits = number.digits.left(keep);
    if (keep < length && number.digits.at(keep) >= '5') {
        int i = keep - 1;
        for (; i >= 0 && rounded.digits.at(i) == '9'; --i)
            rounded.digits[i] = '0';
        if (i >= 0) {
            ++rounded.digits[i];
        } else {
            // Carry out of the first digit: 0.999 -> 1.000 = 0.1 * 10^(E+1).
            rounded.digits = QByteArrayLiteral("1");
            ++rounded.exponent;
        }
    }
    while (!rounded.digits.isEmpty() && rounded.digits.endsWith('0'))
        rounded.digits.chop(1);
    if (rounded.digits.isEmpty())
        rounded.exponent = 0;
    return rounded;
}

QString formatGeneral(long double value, const NumberSeparators &separators)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits number = roundHalfUp(significantDigits(value), GeneralDigits);
    if (number.isZero())
        return QStringLiteral("0");
    if (number.exponent < -3 || number.exponent > 15)
        return scientific(number, 1, separators);

    QString text = signOf(number) + integerPart(number, QString());
    const int fractionStart = std::max(number.exponent, 0);
    if (number.digits.size() > fractionStart) {
        text += separators.decimal;
        if (number.exponent < 0)
            text += QString(-number.exponent, QLatin1Char('0'));
        text += QString::fromLatin1(number.digits.mid(fractionStart));
    }
    return text;
}

QString formatNumber(long double value, int precision, int decimals,
                     const NumberSeparators &separators)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits expanded = significantDigits(value);
    const int keep = std::min(expanded.exponent + decimals, precision);
    const DecimalDigits number = roundHalfUp(expanded, keep);
    if (number.exponent > precision)
        return scientific(number, decimals, separators);

    QString text = signOf(number) + integerPart(number, separators.thousands);
    if (decimals > 0) {
        text += separators.decimal;
        for (int i = 0; i < decimals; ++i)
            text += digitAt(number, number.exponent + i);
    }
    return text;
}

} // namespace base
