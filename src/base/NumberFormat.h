// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two number texts of the result blocks. Both reduce the value to decimal
// digits in two stages: first to 18 significant digits, then cut after the
// last digit the format keeps and rounded half up on the first dropped digit.
// The separators come from the caller (the user's locale).

#include <QByteArray>
#include <QString>

namespace base {

struct NumberSeparators
{
    QString decimal;
    QString thousands; // may be empty: no grouping then
};

// value = 0.d1d2... * 10^exponent; no digits means zero, which has no sign.
struct DecimalDigits
{
    QByteArray digits;
    int exponent = 0;
    bool negative = false;

    bool isZero() const { return digits.isEmpty(); }
};

// The first stage: 18 significant digits, correctly rounded. Finite values only.
DecimalDigits significantDigits(long double value);

// The second stage: keeps `keep` digits, rounds half up on the first dropped
// one (a carry out of the first digit gives "1" and raises the exponent) and
// drops trailing zeros. Nothing is kept when keep < 0; keep == 0 leaves "1"
// (one unit above) when the first digit is 5 or more, otherwise zero.
DecimalDigits roundHalfUp(const DecimalDigits &number, int keep);

// 15 significant digits; positional for zero and 0.0001 <= |v| < 10^15, no
// grouping; otherwise "d,dddE-5" with the exponent as short as it goes.
QString formatGeneral(long double value, const NumberSeparators &separators);

// At most `precision` significant digits and exactly `decimals` decimals,
// integer digits grouped by three. An integer part longer than `precision`
// digits gives the scientific form with an exponent of at least `decimals`
// digits, e.g. 2,222222222E010.
QString formatNumber(long double value, int precision, int decimals,
                     const NumberSeparators &separators);

} // namespace base
