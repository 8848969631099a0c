// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result blocks of the three coil tabs: the window passes the log's line
// count, its labels' texts and spin-box values, and the outcome of the
// calculation just run, and appends the returned lines to the log. Results
// come from the calculation state; a result that the calculation did not
// compute because of a fault is written as "не рассчитан(а/о)", never as a
// value left over from another calculation. A computed result may be followed
// by notes on the winding and on the formula's accuracy (ResultNotes.h).

#include "coil/CoilCalculations.h"
#include "coil/ResultBlock.h"
#include "coil/WindingType.h"

namespace coil {

// Tab 1: inputs in the order Edit1 to Edit4.
QStringList writememo(int logLineCount, WindingType winding,
                      const QList<InputLine> &inputs, const CalculationOutcome &outcome,
                      const base::NumberSeparators &separators);

// Tab 2: inputs in the order length, diameter, inductance.
QStringList writememoTab2(int logLineCount, const QList<InputLine> &inputs,
                          const CalculationOutcome &outcome,
                          const base::NumberSeparators &separators);

// Tab 3: inputs in the order length, diameter.
QStringList writememoTab3(int logLineCount, const QList<InputLine> &inputs,
                          const CalculationOutcome &outcome,
                          const base::NumberSeparators &separators);

} // namespace coil
