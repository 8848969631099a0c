// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far each coil formula strays from an exact inductance: the one table of
// figures that the help's page "Точность формул" prints (a test holds the page
// to it) and that the result blocks quote when the inputs lie where a formula
// errs by more than 3 %. The figures were computed against exact references
// (current sheet, evenly wound rectangular section, Neumann's integral for a
// straight wire); the proportions are those of the page's tables.

#include "base/NumberFormat.h"

#include <QList>
#include <QString>
#include <optional>

namespace coil {

enum class AccuracyTable {
    SingleLayerPair45,  // tab 1, single-layer, typed l >= D/2: by (n*d/10)/D
    SingleLayerPair40,  // the same, typed l < D/2
    TurnsInductance,    // tab 2: the inductance of the coil it finds, by l/D
    TurnsCount,         // tab 2: how many more turns an exact calculation needs, by l/D
    MultiLayer,         // tab 1, multi-layer: by B/D (rows) and C/D (columns)
    StraightWire        // tab 3: by l/d in the same units, current on the surface
};

struct AccuracyFigures
{
    QString rowName;          // "l/D", "B/D", "l/d"
    QList<double> rows;       // ascending
    QString columnName;       // "C/D" for the multi-layer grid, else empty
    QList<double> columns;    // ascending; one entry for a one-dimension table
    QList<int> errorTenths;   // the error in tenths of a per cent, row by row
};

const AccuracyFigures &accuracyFigures(AccuracyTable table);

// Beyond this error a result block says so.
constexpr int accuracyLimitTenths = 30;

// The result block's line when the table's entry nearest to the proportions
// (on a logarithmic scale) gives an error above 3 %, else nothing. A ratio of
// 0 counts as the table's smallest; `column` is read by the grid only.
std::optional<QString> accuracyWarning(AccuracyTable table, long double row, long double column,
                                       const base::NumberSeparators &separators);

} // namespace coil
