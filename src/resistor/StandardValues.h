// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard resistor values of IEC 60063 (the E series E6 to E192) and
// the main window's line below the tolerance: which series a nominal belongs
// to for its tolerance, or that it is none of its values and which standard
// values lie next to it. Values are exact decimals, so that 4,7 kOhm is
// compared as 47 * 10^2 and never as a rounded binary fraction.

#include "base/NumberFormat.h"

#include <QList>
#include <QString>
#include <optional>

namespace resistor {

enum class ESeries { E6, E12, E24, E48, E96, E192 };

QString seriesName(ESeries series);

// The values of a decade as three-digit numbers, 100 to 988, ascending:
// E6 to E24 with a trailing zero (47 is 470), E48 to E192 as IEC 60063 rounds
// them (909, and 920 where the formula would give 919).
const QList<int> &seriesValues(ESeries series);

// The series whose spacing suits a tolerance in per cent: 20 E6, 10 E12,
// 5 E24, 2 E48, 1 E96, 0.5 and finer E192 (in between: the closer spaced one).
ESeries seriesForTolerance(long double percent);

// Ohms as digits * 10^exponent.
struct ExactOhms
{
    long long digits = 0;
    int exponent = 0;

    long double value() const;
};

bool operator==(const ExactOhms &a, const ExactOhms &b); // the same value, however written

struct SeriesCheck
{
    bool standard = false;
    ExactOhms below; // the nearest standard values, when not standard
    ExactOhms above;
};

// Nothing for zero or a negative value, which no series holds.
std::optional<SeriesCheck> checkSeries(ExactOhms ohms, ESeries series);

// "4,7 КОм": the unit by the size of the value, as the nominal label's units go.
QString ohmsText(ExactOhms ohms, const base::NumberSeparators &separators);

// What the main window says of a nominal: a short line that fits below the
// tolerance ("Ряд E24: стандартный", "Вне E24: 5,6 и 6,2 КОм") and the
// same in a full sentence for its tooltip and screen readers. Both empty
// for 0, which has no series.
struct SeriesNote
{
    QString line;
    QString detail;
};

// `typed`: the nominal typed for the encoding rather than decoded from bands.
SeriesNote seriesNote(ExactOhms ohms, ESeries series, const base::NumberSeparators &separators,
                      bool typed = false);

} // namespace resistor
