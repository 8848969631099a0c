// SPDX-License-Identifier: GPL-3.0-or-later
#include "resistor/StandardValues.h"

#include <algorithm>
#include <cmath>

namespace resistor {

namespace {

// E24 and E192 as IEC 60063 lists them; the coarser series take every
// second or fourth value of these.
const QList<int> e24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                     330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

const QList<int> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

QList<int> everyNth(const QList<int> &values, int step)
{
    QList<int> result;
    for (int i = 0; i < values.size(); i += step)
        result << values.at(i);
    return result;
}

long long powerOfTen(int exponent)
{
    long long power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

int digitCount(long long value)
{
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// Without trailing zeros in the digits, so that each value has one form.
ExactOhms normalised(ExactOhms ohms)
{
    while (ohms.digits != 0 && ohms.digits % 10 == 0) {
        ohms.digits /= 10;
        ++ohms.exponent;
    }
    return ohms;
}

QString seriesTolerance(ESeries series)
{
    switch (series) {
    case ESeries::E6:
        return QStringLiteral("± 20%");
    case ESeries::E12:
        return QStringLiteral("± 10%");
    case ESeries::E24:
        return QStringLiteral("± 5%");
    case ESeries::E48:
        return QStringLiteral("± 2%");
    case ESeries::E96:
        return QStringLiteral("± 1%");
    case ESeries::E192:
        break;
    }
    return QStringLiteral("± 0,5% и точнее");
}

// Two values of the same unit share it: "5,6 и 6,2 КОм".
QString neighboursText(const SeriesCheck &check, const base::NumberSeparators &separators)
{
    const QString below = ohmsText(check.below, separators);
    const QString above = ohmsText(check.above, separators);
    const QString belowUnit = below.section(QLatin1Char(' '), -1);
    if (belowUnit == above.section(QLatin1Char(' '), -1))
        return below.section(QLatin1Char(' '), 0, -2) + QStringLiteral(" и ") + above;
    return below + QStringLiteral(" и ") + above;
}

} // namespace

QString seriesName(ESeries series)
{
    static const char *const names[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return QString::fromLatin1(names[static_cast<int>(series)]);
}

const QList<int> &seriesValues(ESeries series)
{
    static const QList<int> e6 = everyNth(e24, 4);
    static const QList<int> e12 = everyNth(e24, 2);
    static const QList<int> e48 = everyNth(e192, 4);
    static const QList<int> e96 = everyNth(e192, 2);
    switch (series) {
    case ESeries::E6:
        return e6;
    case ESeries::E12:
        return e12;
    case ESeries::E24:
        return e24;
    case ESeries::E48:
        return e48;
    case ESeries::E96:
        return e96;
    case ESeries::E192:
        break;
    }
    return e192;
}

ESeries seriesForTolerance(long double percent)
{
    if (percent >= 20)
        return ESeries::E6;
    if (percent >= 10)
        return ESeries::E12;
    if (percent >= 5)
        return ESeries::E24;
    if (percent >= 2)
        return ESeries::E48;
    if (percent >= 1)
        return ESeries::E96;
    return ESeries::E192;
}

long double ExactOhms::value() const
{
    return static_cast<long double>(digits) * std::pow(10.0L, static_cast<long double>(exponent));
}

bool operator==(const ExactOhms &a, const ExactOhms &b)
{
    const ExactOhms x = normalised(a);
    const ExactOhms y = normalised(b);
    return x.digits == y.digits && (x.digits == 0 || x.exponent == y.exponent);
}

std::optional<SeriesCheck> checkSeries(ExactOhms ohms, ESeries series)
{
    if (ohms.digits <= 0)
        return std::nullopt;
    const ExactOhms value = normalised(ohms);
    const int length = digitCount(value.digits);
    // The value is mantissa / 100 * 10^decade with 100 <= mantissa < 1000.
    const int decade = value.exponent + length - 1;
    long long mantissa = value.digits;
    bool exact = true;
    if (length <= 3) {
        mantissa *= powerOfTen(3 - length);
    } else {
        // More than three significant digits: between two whole mantissas.
        mantissa /= powerOfTen(length - 3);
        exact = false;
    }

    const QList<int> &values = seriesValues(series);
    SeriesCheck check;
    check.standard = exact && values.contains(static_cast<int>(mantissa));
    if (check.standard)
        return check;

    // The value is not in the list and lies below mantissa + 1, so every
    // listed value up to the mantissa is below it; past a decade's ends the
    // neighbours come from the decades either side.
    const auto firstAbove = std::upper_bound(values.cbegin(), values.cend(), mantissa);
    check.below = firstAbove == values.cbegin() ? ExactOhms{values.last(), decade - 3}
                                                : ExactOhms{*(firstAbove - 1), decade - 2};
    check.above = firstAbove == values.cend() ? ExactOhms{values.first(), decade - 1}
                                              : ExactOhms{*firstAbove, decade - 2};
    return check;
}

QString ohmsText(ExactOhms ohms, const base::NumberSeparators &separators)
{
    const ExactOhms value = normalised(ohms);
    const int decade = value.exponent + digitCount(value.digits) - 1;
    static const char *const units[] = {"Ом", "КОм", "МОм", "ГОм"};
    const int step = std::clamp(decade / 3, 0, 3);
    const ExactOhms inUnit{value.digits, value.exponent - 3 * step};
    return base::formatGeneral(inUnit.value(), separators) + QLatin1Char(' ')
           + QString::fromUtf8(units[step]);
}

SeriesNote seriesNote(ExactOhms ohms, ESeries series, const base::NumberSeparators &separators,
                      bool typed)
{
    const auto check = checkSeries(ohms, series);
    if (!check)
        return {};
    const QString name = seriesName(series);
    const QString what = (typed ? QStringLiteral("Набранный номинал ") : QStringLiteral("Номинал "))
                         + ohmsText(ohms, separators);
    const QString tolerance = QStringLiteral(" (допуск ") + seriesTolerance(series) + QLatin1Char(')');
    if (check->standard)
        return {QStringLiteral("Ряд ") + name + QStringLiteral(": стандартный"),
                what + QStringLiteral(" есть в ряду ") + name + tolerance + QLatin1Char('.')};
    const QString neighbours = neighboursText(*check, separators);
    return {QStringLiteral("Вне ") + name + QStringLiteral(": ") + neighbours,
            what + QStringLiteral(" не из ряда ") + name + tolerance
                + QStringLiteral("; ближайшие стандартные ") + neighbours + QLatin1Char('.')};
}

} // namespace resistor
