// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines that a result block carries after its results when the inputs
// call for a word of caution: a single-layer winding whose typed length is
// not that of its turns laid side by side (with the current-sheet inductance
// for the typed length), and a formula used where it errs by more than 3 %.
// Only for a result the calculation did compute; the inputs in tab order.

#include "base/NumberFormat.h"
#include "coil/WindingType.h"

#include <QList>
#include <QStringList>

namespace coil {

// Tab 1: l or B, D, n, d or C.
QStringList inductanceNotes(WindingType winding, const QList<long double> &inputs,
                            const base::NumberSeparators &separators);
// Tab 2: l, D, L.
QStringList turnsNotes(const QList<long double> &inputs, const base::NumberSeparators &separators);
// Tab 3: l, d.
QStringList straightWireNotes(const QList<long double> &inputs, const base::NumberSeparators &separators);

} // namespace coil
